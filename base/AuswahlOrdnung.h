// The order a selection sort leaves behind, computed in O(n log n).
#pragma once
#include <QtGlobal>

#include <vector>

// Some lists are ranked by a selection sort whose swaps decide where equal
// keys end up (the high-score order, the cover numbering); users know those
// orders, so they are kept exactly. The sort in question: for every place
// from the first on, the leftmost smallest key among that place and the
// later ones (a later entry wins only when strictly smaller) is swapped into
// the place.
//
// rang[i] is the key of element i as a rank: equal keys have equal ranks, a
// smaller key a smaller rank. A negative rank marks an element whose key
// compares neither smaller nor greater than any other (a NaN): the
// selection sort never moves it.
//
// Returns, for every place, the index of the element the selection sort
// puts there.
std::vector<qsizetype> AuswahlFolge(const std::vector<qint64> &rang);

// Dense ranks from indexes already sorted by the key: equal neighbours (not
// kleiner(prev, cur)) share a rank. For building rang above.
template <typename Kleiner>
std::vector<qint64> RaengeAusSortierung(const std::vector<qsizetype> &sortiert, qsizetype n, Kleiner kleiner)
{
    std::vector<qint64> rang(size_t(n), -1);
    qint64 r = 0;
    for (size_t k = 0; k < sortiert.size(); ++k) {
        if (k > 0 && kleiner(sortiert[k - 1], sortiert[k]))
            ++r;
        rang[size_t(sortiert[k])] = r;
    }
    return rang;
}
