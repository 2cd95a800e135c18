// An invisible click area.
#include "KlickZone.h"

#include "Zugang.h"

#include <QMouseEvent>

KlickZone::KlickZone(QWidget *parent) : QWidget(parent)
{
    ZugangEinrichten();
}

void KlickZone::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(e);
}
