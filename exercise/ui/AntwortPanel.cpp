#include "AntwortPanel.h"

#include "Antwortfeld.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

// The cursor "PFEILMOVE": the pointer arrow with a small four-way arrow
// beside it, drawn once (hot spot at the arrow's tip).
static QCursor PfeilMove()
{
    static const QCursor cursor = [] {
        QPixmap bild(32, 32);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath pfeil;
        pfeil.moveTo(1, 1);
        pfeil.lineTo(1, 17);
        pfeil.lineTo(5, 13);
        pfeil.lineTo(8, 20);
        pfeil.lineTo(10, 19);
        pfeil.lineTo(7, 12);
        pfeil.lineTo(12, 12);
        pfeil.closeSubpath();
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(Qt::black);
        p.drawPath(pfeil);
        // Four-way arrow centred at (22, 22).
        QPainterPath kreuz;
        const QPointF m(22, 22);
        for (int k = 0; k < 4; ++k) {
            QTransform t;
            t.translate(m.x(), m.y());
            t.rotate(90 * k);
            QPolygonF spitze({{0, -9}, {-3, -5}, {-1, -5}, {-1, 0}, {1, 0}, {1, -5}, {3, -5}});
            kreuz.addPolygon(t.map(spitze));
            kreuz.closeSubpath();
        }
        p.setPen(QPen(Qt::white, 1.2));
        p.drawPath(kreuz.simplified());
        p.end();
        return QCursor(bild, 1, 1);
    }();
    return cursor;
}

AntwortPanel::AntwortPanel(int i, bool hand, QWidget *uebungPan) : THoverPanel(uebungPan), index(i)
{
    setObjectName(QStringLiteral("UebElemPan%1").arg(i));
    resize(Antwortfeld::Breite, Antwortfeld::Hoehe);
    setBevelRaised(true);
    setBevelWidth(1);
    setBorderWidth(1);
    setBorderColor(Qt::black);
    setHoverActive(false);
    setNormColor(Antwortfeld::Grundfarbe());
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(11);
    f.setBold(true);
    setFont(f);
    setFontColor(QColor(33, 33, 31));
    setNormFontColor(QColor(33, 33, 31));
    setMinFontSize(8);
    setFontAutoSize(true);
    setAlignment(Qt::AlignHCenter);
    setLayout(TTextLayout::Center);
    setWordWrap(true);
    setPadding({2, 0, 2, 0});
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setTabStop(true);
    setFocusPolicy(Qt::StrongFocus);
    setCheckColor(QColor(255, 200, 90));
    setXPCheck(false);
    setCursor(hand ? QCursor(Qt::PointingHandCursor) : PfeilMove());
}

void AntwortPanel::Markieren(bool an)
{
    setChecked(an);
    setBorderWidth(an ? 3 : 1);
    setBorderColor(an ? QColor(200, 0, 0) : QColor(Qt::black));
}

void AntwortPanel::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    links = true;
    gezogen = false;
    druckPunkt = mapToParent(e->position().toPoint());
    emit gedrueckt(index, druckPunkt);
}

void AntwortPanel::mouseMoveEvent(QMouseEvent *e)
{
    if (!links || !(e->buttons() & Qt::LeftButton))
        return;
    const QPoint p = mapToParent(e->position().toPoint());
    if (!gezogen && (p - druckPunkt).manhattanLength() < 3)
        return; // a click, not yet a drag
    gezogen = true;
    emit bewegt(index, p);
}

void AntwortPanel::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || !links)
        return;
    links = false;
    emit losgelassen(index, mapToParent(e->position().toPoint()), gezogen);
}

void AntwortPanel::keyPressEvent(QKeyEvent *e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        emit taste(index, e->key());
        return;
    default:
        if (e->key() >= Qt::Key_1 && e->key() <= Qt::Key_6) {
            emit taste(index, e->key());
            return;
        }
        THoverPanel::keyPressEvent(e);
    }
}
