// An icon engine that waits for its picture, decoded on a worker thread.
#include "VorabSymbol.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>

VorabSymbol::VorabSymbol(std::shared_future<QImage> b) : bild(std::move(b)) {}

const QIcon &VorabSymbol::Symbol()
{
    if (!gemacht) {
        gemacht = true;
        symbol = QIcon(QPixmap::fromImage(bild.get()));
    }
    return symbol;
}

void VorabSymbol::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    // The rectangle is already aligned and of the icon's size: the picture
    // fills it, in device pixels, as a pixmap icon paints itself.
    const QPaintDevice *geraet = painter->device();
    const qreal dpr = geraet ? geraet->devicePixelRatio() : qApp->devicePixelRatio();
    painter->drawPixmap(rect, scaledPixmap(rect.size() * dpr, mode, state, dpr));
}

QSize VorabSymbol::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return Symbol().actualSize(size, mode, state);
}

QPixmap VorabSymbol::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return Symbol().pixmap(size, 1.0, mode, state);
}

QPixmap VorabSymbol::scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    // The size comes in device pixels; the icon wants it in its own.
    return Symbol().pixmap(size / scale, scale, mode, state);
}

QList<QSize> VorabSymbol::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return Symbol().availableSizes(mode, state);
}

bool VorabSymbol::isNull()
{
    return Symbol().isNull();
}

QString VorabSymbol::key() const
{
    return QStringLiteral("VorabSymbol");
}

QIconEngine *VorabSymbol::clone() const
{
    return new VorabSymbol(bild);
}
