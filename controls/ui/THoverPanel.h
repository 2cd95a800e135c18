// THoverPanel, the flat button panel most buttons are, and its caption steps.
#pragma once
#include "EinpassAuftrag.h"
#include "EinpassungsSpeicher.h"
#include "TextEinpassen.h"

#include <QColor>
#include <QEvent>
#include <QImage>
#include <QMargins>
#include <QWidget>

// Inner margins of a caption area.
struct TPadding
{
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool operator==(const TPadding &) const = default;
};

enum class TTextLayout { Top, Center, Bottom };

// The caption steps the hover panel and the shadow label share: fit the
// caption into the area (or only measure it when fitting is off; both kept in
// speicher until an input changes), then move the area down for the vertical
// layout.
Einpassung BeschriftungSetzen(EinpassungsSpeicher &speicher, const QString &caption, const QFont &schrift, int flags,
                              QRect &bereich, bool einpassen, int minGroesse, bool bindestrichSchritt,
                              TTextLayout layout);

// A flat button panel: changes colour under the mouse, shows a checked
// state with a marker line, paints an optional background bitmap and fits
// its caption into its area. Most buttons of the program are one of these.
class THoverPanel : public QWidget
{
    Q_OBJECT
public:
    explicit THoverPanel(QWidget *parent = nullptr);

    QString Caption() const { return caption; }
    void setCaption(const QString &c);

    QColor NormColor() const { return normColor; }
    void setNormColor(const QColor &c);
    QColor HoverColor() const { return hoverColor; }
    void setHoverColor(const QColor &c);
    QColor CheckColor() const { return checkColor; }
    void setCheckColor(const QColor &c);
    QColor NormFontColor() const { return normFontColor; }
    void setNormFontColor(const QColor &c);
    QColor CheckFontColor() const { return checkFontColor; }
    void setCheckFontColor(const QColor &c);
    bool CheckFontBold() const { return checkFontBold; }
    void setCheckFontBold(bool b);
    bool Checked() const { return checked; }
    void setChecked(bool c);
    bool HoverActive() const { return hoverActive; }
    void setHoverActive(bool a);
    bool XPCheck() const { return xpCheck; }
    void setXPCheck(bool x);
    bool WordWrap() const { return wordWrap; }
    void setWordWrap(bool w);
    bool FontAutoSize() const { return fontAutoSize; }
    void setFontAutoSize(bool a);
    int MinFontSize() const { return minFontSize; }
    void setMinFontSize(int s);
    TTextLayout Layout() const { return layout; }
    void setLayout(TTextLayout l);
    QColor BorderColor() const { return borderColor; }
    void setBorderColor(const QColor &c);
    const QImage &Bitmap() const { return bitmap; }
    void setBitmap(const QImage &b);
    TPadding Padding() const { return padding; }
    void setPadding(const TPadding &p);

    // From the panel base.
    int BorderWidth() const { return borderWidth; }
    void setBorderWidth(int w);
    bool BevelRaised() const { return bevelRaised; }
    void setBevelRaised(bool r);
    int BevelWidth() const { return bevelWidth; }
    void setBevelWidth(int w);
    Qt::Alignment Alignment() const { return alignment; }
    void setAlignment(Qt::Alignment a);
    bool TabStop() const { return tabStop; }
    void setTabStop(bool t);
    QColor FontColor() const { return fontColor; }
    void setFontColor(const QColor &c);
    // Current background colour (follows the colour rule).
    QColor Color() const { return color; }
    // The caption as fitted for drawing: fitted when the panel is shown,
    // after a change while visible (before the paint it asks for), else at
    // the latest when painted.
    QString GezeichneterText() const { return gezeichnet; }
    int GezeichneteGroesse() const { return gezeichneteGroesse; }
    // How often the caption was fitted (not on every paint, only after a change).
    int Einpassungen() const { return einpassung.Laeufe(); }

    // Simulates the mouse entering and leaving (what enterEvent/leaveEvent do).
    void MausBetritt();
    void MausVerlaesst();
    // Raises the click as a mouse click or the keyboard does.
    void Click();
    // Takes the keyboard or someone listens to its click: a button to
    // screen readers, else a text.
    bool Anklickbar() const;

    // A check or a cross drawn at the left beside the feedback colour, so
    // right and wrong do not rest on telling green from red.
    enum class Marke { Keine, Haken, Kreuz };
    Marke Zeichen() const { return marke; }
    void setZeichen(Marke m);
    // A clear margin around what is drawn that still takes clicks, so a
    // small button is easy to hit with a finger; the geometry includes it.
    QMargins Tipprand() const { return tipprand; }
    void setTipprand(const QMargins &m);
    // The drawn part: the widget less its tap margin.
    QRect Flaeche() const;
    // Places the panel drawn at sichtbar (parent coordinates) with a tap
    // margin that makes it at least TippMindestens wide and high.
    static constexpr int TippMindestens = 34;
    void setSichtbareGeometrie(const QRect &sichtbar);
    // The focus ring: solid, 2 pixels, dark against every panel colour.
    static QColor FokusFarbe() { return QColor(0, 60, 160); }

signals:
    void clicked();
    void mouseEnter();
    void mouseLeave();
    void mouseDown(Qt::MouseButton knopf, QPoint pos);

protected:
    void paintEvent(QPaintEvent *) override;
    void enterEvent(QEnterEvent *) override;
    void leaveEvent(QEvent *) override;
    void mousePressEvent(QMouseEvent *) override;
    void mouseReleaseEvent(QMouseEvent *) override;
    void keyPressEvent(QKeyEvent *) override;
    void focusInEvent(QFocusEvent *) override;
    void focusOutEvent(QFocusEvent *) override;

private:
    void FarbeNeu();
    // The area inside the frame lines and the bevel.
    QRect Innenflaeche() const;
    // Fits the caption into its area (a cheap look-up when no input changed)
    // and keeps the result and the placed text area for drawing.
    void BeschriftungEinpassen();

    QString caption;
    QColor normColor;
    QColor hoverColor{255, 255, 0};
    QColor checkColor{Qt::white};
    QColor normFontColor{Qt::black};
    QColor checkFontColor{Qt::black};
    bool checkFontBold = false;
    bool checked = false;
    bool hoverActive = true;
    bool xpCheck = true;
    bool wordWrap = false;
    bool fontAutoSize = false;
    int minFontSize = 7;
    TTextLayout layout = TTextLayout::Center;
    QColor borderColor{Qt::black};
    QImage bitmap;
    QImage zeichenBitmap; // bitmap in a format the painter copies without converting
    TPadding padding;
    int borderWidth = 0;
    bool bevelRaised = true;
    int bevelWidth = 1;
    Qt::Alignment alignment = Qt::AlignHCenter;
    bool tabStop = false;
    QColor fontColor{Qt::black};
    QColor color;
    bool hovering = false;
    bool focused = false;
    bool gedrueckt = false;
    Marke marke = Marke::Keine;
    QMargins tipprand;
    QString gezeichnet;
    int gezeichneteGroesse = 0;
    // Fits the caption when shown, and after changes while visible.
    EinpassAuftrag einpassAuftrag{*this, [this] { BeschriftungEinpassen(); }};
    int textFlags = 0;
    QRect textBereich;
    EinpassungsSpeicher einpassung;
};
