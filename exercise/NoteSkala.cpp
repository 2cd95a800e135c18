// Drawing the rating scale with grade bands, thresholds and the result mark.
#include "NoteSkala.h"
#include "Note.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr int kRand = 12;

int Runden(double x)
{
    return int(std::lround(x));
}

QFont Arial(int pixel, bool fett)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixel); // 7 pt and 8 pt at 96 dpi
    f.setBold(fett);
    return f;
}

// Percent text of a threshold: 0.85 is "85%".
QString Prozent(double t)
{
    return QString::number(Runden(t * 100.0)) + "%";
}
} // namespace

void SkalaZeichnen(QPainter &p, const QRect &r, double g)
{
    const int L = r.left();
    const int T = r.top();
    const int R = r.left() + r.width();
    const int B = r.top() + r.height();
    const int H = B - T - 2 * kRand;
    const int x1 = L + Runden(0.4 * (R - L));
    const int x2 = L + Runden(0.6 * (R - L));
    const int unten = T + kRand + H; // lowest baseline

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 0));
    const QFont normal = Arial(9, false);
    const QFont fett = Arial(9, true);

    auto y = [&](int k) { return T + Runden((1.0 - Noten::Schwellen[k]) * H) + kRand; };

    for (int i = 1; i <= 7; ++i) {
        const int yi = y(i - 1);
        if (i <= 6) {
            // Bands overlap by one line, so neighbours share their border.
            const int yUnten = y(i) + 1;
            p.setBrush(Noten::BandFarbe(i));
            p.drawRect(QRect(x1, yi, x2 - x1 - 1, yUnten - yi - 1));
            p.setBrush(Qt::NoBrush);
            p.setFont(fett);
            const QString nummer = QString::number(i);
            const int breite = QFontMetrics(fett).horizontalAdvance(nummer);
            const int grundlinie = (yi + yUnten - 1) / 2 + 3;
            p.drawText(QPoint((x1 + x2 - breite) / 2, grundlinie), nummer);
        }
        p.drawLine(x1, yi, x1 - 2, yi);
        p.setFont(normal);
        const QString text = Prozent(Noten::Schwellen[i - 1]);
        const int breite = QFontMetrics(normal).horizontalAdvance(text);
        p.drawText(QPoint(x1 - 7 - breite, std::min(yi + 3, unten)), text);
    }

    // A value out of range (never produced by a run) is pinned to the scale.
    const double gs = std::isfinite(g) ? std::clamp(g, 0.0, 1.0) : 0.0;
    const int ym = T + Runden((1.0 - gs) * H) + kRand;
    p.drawLine(x2, ym, x2 + 9, ym);
    const QFont marke = Arial(11, true);
    p.setFont(marke);
    p.drawText(QPoint(x2 + 15, std::min(ym + 3, unten)), QString::number(gs * 100.0, 'f', 1) + "%");
    p.restore();
}

QImage SkalaBild(const QSize &groesse, const QColor &hintergrund, double g, double pixelVerhaeltnis)
{
    // A ratio beyond any screen's would only cost memory.
    const double v = std::clamp(pixelVerhaeltnis, 1.0, 4.0);
    QImage bild(groesse * v, QImage::Format_RGB32);
    bild.setDevicePixelRatio(v);
    bild.setDotsPerMeterX(3780);
    bild.setDotsPerMeterY(3780);
    bild.fill(hintergrund);
    QPainter p(&bild);
    SkalaZeichnen(p, QRect(QPoint(0, 0), groesse), g);
    return bild;
}
