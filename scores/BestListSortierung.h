#pragma once
#include "BestListEintrag.h"

// Orders the list best first: higher Leistung first, for equal Leistung the
// shorter Dauer first. A selection sort whose swaps decide the order of full
// ties, kept so that lists rank exactly as they always did.
void BestListSortieren(TBestList &liste);
