// Colour conversion and blending, and point/pixel font sizes at 96 dpi.
#include "Farben.h"

#include <algorithm>
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

double Kontrastverhaeltnis(const QColor &a, const QColor &b)
{
    auto hell = [](const QColor &c) {
        auto kanal = [](int v) {
            const double s = v / 255.0;
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * kanal(c.red()) + 0.7152 * kanal(c.green()) + 0.0722 * kanal(c.blue());
    };
    const double x = hell(a), y = hell(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

int PixelAusPunkt(int punkt)
{
    return MulDiv(punkt, 96, 72);
}

int PunktAusPixel(int pixel)
{
    return MulDiv(pixel, 72, 96);
}
