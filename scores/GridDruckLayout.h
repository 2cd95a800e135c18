// The printed table's layout, computed without a printer.
#pragma once
#include <QLine>
#include <QList>
#include <QRect>
#include <QStringList>

#include <functional>

// The printed table laid out in units of 0.1 mm (y downwards), apart from
// any printer, so that page breaks and scaling can be checked without one.
struct GridDruckEingabe
{
    QList<QStringList> zeilen; // all rows, header first
    int festeZeilen = 1;       // header rows, drawn left-aligned
    QList<int> spaltenBreiten; // on screen, pixels
    QList<int> ausrichtungen;  // 0 left, 1 centred, 2 right
    int seitenBreite = 2100;   // physical page, units
    int seitenHoehe = 2970;
    int randLinksOffset = 0; // the printer's unprintable offsets, units
    int randObenOffset = 0;
    // Row height for a font of the given character height (both in units).
    std::function<int(int schriftHoehe)> zeilenHoehe;
};

struct GridDruckZelle
{
    QRect rechteck; // clip rectangle, units
    QString text;
    int ausrichtung = 0;
};

struct GridDruckSeite
{
    QList<GridDruckZelle> zellen;
    QList<QLine> linien;
};

struct GridDruckLayout
{
    int schriftHoehe = 0;
    int zeilenHoehe = 0;
    QList<int> kanten; // x of the column edges, one more than columns
    QList<GridDruckSeite> seiten;
};

GridDruckLayout GridDruckBerechnen(const GridDruckEingabe &e);
