// Nine-slice painting of a frame tile onto a target image.
#include "RahmenBild.h"

#include <QPainter>

namespace {
void Kopie(QPainter &p, const QImage &tile, QRect quelle, QRect ziel)
{
    if (quelle.isEmpty() || ziel.isEmpty())
        return;
    p.drawImage(ziel, tile, quelle);
}
}

void ZeichneRahmenBild(QImage &target, const QImage &tile, int b)
{
    const int W = target.width(), H = target.height();
    const int w = tile.width(), h = tile.height();
    if (W <= 0 || H <= 0 || w <= 0 || h <= 0)
        return;
    b = qBound(0, b, qMin(w, h) / 2);

    // 1. Work bitmap in the colour of the tile's pixel (b, b).
    QImage arbeit(W, H, QImage::Format_RGB32);
    arbeit.setDotsPerMeterX(3780);
    arbeit.setDotsPerMeterY(3780);
    arbeit.fill(tile.pixelColor(qMin(b, w - 1), qMin(b, h - 1)));
    {
        QPainter p(&arbeit);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        // 2. Centre over everything, then the left column and the top and
        // bottom edges.
        Kopie(p, tile, QRect(QPoint(b, b), QPoint(w - b - 1, h - b - 1)), QRect(0, 0, W, H));
        Kopie(p, tile, QRect(0, 0, b, b), QRect(0, 0, b, b));
        Kopie(p, tile, QRect(0, h - b, b, b), QRect(0, H - b, b, b));
        Kopie(p, tile, QRect(b, 0, w - 2 * b, b), QRect(b, 0, W - 2 * b, b));
        Kopie(p, tile, QRect(b, h - b, w - 2 * b, b), QRect(b, H - b, W - 2 * b, b));
        Kopie(p, tile, QRect(0, b, b, h - 2 * b), QRect(0, b, b, H - 2 * b));

        // 3. The right column as a strip of its own, drawn last.
        if (b > 0) {
            QImage streifen(b, H, QImage::Format_ARGB32_Premultiplied);
            streifen.fill(Qt::transparent);
            {
                QPainter s(&streifen);
                s.setRenderHint(QPainter::SmoothPixmapTransform);
                Kopie(s, tile, QRect(w - b, 0, b, b), QRect(0, 0, b, b));
                Kopie(s, tile, QRect(w - b, h - b, b, b), QRect(0, H - b, b, b));
                Kopie(s, tile, QRect(w - b, b, b, h - 2 * b), QRect(0, b, b, H - 2 * b));
            }
            p.drawImage(W - b, 0, streifen);
        }
    }
    // 4. Replace the target's picture.
    target = arbeit;
}
