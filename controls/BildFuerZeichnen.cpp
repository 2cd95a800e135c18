// BildFuerZeichnen: an image converted once into the format a paint copies fastest.
#include "BildFuerZeichnen.h"

QImage BildFuerZeichnen(const QImage &bild)
{
    if (bild.isNull())
        return {};
    if (!bild.hasAlphaChannel())
        return bild.convertToFormat(QImage::Format_RGB32);
    QImage vormultipliziert = bild.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < vormultipliziert.height(); ++y) {
        const auto *zeile = reinterpret_cast<const QRgb *>(vormultipliziert.constScanLine(y));
        for (int x = 0; x < vormultipliziert.width(); ++x)
            if (qAlpha(zeile[x]) != 255)
                return vormultipliziert;
    }
    // Opaque: premultiplied and plain pixels are the same, and RGB32 is copied
    // without blending.
    return vormultipliziert.convertToFormat(QImage::Format_RGB32);
}
