// Printing a table onto a printer or PDF writer, page by page.
#include "GridDrucken.h"
#include "GridDruckLayout.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

namespace {
QFont DruckSchrift(int hoehe)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(std::max(1, hoehe)); // character height in units
    return f;
}

int Zehntelmm(double mm)
{
    return int(std::lround(mm * 10.0));
}
} // namespace

void GridDruckSeiteMalen(QPainter &p, const GridDruckLayout &l, int seite)
{
    if (seite < 0 || seite >= l.seiten.size())
        return;
    p.setFont(DruckSchrift(l.schriftHoehe));
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine));
    p.setBrush(Qt::NoBrush);
    for (const auto &z : l.seiten[seite].zellen) {
        if (z.text.isEmpty())
            continue;
        const Qt::Alignment a = z.ausrichtung == 1   ? Qt::AlignHCenter
                                : z.ausrichtung == 2 ? Qt::AlignRight
                                                     : Qt::AlignLeft;
        // Clipped to its cell: the rectangle is the cell, the flags keep the
        // text in one line.
        p.save();
        p.setClipRect(z.rechteck);
        p.drawText(QRectF(z.rechteck).adjusted(0, 0, 1, 1), int(a | Qt::AlignTop | Qt::TextSingleLine), z.text);
        p.restore();
    }
    for (const auto &linie : l.seiten[seite].linien)
        p.drawLine(linie);
}

bool GridDrucken(QPagedPaintDevice &geraet, const QList<QStringList> &zeilen, int festeZeilen,
                 const QList<int> &spaltenBreiten, const QList<int> &ausrichtungen)
{
    const QPageLayout seite = geraet.pageLayout();
    const QRectF voll = seite.fullRect(QPageLayout::Millimeter);
    const QRectF druckbar = seite.paintRect(QPageLayout::Millimeter);

    GridDruckEingabe e;
    e.zeilen = zeilen;
    e.festeZeilen = festeZeilen;
    e.spaltenBreiten = spaltenBreiten;
    e.ausrichtungen = ausrichtungen;
    e.seitenBreite = Zehntelmm(voll.width());
    e.seitenHoehe = Zehntelmm(voll.height());
    // The painter's origin is the corner of the printable area.
    e.randLinksOffset = Zehntelmm(druckbar.left() - voll.left());
    e.randObenOffset = Zehntelmm(druckbar.top() - voll.top());
    e.zeilenHoehe = [](int h) { return int(std::ceil(QFontMetricsF(DruckSchrift(h)).height())); };
    const GridDruckLayout l = GridDruckBerechnen(e);

    QPainter p;
    if (!p.begin(&geraet))
        return false;
    const double skala = geraet.logicalDpiX() / 254.0;
    p.scale(skala, geraet.logicalDpiY() / 254.0);
    for (int s = 0; s < l.seiten.size(); ++s) {
        if (s > 0 && !geraet.newPage()) {
            p.end();
            return false;
        }
        GridDruckSeiteMalen(p, l, s);
    }
    return p.end();
}
