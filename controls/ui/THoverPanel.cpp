// THoverPanel: the flat button panel, its colours, caption fitting and painting.
#include "THoverPanel.h"

#include "BildFuerZeichnen.h"
#include "Farben.h"
#include "TextEinpassen.h"
#include "Zugang.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include <algorithm>

THoverPanel::THoverPanel(QWidget *parent) : QWidget(parent)
{
    normColor = QApplication::palette().color(QPalette::Button);
    color = normColor;
    QFont f("Arial");
    f.setPixelSize(11);
    setFont(f);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover, false);
    ZugangEinrichten();
}

void THoverPanel::setTipprand(const QMargins &m)
{
    tipprand = m;
    einpassAuftrag.Anfordern();
    update();
}

void THoverPanel::setSichtbareGeometrie(const QRect &sichtbar)
{
    const int b = std::max(0, TippMindestens - sichtbar.width()), h = std::max(0, TippMindestens - sichtbar.height());
    const QMargins m(b / 2, h / 2, b - b / 2, h - h / 2);
    setTipprand(m);
    setGeometry(sichtbar.marginsAdded(m));
}

QRect THoverPanel::Flaeche() const
{
    return rect().marginsRemoved(tipprand);
}

bool THoverPanel::Anklickbar() const
{
    return tabStop || isSignalConnected(QMetaMethod::fromSignal(&THoverPanel::clicked));
}

void THoverPanel::setZeichen(Marke m)
{
    if (m == marke)
        return;
    marke = m;
    einpassAuftrag.Anfordern();
    update();
}

namespace {
// Diameter of the check/cross disc in a panel of height h.
int MarkenGroesse(int h)
{
    return std::clamp(h - 10, 12, 22);
}

void MarkeZeichnen(QPainter &p, const QRect &scheibe, THoverPanel::Marke m)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(33, 33, 31), 1));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(scheibe).adjusted(0.5, 0.5, -0.5, -0.5));
    const QRectF r = QRectF(scheibe).adjusted(scheibe.width() * 0.25, scheibe.height() * 0.25, -scheibe.width() * 0.25,
                                              -scheibe.height() * 0.25);
    const double dicke = std::max(2.0, scheibe.width() / 7.0);
    if (m == THoverPanel::Marke::Haken) {
        p.setPen(QPen(QColor(0, 110, 0), dicke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF pts[] = {
            {r.left(), r.center().y()}, {r.left() + r.width() * 0.4, r.bottom()}, {r.right(), r.top()}};
        p.drawPolyline(pts, 3);
    } else {
        p.setPen(QPen(QColor(190, 0, 0), dicke, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomLeft());
    }
    p.restore();
}
} // namespace

void THoverPanel::setCaption(const QString &c)
{
    caption = c;
    einpassAuftrag.Anfordern();
    update();
}

void THoverPanel::FarbeNeu()
{
    if (hoverActive && hovering)
        color = hoverColor;
    else
        color = checked ? checkColor : normColor;
    update();
}

// clang-format off
void THoverPanel::setNormColor(const QColor &c) { normColor = c; FarbeNeu(); }
void THoverPanel::setHoverColor(const QColor &c) { hoverColor = c; FarbeNeu(); }
void THoverPanel::setCheckColor(const QColor &c) { checkColor = c; FarbeNeu(); }
// clang-format on

void THoverPanel::setNormFontColor(const QColor &c)
{
    normFontColor = c;
    if (!checked)
        setFontColor(c);
}

void THoverPanel::setCheckFontColor(const QColor &c)
{
    checkFontColor = c;
    if (checked)
        setFontColor(c);
}

void THoverPanel::setCheckFontBold(bool b)
{
    checkFontBold = b;
    update();
}

void THoverPanel::setChecked(bool c)
{
    checked = c;
    fontColor = checked ? checkFontColor : normFontColor;
    if (checkFontBold) {
        QFont f = font();
        f.setBold(checked);
        setFont(f);
    }
    FarbeNeu();
}

// clang-format off
void THoverPanel::setHoverActive(bool a) { hoverActive = a; FarbeNeu(); }
void THoverPanel::setXPCheck(bool x) { xpCheck = x; update(); }
void THoverPanel::setWordWrap(bool w) { wordWrap = w; einpassAuftrag.Anfordern(); update(); }
void THoverPanel::setFontAutoSize(bool a) { fontAutoSize = a; einpassAuftrag.Anfordern(); update(); }
void THoverPanel::setMinFontSize(int s) { minFontSize = s; einpassAuftrag.Anfordern(); update(); }
void THoverPanel::setLayout(TTextLayout l) { layout = l; einpassAuftrag.Anfordern(); update(); }
void THoverPanel::setBorderColor(const QColor &c) { borderColor = c; update(); }
void THoverPanel::setPadding(const TPadding &p) { padding = p; einpassAuftrag.Anfordern(); update(); }
void THoverPanel::setBorderWidth(int w) { borderWidth = qMax(0, w); einpassAuftrag.Anfordern(); update(); }
void THoverPanel::setBevelRaised(bool r) { bevelRaised = r; einpassAuftrag.Anfordern(); update(); }
void THoverPanel::setBevelWidth(int w) { bevelWidth = qMax(0, w); einpassAuftrag.Anfordern(); update(); }
void THoverPanel::setAlignment(Qt::Alignment a) { alignment = a; einpassAuftrag.Anfordern(); update(); }
void THoverPanel::setFontColor(const QColor &c) { fontColor = c; update(); }
// clang-format on

// The bitmap is converted once here, so that a paint (every hover change)
// copies it instead of converting its pixel format again.
void THoverPanel::setBitmap(const QImage &b)
{
    bitmap = b;
    zeichenBitmap = BildFuerZeichnen(b);
    update();
}

void THoverPanel::setTabStop(bool t)
{
    tabStop = t;
    setFocusPolicy(t ? Qt::TabFocus : Qt::NoFocus);
}

void THoverPanel::MausBetritt()
{
    if (hoverActive) {
        hovering = true;
        color = hoverColor;
        update();
    }
    emit mouseEnter();
}

void THoverPanel::MausVerlaesst()
{
    hovering = false;
    color = checked ? checkColor : normColor;
    update();
    emit mouseLeave();
}

void THoverPanel::Click()
{
    emit clicked();
}

void THoverPanel::enterEvent(QEnterEvent *)
{
    MausBetritt();
}

void THoverPanel::leaveEvent(QEvent *)
{
    MausVerlaesst();
}

void THoverPanel::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton) {
        if (tabStop && isEnabled())
            setFocus(Qt::MouseFocusReason);
        gedrueckt = true;
    }
    emit mouseDown(e->button(), e->position().toPoint());
}

void THoverPanel::mouseReleaseEvent(QMouseEvent *e)
{
    const bool war = gedrueckt;
    gedrueckt = false;
    if (e->button() == Qt::LeftButton && war && rect().contains(e->position().toPoint()))
        Click();
}

void THoverPanel::keyPressEvent(QKeyEvent *e)
{
    const auto mods = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool taste = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space;
    if (focused && taste && mods == Qt::NoModifier) {
        Click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void THoverPanel::focusInEvent(QFocusEvent *e)
{
    focused = true;
    update();
    QWidget::focusInEvent(e);
}

void THoverPanel::focusOutEvent(QFocusEvent *e)
{
    focused = false;
    update();
    QWidget::focusOutEvent(e);
}

QRect THoverPanel::Innenflaeche() const
{
    QRect r = Flaeche().adjusted(borderWidth, borderWidth, -borderWidth, -borderWidth);
    if (bevelRaised)
        for (int i = 0; i < bevelWidth && r.width() > 0 && r.height() > 0; ++i)
            r.adjust(1, 1, -1, -1);
    return r;
}

void THoverPanel::BeschriftungEinpassen()
{
    // 4./5. Caption area and text format.
    QRect bereich = Innenflaeche().adjusted(padding.Left, padding.Top, -padding.Right, -padding.Bottom);
    // The caption makes room for a check or a cross.
    if (marke != Marke::Keine)
        bereich.setLeft(std::min(bereich.right(), bereich.left() + MarkenGroesse(Flaeche().height()) + 4));
    int flags = int(alignment & Qt::AlignHorizontal_Mask) | Qt::TextExpandTabs;
    if (wordWrap)
        flags |= Qt::TextWordWrap;

    // 6./7. Fitting and vertical placement.
    const Einpassung e =
        BeschriftungSetzen(einpassung, caption, font(), flags, bereich, fontAutoSize, minFontSize, true, layout);
    gezeichnet = e.text;
    gezeichneteGroesse = e.groesse;
    textFlags = flags;
    textBereich = bereich;
}

void THoverPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QRect r = Flaeche();

    // 1. Frame lines, one per unit of border width.
    for (int i = 0; i < borderWidth; ++i) {
        p.setPen(borderColor);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(i, i, -i - 1, -i - 1));
    }
    r.adjust(borderWidth, borderWidth, -borderWidth, -borderWidth);

    // 2. Raised bevel.
    if (bevelRaised && bevelWidth > 0) {
        const QColor oben = Mischen(QColor(Qt::white), color, 0.2);
        const QColor unten = Mischen(QColor(Qt::black), color, 0.75);
        for (int i = 0; i < bevelWidth && r.width() > 0 && r.height() > 0; ++i) {
            p.setPen(oben);
            p.drawLine(r.left(), r.top(), r.right(), r.top());
            p.drawLine(r.left(), r.top(), r.left(), r.bottom());
            p.setPen(unten);
            p.drawLine(r.right(), r.top(), r.right(), r.bottom());
            p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
            r.adjust(1, 1, -1, -1);
        }
    }

    // 3. Background colour, then the bitmap from its pixel (border, border).
    if (zeichenBitmap.isNull() || zeichenBitmap.width() < r.width() || zeichenBitmap.height() < r.height())
        p.fillRect(r, color);
    if (!zeichenBitmap.isNull())
        p.drawImage(r.topLeft(), zeichenBitmap, QRect(borderWidth, borderWidth, r.width(), r.height()));
    const QRect flaeche = Flaeche();

    // 4.-7. Normally fitted before (shown, resized, changed); this only looks
    // the fit up, and fits here should an input have changed unnoticed.
    BeschriftungEinpassen();

    // 8. Caption.
    QFont f = font();
    SetzeSchriftGroesse(f, gezeichneteGroesse);
    p.setFont(f);
    p.setPen(fontColor);
    p.drawText(textBereich, textFlags | Qt::AlignTop, gezeichnet);

    // 9. Checked marker along the top edge, inside the frame.
    if (checked) {
        const int x1 = flaeche.left() + borderWidth, x2 = flaeche.right() - borderWidth,
                  y = flaeche.top() + borderWidth;
        if (xpCheck) {
            p.setPen(QColor(230, 139, 44));
            p.drawLine(x1, y, x2, y);
            p.setPen(QColor(255, 199, 60));
            p.drawLine(x1, y + 1, x2, y + 1);
            p.drawLine(x1, y + 2, x2, y + 2);
        } else {
            p.setPen(Mischen(normColor, QColor(Qt::white), 0.5));
            p.drawLine(x1, y, x2, y);
            p.drawLine(x1, y + 1, x2, y + 1);
        }
    }

    // Check or cross at the left, centred vertically.
    if (marke != Marke::Keine) {
        const int d = MarkenGroesse(flaeche.height());
        const QRect innen = Innenflaeche();
        MarkeZeichnen(p, QRect(innen.left() + 3, innen.top() + (innen.height() - d) / 2, d, d), marke);
    }

    // 10. Focus ring: solid and two pixels wide, so it is seen on any of
    // the panel colours.
    if (focused && tabStop && isEnabled()) {
        QPen stift(FokusFarbe(), 2);
        stift.setJoinStyle(Qt::MiterJoin);
        p.setPen(stift);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(flaeche).adjusted(3, 3, -3, -3));
    }
}

Einpassung BeschriftungSetzen(EinpassungsSpeicher &speicher, const QString &caption, const QFont &schrift, int flags,
                              QRect &bereich, bool einpassen, int minGroesse, bool bindestrichSchritt,
                              TTextLayout layout)
{
    const Einpassung e =
        speicher.Holen(caption, schrift, flags, bereich.size(), einpassen, minGroesse, bindestrichSchritt);
    const int rest = bereich.height() - e.textGroesse.height();
    if (layout == TTextLayout::Bottom)
        bereich.translate(0, qMax(0, rest));
    else if (layout == TTextLayout::Center)
        bereich.translate(0, qMax(0, rest / 2));
    return e;
}
