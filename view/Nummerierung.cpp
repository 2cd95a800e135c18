// Cover numbering: the coverable objects, their order and their numbers.
#include "Nummerierung.h"

#include "AuswahlReihenfolge.h"
#include "Zufall.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

bool IstAbdeckbar(const Dokument &dok, int index)
{
    if (index < 0 || index >= dok.Objekte.size())
        return false;
    const int typ = dok.Objekte[index].Typ;
    if (dok.DokTyp == DokArt::Einzelfragen)
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
// Orders the list as a selection sort by smallest key does (a later entry
// wins only when strictly smaller, then it is swapped into the place), in
// O(n log n): a document can hold any number of covers. kleiner compares
// object indexes; entries with fest set never compare and keep their place.
template <typename Kleiner, typename Fest>
void Auswahlsortieren(FragenListe &folge, Kleiner kleiner, Fest fest)
{
    const std::vector<qsizetype> ordnung = AuswahlReihenfolge(
        folge.size(), [&](qsizetype a, qsizetype b) { return kleiner(folge[a].ZielObjekt, folge[b].ZielObjekt); },
        [&](qsizetype i) { return fest(folge[i].ZielObjekt); });
    FragenListe neu;
    neu.reserve(folge.size());
    for (qsizetype i : ordnung)
        neu.append(folge[i]);
    folge = std::move(neu);
}
} // namespace

FragenListe AbdeckerReihenfolge(const Dokument &dok, NummerierArt modus, IZufall *zufall)
{
    FragenListe folge;
    for (int i = 0; i < dok.Objekte.size(); ++i)
        if (IstAbdeckbar(dok, i))
            folge.append({-1, i});

    const auto &obj = dok.Objekte;
    if (modus == NummerierArt::Geordnet) {
        if (dok.GeordnetArt != 0) {
            QCollator coll{QLocale()};
            coll.setCaseSensitivity(Qt::CaseInsensitive);
            // The collator's own comparison: its sort keys do not ignore
            // case in every locale (not in "C"), so they could order ties
            // differently.
            Auswahlsortieren(
                folge, [&](int a, int b) { return coll.compare(obj[a].Cap, obj[b].Cap) < 0; },
                [](int) { return false; });
        } else {
            // Top to bottom, then left to right. A NaN Ky compares with
            // nothing, so such a cover keeps its place; a NaN Kx counts as
            // right of every other cover of its row (damaged files only).
            auto kx = [&](int i) {
                return std::isnan(obj[i].Kx) ? std::numeric_limits<double>::infinity() : obj[i].Kx;
            };
            Auswahlsortieren(
                folge,
                [&](int a, int b) {
                    if (obj[a].Ky != obj[b].Ky)
                        return obj[a].Ky < obj[b].Ky;
                    return kx(a) < kx(b);
                },
                [&](int i) { return std::isnan(obj[i].Ky); });
        }
    } else if (modus == NummerierArt::Zufaellig && zufall) {
        // Every place swaps with any place of the whole list.
        const int n = int(folge.size());
        for (int i = 0; i < n; ++i)
            folge.swapItemsAt(i, zufall->Zahl(n));
    }
    return folge;
}

void NummernVergeben(Dokument &dok, const FragenListe &folge, NummerierArt modus)
{
    for (int i = 0; i < folge.size(); ++i) {
        const int idx = folge[i].ZielObjekt;
        if (idx < 0 || idx >= dok.Objekte.size())
            continue;
        DokObjekt &o = dok.Objekte[idx];
        if (o.Typ == ObjektTyp::Beschriftung || o.Typ == ObjektTyp::Luecke)
            o.Nummer = (modus == NummerierArt::Geordnet || modus == NummerierArt::Zufaellig) ? i + 1 : 0;
        else if (o.Typ == ObjektTyp::Antwort)
            o.Nummer = 0;
    }
}
