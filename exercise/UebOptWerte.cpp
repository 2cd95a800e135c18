// Keeping the stored option values within what the dialogs offer.
#include "UebOptWerte.h"

namespace {

// n choices 0 .. n-1.
void Waehlbar(int &wert, int n, int vorgabe)
{
    if (wert < 0 || wert >= n)
        wert = vorgabe;
}

} // namespace

UebOptWerte UebOptWerte::Begrenzt() const
{
    const UebOptWerte v;
    UebOptWerte w = *this;
    Waehlbar(w.AbfrageModus, 3, v.AbfrageModus);
    Waehlbar(w.ZeitLimit, 2, v.ZeitLimit);
    Waehlbar(w.ZuordnungRichtig, 2, v.ZuordnungRichtig);
    Waehlbar(w.ZuordnungFalsch, 2, v.ZuordnungFalsch);
    Waehlbar(w.Zuordnungstexte, 2, v.Zuordnungstexte);
    Waehlbar(w.Zuordnungsziele, 3, v.Zuordnungsziele);
    Waehlbar(w.FragenZuordnungFalsch, 2, v.FragenZuordnungFalsch);
    Waehlbar(w.FragenZuordnungstexte, 2, v.FragenZuordnungstexte);
    Waehlbar(w.FragenZeitlimit, 2, v.FragenZeitlimit);
    Waehlbar(w.FragenZuordnungsziele, 2, v.FragenZuordnungsziele);
    for (QString *limit : {&w.ZLimitMin, &w.ZLimitSek, &w.FragenZLimitMin, &w.FragenZLimitSek})
        limit->truncate(2);
    return w;
}
