// Nine-slice painting of a frame tile onto a target image.
#include "RahmenBild.h"

#include <QPainter>

#include <cwchar>

static_assert(sizeof(wchar_t) == sizeof(QRgb), "rows are filled as wide characters");

namespace {
void Kopie(QPainter &p, const QImage &tile, QRect quelle, QRect ziel)
{
    if (quelle.isEmpty() || ziel.isEmpty())
        return;
    p.drawImage(ziel, tile, quelle);
}

// True when each row of the area is of one opaque colour (all rows of the
// same one if ganz). A smooth stretch mixes source pixels with weights that
// depend on the target row for vertical and on the target column for
// horizontal neighbours, so such an area gives target rows of one colour
// each; if ganz, the whole target gets that colour, as a fill does.
bool EinfarbigDeckend(const QImage &tile, QRect bereich, bool ganz)
{
    if (bereich.isEmpty() || !tile.rect().contains(bereich))
        return false;
    // In the 32-bit formats an opaque pixel is stored as QImage::pixel
    // gives it; the others are converted first.
    const QImage::Format f = tile.format();
    const QImage bild = f == QImage::Format_RGB32 || f == QImage::Format_ARGB32
                                || f == QImage::Format_ARGB32_Premultiplied
                            ? tile
                            : tile.copy(bereich).convertToFormat(QImage::Format_ARGB32);
    if (bild.size() != tile.size())
        bereich.moveTopLeft(QPoint(0, 0));
    const QRgb erste = reinterpret_cast<const QRgb *>(bild.constScanLine(bereich.top()))[bereich.left()];
    for (int y = bereich.top(); y <= bereich.bottom(); ++y) {
        const QRgb *zeile = reinterpret_cast<const QRgb *>(bild.constScanLine(y));
        const QRgb farbe = ganz ? erste : zeile[bereich.left()];
        if (qAlpha(farbe) != 255)
            return false;
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (zeile[x] != farbe)
                return false;
    }
    return true;
}

// Stretches a part of the tile smoothly onto the work bitmap. When each of
// its rows is of one opaque colour, the painter stretches only the middle
// column and each row's pixel there is copied along the row: the same
// pixels for a fraction of the work.
void Strecken(QImage &arbeit, const QImage &tile, QRect quelle, QRect ziel)
{
    if (quelle.isEmpty() || ziel.isEmpty())
        return;
    const QRect sichtbar = ziel & arbeit.rect();
    const bool zeilenweise = !sichtbar.isEmpty() && EinfarbigDeckend(tile, quelle, false);
    const int mitteX = sichtbar.center().x();
    {
        QPainter p(&arbeit);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (zeilenweise)
            p.setClipRect(QRect(mitteX, sichtbar.top(), 1, sichtbar.height()));
        Kopie(p, tile, quelle, ziel);
    }
    if (!zeilenweise)
        return;
    for (int y = sichtbar.top(); y <= sichtbar.bottom(); ++y) {
        auto *zeile = reinterpret_cast<QRgb *>(arbeit.scanLine(y));
        const QRgb farbe = zeile[mitteX];
        // The C library's wide fill is the vectorised fill of 32-bit words.
        std::wmemset(reinterpret_cast<wchar_t *>(zeile + sichtbar.left()), wchar_t(farbe), size_t(sichtbar.width()));
    }
}
}

void ZeichneRahmenBild(QImage &target, const QImage &tile, int b)
{
    const int W = target.width(), H = target.height();
    const int w = tile.width(), h = tile.height();
    if (W <= 0 || H <= 0 || w <= 0 || h <= 0)
        return;
    b = qBound(0, b, qMin(w, h) / 2);

    QImage arbeit(W, H, QImage::Format_RGB32);
    arbeit.setDotsPerMeterX(3780);
    arbeit.setDotsPerMeterY(3780);
    // 1. The centre over everything, on a fill in the colour of the tile's
    // pixel (b, b), the centre's first pixel. A centre of one opaque colour
    // is what the fill gives; one of opaque rows covers every pixel.
    const QRect mitte(QPoint(b, b), QPoint(w - b - 1, h - b - 1));
    const QColor grund = tile.pixelColor(qMin(b, w - 1), qMin(b, h - 1));
    if (mitte.isEmpty() || EinfarbigDeckend(tile, mitte, true)) {
        arbeit.fill(grund);
    } else {
        if (!EinfarbigDeckend(tile, mitte, false))
            arbeit.fill(grund);
        Strecken(arbeit, tile, mitte, QRect(0, 0, W, H));
    }

    // 2. The top and bottom edges. They share no pixel with the corners,
    // the left column or the right strip, so they may come before them.
    Strecken(arbeit, tile, QRect(b, 0, w - 2 * b, b), QRect(b, 0, W - 2 * b, b));
    Strecken(arbeit, tile, QRect(b, h - b, w - 2 * b, b), QRect(b, H - b, W - 2 * b, b));

    {
        QPainter p(&arbeit);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        // 3. The left corners and column.
        Kopie(p, tile, QRect(0, 0, b, b), QRect(0, 0, b, b));
        Kopie(p, tile, QRect(0, h - b, b, b), QRect(0, H - b, b, b));
        Kopie(p, tile, QRect(0, b, b, h - 2 * b), QRect(0, b, b, H - 2 * b));

        // 4. The right column as a strip of its own, drawn last.
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
    // 5. Replace the target's picture.
    target = std::move(arbeit);
}
