// Printing a grid of text rows onto a paged device.
#pragma once
#include <QList>
#include <QStringList>

class QPagedPaintDevice;
class QPainter;
struct GridDruckLayout;

// Prints a grid onto a printer or PDF writer: 0.1 mm units, 15 mm margins,
// the font scaled to the printable width (at most 4 mm), a line under the
// header, new pages without repeating the header. False when the device
// cannot be painted on.
bool GridDrucken(QPagedPaintDevice &geraet, const QList<QStringList> &zeilen, int festeZeilen,
                 const QList<int> &spaltenBreiten, const QList<int> &ausrichtungen);

// Paints one page of a computed layout; the painter must already map
// 0.1 mm units.
void GridDruckSeiteMalen(QPainter &p, const GridDruckLayout &layout, int seite);
