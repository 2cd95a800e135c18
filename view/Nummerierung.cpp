#include "Nummerierung.h"

#include "Zufall.h"

#include <QCollator>
#include <QLocale>

#include <functional>

bool IstAbdeckbar(const Dokument &dok, int index)
{
    if (index < 0 || index >= dok.Objekte.size())
        return false;
    const int typ = dok.Objekte[index].Typ;
    if (dok.DokTyp == DokTypen::Einzelfragen)
        return typ == ObjektTyp::Antwort;
    return typ == ObjektTyp::Beschriftung || typ == ObjektTyp::Luecke;
}

int AbdeckbareAnzahl(const Dokument &dok)
{
    int n = 0;
    for (int i = 0; i < dok.Objekte.size(); ++i)
        if (IstAbdeckbar(dok, i))
            ++n;
    return n;
}

namespace {
// Selection by smallest key: for every place the smallest key among that
// place and the later ones (a later entry wins only when strictly smaller)
// is swapped into it.
void Auswahlsortieren(FragenListe &folge, const std::function<bool(int, int)> &kleiner)
{
    for (int i = 0; i < folge.size(); ++i) {
        int best = i;
        for (int j = i + 1; j < folge.size(); ++j)
            if (kleiner(folge[j].ZielObjekt, folge[best].ZielObjekt))
                best = j;
        if (best != i)
            folge.swapItemsAt(i, best);
    }
}
} // namespace

FragenListe AbdeckerReihenfolge(const Dokument &dok, int modus, IZufall *zufall)
{
    FragenListe folge;
    for (int i = 0; i < dok.Objekte.size(); ++i)
        if (IstAbdeckbar(dok, i))
            folge.append({-1, i});

    const auto &obj = dok.Objekte;
    if (modus == 1) {
        if (dok.GeordnetArt != 0) {
            QCollator coll{QLocale()};
            coll.setCaseSensitivity(Qt::CaseInsensitive);
            Auswahlsortieren(folge, [&](int a, int b) { return coll.compare(obj[a].Cap, obj[b].Cap) < 0; });
        } else {
            Auswahlsortieren(folge, [&](int a, int b) {
                if (obj[a].Ky != obj[b].Ky)
                    return obj[a].Ky < obj[b].Ky;
                return obj[a].Kx < obj[b].Kx;
            });
        }
    } else if (modus == 2 && zufall) {
        // Every place swaps with any place of the whole list.
        const int n = int(folge.size());
        for (int i = 0; i < n; ++i)
            folge.swapItemsAt(i, zufall->Zahl(n));
    }
    return folge;
}

void NummernVergeben(Dokument &dok, const FragenListe &folge, int modus)
{
    for (int i = 0; i < folge.size(); ++i) {
        const int idx = folge[i].ZielObjekt;
        if (idx < 0 || idx >= dok.Objekte.size())
            continue;
        DokObjekt &o = dok.Objekte[idx];
        if (o.Typ == ObjektTyp::Beschriftung || o.Typ == ObjektTyp::Luecke)
            o.Nummer = (modus == 1 || modus == 2) ? i + 1 : 0;
        else if (o.Typ == ObjektTyp::Antwort)
            o.Nummer = 0;
    }
}

