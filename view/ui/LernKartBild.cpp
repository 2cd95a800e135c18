// The learning picture widget: painting, the marker frame and mouse forwarding.
#include "LernKartBild.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {
// The marker frame: a red two-pixel outline, transparent inside.
class Markerrahmen : public QWidget
{
public:
    explicit Markerrahmen(QWidget *parent) : QWidget(parent)
    {
        setObjectName("MoveAnker");
        setAttribute(Qt::WA_TransparentForMouseEvents, false);
        setCursor(Qt::PointingHandCursor);
        resize(12, 12);
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(QPen(Qt::red, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};
} // namespace

LernKartBild::LernKartBild(Szene &szene, QWidget *parent) : QWidget(parent), s(szene), anker(new Markerrahmen(this))
{
    setObjectName("LernKartPicImg");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    s.Anzeige = this;
    s.SteuerGroesse = size();
}

LernKartBild::~LernKartBild()
{
    if (s.Anzeige == this)
        s.Anzeige = nullptr;
}

void LernKartBild::Auffrischen()
{
    update();
}

void LernKartBild::BereichAuffrischen(const QRect &r)
{
    // Only the changed part: a pen step must not repaint the whole picture.
    update(r.translated(s.BildVersatz()));
}

void LernKartBild::MarkerAktualisieren()
{
    anker->setGeometry(s.MoveAnker);
    anker->setVisible(s.MoveAnkerSichtbar);
    emit MarkerGeaendert(s.MoveAnker, s.MoveAnkerSichtbar);
}

void LernKartBild::UebungsHinweisZeichnen()
{
    emit HinweisNeuZeichnen();
}

void LernKartBild::paintEvent(QPaintEvent *e)
{
    // Only the part asked for: drawing tools repaint small rectangles.
    QPainter p(this);
    const QRect teil = e->rect();
    const QRect bild = s.AnzeigeBild.isNull() ? QRect() : QRect(s.BildVersatz(), s.AnzeigeBild.size());
    if (!bild.contains(teil))
        p.fillRect(teil, Szene::SteuerFarbe);
    const QRect sichtbar = teil & bild;
    if (!sichtbar.isEmpty())
        p.drawImage(sichtbar.topLeft(), s.AnzeigeBild, sichtbar.translated(-bild.topLeft()));
}

void LernKartBild::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    s.SteuerGroesse = size();
    emit GroesseGeaendert(size());
}

void LernKartBild::mousePressEvent(QMouseEvent *e)
{
    emit MausGedrueckt(e->position().toPoint(), e->button(), e->buttons());
}

void LernKartBild::mouseMoveEvent(QMouseEvent *e)
{
    emit MausBewegt(e->position().toPoint(), e->buttons());
}

void LernKartBild::mouseReleaseEvent(QMouseEvent *e)
{
    emit MausLosgelassen(e->position().toPoint(), e->button(), e->buttons());
}

void LernKartBild::wheelEvent(QWheelEvent *e)
{
    emit MausRad(e->angleDelta(), e->modifiers());
    e->accept();
}
