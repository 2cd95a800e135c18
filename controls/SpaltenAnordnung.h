// Laying out the rows of a menu in columns: rows, plan and the layout call.
#pragma once
#include <QList>
#include <QRect>
#include <QSize>

// Laying out the rows of a menu in columns. A row may ask to start a new
// column; a column that would grow taller than the screen allows goes on
// in the next one as well.
struct MenueZeile
{
    int hoehe = 0;           // 0 or less: the row is not shown
    bool neueSpalte = false; // this row starts a new column
};

struct SpaltenPlan
{
    QList<QRect> felder; // one per row, relative to the first column's top left; empty when not shown
    int spalten = 0;
    QSize groesse; // from the first column's left to the last column's right, tallest column
};

// breite: the common width of every column; abstand: the room between two
// columns; maxHoehe: the tallest a column may become (0 = no limit);
// maxBreite: the widest the columns may become together (0 = no limit).
// When the marked columns would be wider than that, the marks give way to
// columns filled to the height limit if those are narrower, so that fewer
// items (or none) end up off screen.
SpaltenPlan SpaltenAnordnen(const QList<MenueZeile> &zeilen, int breite, int abstand, int maxHoehe, int maxBreite = 0);
