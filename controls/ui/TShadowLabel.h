// TShadowLabel: a label whose caption is drawn with a shadow.
#pragma once
#include "THoverPanel.h"

#include <QColor>
#include <QWidget>

// A label that draws its caption with a shadow offset by a few pixels and
// fits the caption into its area like the hover panel (without the hyphen
// step, down to 7 points). "|" in the caption starts a new line.
class TShadowLabel : public QWidget
{
    Q_OBJECT
public:
    explicit TShadowLabel(QWidget *parent = nullptr);

    QString Caption() const { return caption; }
    void setCaption(const QString &c);
    int Shadow() const { return shadow; }
    void setShadow(int s);
    QColor ShadowColor() const { return shadowColor; }
    void setShadowColor(const QColor &c);
    QColor FontColor() const { return fontColor; }
    void setFontColor(const QColor &c);
    QColor Color() const { return color; }
    void setColor(const QColor &c);
    bool Transparent() const { return transparent; }
    void setTransparent(bool t);
    bool AutoSize() const { return autoSize; }
    void setAutoSize(bool a);
    bool WordWrap() const { return wordWrap; }
    void setWordWrap(bool w);
    TTextLayout Layout() const { return layout; }
    void setLayout(TTextLayout l);
    Qt::Alignment Alignment() const { return alignment; }
    void setAlignment(Qt::Alignment a);

    // How often the caption was drawn in the last paint (2 with a shadow).
    int Zeichnungen() const { return zeichnungen; }
    // The caption as fitted for drawing: fitted when the label is shown,
    // after a change while visible (before the paint it asks for), else at
    // the latest when painted.
    QString GezeichneterText() const { return gezeichnet; }
    // How often the caption was fitted (not on every paint, only after a change).
    int Einpassungen() const { return einpassung.Laeufe(); }
    // Someone listens to its click (a link): screen readers offer a press.
    bool Anklickbar() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseReleaseEvent(QMouseEvent *) override;

private:
    void GroesseAnpassen();
    // Fits the caption into the label (a cheap look-up when no input changed)
    // and keeps the result and the placed text area for drawing.
    void BeschriftungEinpassen();

    QString caption = QStringLiteral("ShadowLabel");
    int shadow = 1;
    QColor shadowColor{Qt::black};
    QColor fontColor{Qt::black};
    QColor color;
    bool transparent = false;
    bool autoSize = false;
    bool wordWrap = false;
    TTextLayout layout = TTextLayout::Top;
    Qt::Alignment alignment = Qt::AlignLeft;
    int zeichnungen = 0;
    QString gezeichnet;
    int gezeichneteGroesse = 0;
    // Fits the caption when shown, and after changes while visible.
    EinpassAuftrag einpassAuftrag{*this, [this] { BeschriftungEinpassen(); }};
    int textFlags = 0;
    QRect textBereich;
    EinpassungsSpeicher einpassung;
};
