// The best-first order of a high-score list.
#pragma once
#include "BestListEintrag.h"

// Orders the list best first: higher Leistung first, for equal Leistung the
// shorter Dauer first. Full ties end up exactly where the selection sort of
// the list's first editions left them (its swaps decide), so lists rank as
// they always did; computed in O(n log n), since a shared list can hold any
// number of entries.
void BestListSortieren(TBestList &liste);
