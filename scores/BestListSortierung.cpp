#include "BestListSortierung.h"

#include <utility>

void BestListSortieren(TBestList &liste)
{
    const qsizetype n = liste.size();
    for (qsizetype i = 0; i < n; ++i) {
        qsizetype kandidat = i;
        for (qsizetype j = i + 1; j < n; ++j) {
            const auto &a = liste[j];
            const auto &k = liste[kandidat];
            if (a.Leistung > k.Leistung || (a.Leistung == k.Leistung && a.Dauer < k.Dauer))
                kandidat = j;
        }
        if (kandidat != i)
            std::swap(liste[i], liste[kandidat]);
    }
}
