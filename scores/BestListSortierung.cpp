// Ordering a high-score list best first, ties as they always ranked.
#include "BestListSortierung.h"

#include "AuswahlReihenfolge.h"

#include <cmath>

void BestListSortieren(TBestList &liste)
{
    const qsizetype n = liste.size();
    if (n < 2)
        return;
    // "a ranks before b": higher Leistung, or equal Leistung and shorter
    // Dauer. A NaN Leistung (a damaged file) ranks neither before nor after
    // anything, so the selection sort leaves it in place.
    const std::vector<qsizetype> folge = AuswahlReihenfolge(
        n,
        [&](qsizetype a, qsizetype b) {
            const auto &x = liste[a];
            const auto &y = liste[b];
            return x.Leistung > y.Leistung || (x.Leistung == y.Leistung && x.Dauer < y.Dauer);
        },
        [&](qsizetype i) { return std::isnan(liste[i].Leistung); });

    TBestList neu;
    neu.reserve(n);
    for (qsizetype i : folge)
        neu.append(std::move(liste[i]));
    liste = std::move(neu);
}
