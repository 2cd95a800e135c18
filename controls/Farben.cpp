// Colour conversion and blending, and point/pixel font sizes at 96 dpi.
#include "Farben.h"

#include <cmath>

QColor VclFarbe(quint32 wert)
{
    return QColor(int(wert & 0xff), int((wert >> 8) & 0xff), int((wert >> 16) & 0xff));
}

QColor Mischen(const QColor &a, const QColor &b, double x)
{
    auto kanal = [x](int p, int q) { return int(std::lround(p * (1.0 - x) + q * x)); };
    return QColor(kanal(a.red(), b.red()), kanal(a.green(), b.green()), kanal(a.blue(), b.blue()));
}

namespace {
// Rounds half away from zero, as the platform's MulDiv does.
int MulDiv(int a, int b, int c)
{
    const qint64 p = qint64(a) * b;
    const qint64 r = (p >= 0 ? p + c / 2 : p - c / 2) / c;
    return int(r);
}
}

int PixelAusPunkt(int punkt)
{
    return MulDiv(punkt, 96, 72);
}

int PunktAusPixel(int pixel)
{
    return MulDiv(pixel, 72, 96);
}
