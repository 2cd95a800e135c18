#include "BestListSortierung.h"

#include "AuswahlOrdnung.h"

#include <algorithm>
#include <cmath>

void BestListSortieren(TBestList &liste)
{
    const qsizetype n = liste.size();
    if (n < 2)
        return;
    // "a ranks before b": higher Leistung, or equal Leistung and shorter
    // Dauer. A NaN Leistung ranks neither before nor after anything.
    auto vor = [&](qsizetype a, qsizetype b) {
        const auto &x = liste[a];
        const auto &y = liste[b];
        return x.Leistung > y.Leistung || (x.Leistung == y.Leistung && x.Dauer < y.Dauer);
    };
    std::vector<qsizetype> sortiert;
    sortiert.reserve(size_t(n));
    for (qsizetype i = 0; i < n; ++i)
        if (!std::isnan(liste[i].Leistung))
            sortiert.push_back(i);
    std::sort(sortiert.begin(), sortiert.end(), vor);
    const std::vector<qsizetype> folge = AuswahlFolge(RaengeAusSortierung(sortiert, n, vor));

    TBestList neu;
    neu.reserve(n);
    for (qsizetype i : folge)
        neu.append(std::move(liste[i]));
    liste = std::move(neu);
}
