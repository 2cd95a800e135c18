// The preview picture of the worksheet window.
#include "VorschauBild.h"

#include "BlattMalen.h"

#include <QPainter>

VorschauBild::VorschauBild(QWidget *parent) : QWidget(parent)
{
    setObjectName("ABImg");
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void VorschauBild::BlattSetzen(const Blatt &b)
{
    blatt = b;
    Rendern();
    update();
}

void VorschauBild::Rendern()
{
    // The page is drawn at the control's own pixel size: sharper than
    // scaling a page-sized bitmap, and the same drawing path as printing.
    const qreal dpr = devicePixelRatioF();
    const QSize groesse = (QSizeF(size()) * dpr).toSize();
    if (groesse.isEmpty()) {
        bild = QImage();
        return;
    }
    bild = BlattBild(blatt, groesse);
    bild.setDevicePixelRatio(dpr);
}

void VorschauBild::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    Rendern();
}

void VorschauBild::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (bild.isNull())
        p.fillRect(rect(), Qt::white);
    else
        p.drawImage(QPoint(0, 0), bild);
}
