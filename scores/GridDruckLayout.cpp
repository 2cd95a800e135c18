// Laying out a printed table in 0.1 mm units: font scale, rows and page breaks.
#include "GridDruckLayout.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kRand = 150;      // 15 mm
constexpr int kMaxSchrift = 40; // 4 mm
} // namespace

GridDruckLayout GridDruckBerechnen(const GridDruckEingabe &e)
{
    GridDruckLayout l;
    const int druckBreite = e.seitenBreite - 2 * kRand;
    const int untereGrenze = e.seitenHoehe - 2 * kRand;
    const int links = std::max(0, kRand - e.randLinksOffset);
    const int oben = std::max(0, kRand - e.randObenOffset);

    qint64 w = 0;
    for (int b : e.spaltenBreiten)
        w += b;
    if (w <= 0 || druckBreite <= 0)
        return l;

    const long h = std::lround(20000.0 / double(w) * double(druckBreite) / 1800.0);
    l.schriftHoehe = int(std::clamp<long>(h, 1, kMaxSchrift));
    l.zeilenHoehe = std::max(1, e.zeilenHoehe ? e.zeilenHoehe(l.schriftHoehe) : l.schriftHoehe);

    l.kanten.append(links);
    for (int b : e.spaltenBreiten)
        l.kanten.append(l.kanten.last() + int(std::lround(double(b) / double(w) * double(druckBreite))));

    l.seiten.append(GridDruckSeite{});
    int y = oben;
    for (qsizetype r = 0; r < e.zeilen.size(); ++r) {
        const QStringList &zeile = e.zeilen[r];
        const bool fest = r < e.festeZeilen;
        for (qsizetype i = 0; i + 1 < l.kanten.size(); ++i) {
            GridDruckZelle z;
            z.rechteck = QRect(QPoint(l.kanten[i], y), QPoint(l.kanten[i + 1] - 1, y + l.zeilenHoehe - 1));
            z.text = i < zeile.size() ? zeile[i] : QString();
            z.ausrichtung = fest ? 0 : (i < e.ausrichtungen.size() ? e.ausrichtungen[i] : 0);
            l.seiten.last().zellen.append(z);
        }
        y += l.zeilenHoehe;
        if (r + 1 == e.festeZeilen)
            l.seiten.last().linien.append(QLine(l.kanten.first(), y, l.kanten.last(), y));
        // A page is started only for a row that follows, so a table that ends
        // exactly at the limit does not leave an empty page behind.
        if (y + l.zeilenHoehe > untereGrenze && r + 1 < e.zeilen.size()) {
            l.seiten.append(GridDruckSeite{});
            y = oben;
        }
    }
    return l;
}
