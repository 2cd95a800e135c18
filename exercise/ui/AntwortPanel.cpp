// An answer panel of a running quiz: marking, mouse and key reports.
#include "AntwortPanel.h"

#include "Antwortfeld.h"
#include "Rahmen.h"

#include <QKeyEvent>
#include <QMouseEvent>

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
    setCursor(hand ? QCursor(Qt::PointingHandCursor) : ProgrammCursor(4));
    // A click that comes without mouse or key (a screen reader's press)
    // answers as the Enter key does.
    connect(this, &THoverPanel::clicked, this, [this] { emit taste(index, Qt::Key_Return); });
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
