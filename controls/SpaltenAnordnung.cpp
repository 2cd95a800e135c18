// Layout of menu rows into columns, with marked breaks and a height limit.
#include "SpaltenAnordnung.h"

#include <algorithm>
#include <utility>

namespace {
SpaltenPlan Anordnen(const QList<MenueZeile> &zeilen, int breite, int abstand, int maxHoehe, bool marken)
{
    SpaltenPlan plan;
    plan.felder.reserve(zeilen.size());
    int x = 0, y = 0, hoechste = 0;
    for (const MenueZeile &z : zeilen) {
        if (z.hoehe <= 0) {
            plan.felder << QRect();
            continue;
        }
        if (plan.spalten == 0) {
            plan.spalten = 1;
        } else if (y > 0 && ((marken && z.neueSpalte) || (maxHoehe > 0 && y + z.hoehe > maxHoehe))) {
            // An empty column never breaks, so a row taller than the limit
            // still gets placed instead of opening column after column.
            x += breite + abstand;
            y = 0;
            ++plan.spalten;
        }
        plan.felder << QRect(x, y, breite, z.hoehe);
        y += z.hoehe;
        hoechste = std::max(hoechste, y);
    }
    if (plan.spalten > 0)
        plan.groesse = QSize(x + breite, hoechste);
    return plan;
}
}

SpaltenPlan SpaltenAnordnen(const QList<MenueZeile> &zeilen, int breite, int abstand, int maxHoehe, int maxBreite)
{
    SpaltenPlan plan = Anordnen(zeilen, breite, abstand, maxHoehe, true);
    if (maxBreite > 0 && plan.groesse.width() > maxBreite) {
        SpaltenPlan ohne = Anordnen(zeilen, breite, abstand, maxHoehe, false);
        if (ohne.groesse.width() < plan.groesse.width())
            plan = std::move(ohne);
    }
    return plan;
}
