// The open targets of a running quiz: their order, the one under a point, the arrow keys' walk, the number keys.
#include "ZielAuswahl.h"

#include <algorithm>

ZielAuswahl::ZielAuswahl(const QList<DokObjekt> &objekte, const UebOptionen &opt, const UebLauf &lauf)
    : objekte(objekte), opt(opt), lauf(lauf)
{
}

bool ZielAuswahl::IstOffen(int objekt) const
{
    if (objekt < 0 || objekt >= objekte.size())
        return false;
    const DokObjekt &o = objekte[objekt];
    if ((o.Typ != ObjektTyp::Beschriftung && o.Typ != ObjektTyp::Luecke) || o.Nummer < 0
        || o.Abdeckung != AbdeckungsArt::OffeneFrage)
        return false;
    if (opt.AbfrageModus == 2
        && (lauf.Position < 0 || lauf.Position >= lauf.FragenFolge.size()
            || objekt != lauf.FragenFolge[lauf.Position].ZielObjekt))
        return false;
    return true;
}

QList<int> ZielAuswahl::OffeneZiele() const
{
    QList<int> l;
    for (int i = 0; i < objekte.size(); ++i)
        if (IstOffen(i))
            l << i;
    std::stable_sort(l.begin(), l.end(), [this](int a, int b) { return objekte[a].Nummer < objekte[b].Nummer; });
    return l;
}

int ZielAuswahl::ZielBei(QPointF f) const
{
    for (int i : OffeneZiele()) {
        const Rechteck &r = objekte[i].Rahmen;
        if (r.Left <= f.x() && f.x() < r.Right && r.Top <= f.y() && f.y() < r.Bottom)
            return i;
    }
    return -1;
}

int ZielAuswahl::NaechstesZiel(int aktuell, int richtung) const
{
    const QList<int> ziele = OffeneZiele();
    if (ziele.isEmpty())
        return -1;
    const int n = int(ziele.size());
    const int k = int(ziele.indexOf(aktuell));
    if (k < 0)
        return richtung > 0 ? ziele.first() : ziele.last();
    return ziele[(k + (richtung > 0 ? 1 : -1) + n) % n];
}

int FeldAufPlatz(QList<std::pair<int, QPoint>> felder, int platz)
{
    std::stable_sort(felder.begin(), felder.end(), [](const auto &a, const auto &b) {
        return a.second.y() < b.second.y() || (a.second.y() == b.second.y() && a.second.x() < b.second.x());
    });
    if (platz < 0 || platz >= felder.size())
        return -1;
    return felder[platz].first;
}
