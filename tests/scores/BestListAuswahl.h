// The list order as the first editions computed it: the reference the fast order is checked against.
#pragma once
#include "BestListEintrag.h"

#include <utility>

// A selection sort with swaps: higher performance first, for equal
// performance the shorter time. Quadratic, so only for short lists.
inline void BestListAuswahlsortieren(TBestList &liste)
{
    for (qsizetype i = 0; i < liste.size(); ++i) {
        qsizetype k = i;
        for (qsizetype j = i + 1; j < liste.size(); ++j)
            if (liste[j].Leistung > liste[k].Leistung
                || (liste[j].Leistung == liste[k].Leistung && liste[j].Dauer < liste[k].Dauer))
                k = j;
        if (k != i)
            std::swap(liste[i], liste[k]);
    }
}
