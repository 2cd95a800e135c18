// TShadowLabel: a fitted caption painted with a shadow.
#include "TShadowLabel.h"

#include "TextEinpassen.h"
#include "Zugang.h"

#include <QApplication>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

TShadowLabel::TShadowLabel(QWidget *parent) : QWidget(parent)
{
    color = QApplication::palette().color(QPalette::Window);
    QFont f("Arial");
    f.setPixelSize(11);
    setFont(f);
    resize(120, 30);
    ZugangEinrichten();
}

bool TShadowLabel::Anklickbar() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&TShadowLabel::clicked));
}

void TShadowLabel::setCaption(const QString &c)
{
    caption = c;
    GroesseAnpassen();
    einpassAuftrag.Anfordern();
    update();
}

// clang-format off
void TShadowLabel::setShadow(int s) { shadow = s; update(); }
void TShadowLabel::setShadowColor(const QColor &c) { shadowColor = c; update(); }
void TShadowLabel::setFontColor(const QColor &c) { fontColor = c; update(); }
void TShadowLabel::setColor(const QColor &c) { color = c; update(); }
void TShadowLabel::setTransparent(bool t) { transparent = t; update(); }
void TShadowLabel::setWordWrap(bool w) { wordWrap = w; einpassAuftrag.Anfordern(); update(); }
void TShadowLabel::setLayout(TTextLayout l) { layout = l; einpassAuftrag.Anfordern(); update(); }
void TShadowLabel::setAlignment(Qt::Alignment a) { alignment = a; einpassAuftrag.Anfordern(); update(); }
// clang-format on

void TShadowLabel::setAutoSize(bool a)
{
    autoSize = a;
    GroesseAnpassen();
    einpassAuftrag.Anfordern();
    update();
}

// With automatic sizing the label takes the size of its text.
void TShadowLabel::GroesseAnpassen()
{
    if (!autoSize)
        return;
    QString text = caption;
    text.replace('|', '\n');
    const int flags = int(alignment & Qt::AlignHorizontal_Mask) | Qt::TextExpandTabs
                      | (wordWrap ? int(Qt::TextWordWrap) : 0);
    const QSize s = TextMessen(font(), SchriftGroesse(font()), flags, wordWrap ? width() : 1 << 20, text);
    resize(wordWrap ? width() : s.width() + qMax(0, shadow), s.height() + qMax(0, shadow));
}

void TShadowLabel::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}

void TShadowLabel::BeschriftungEinpassen()
{
    QString text = caption;
    text.replace('|', '\n');
    QRect bereich = rect();
    int flags = int(alignment & Qt::AlignHorizontal_Mask) | Qt::TextExpandTabs;
    if (wordWrap)
        flags |= Qt::TextWordWrap;

    // An auto-sized label grows to its text, so only a fixed one is fitted.
    const Einpassung e = BeschriftungSetzen(einpassung, text, font(), flags, bereich, !autoSize, 7, false, layout);
    gezeichnet = e.text;
    gezeichneteGroesse = e.groesse;
    textFlags = flags;
    textBereich = bereich;
}

void TShadowLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!transparent)
        p.fillRect(rect(), color);

    // Normally fitted before (shown, resized, changed); this only looks the
    // fit up, and fits here should an input have changed unnoticed.
    BeschriftungEinpassen();

    QFont f = font();
    SetzeSchriftGroesse(f, gezeichneteGroesse);
    p.setFont(f);
    zeichnungen = 0;
    if (shadow > 0) {
        p.setPen(shadowColor);
        p.drawText(textBereich.translated(shadow, shadow), textFlags | Qt::AlignTop, gezeichnet);
        ++zeichnungen;
    }
    p.setPen(fontColor);
    p.drawText(textBereich, textFlags | Qt::AlignTop, gezeichnet);
    ++zeichnungen;
}
