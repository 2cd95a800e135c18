// The order a selection sort with swaps produces, computed in O(n log n).
#pragma once
#include <QtGlobal>

#include <algorithm>
#include <numeric>
#include <vector>

// Several lists of the program are ordered by a selection sort that moves
// the leftmost strictly smallest remaining entry to the front by a swap.
// Files, menus and other computers rely on that exact order, ties
// included (the swaps make it unstable), so it must be kept; but its n^2
// comparisons freeze the window on large lists.
//
// rang[i] is entry i's key as a dense rank (equal keys, equal rank).
// Returns the original indices in the order the selection sort leaves them.
std::vector<qsizetype> AuswahlReihenfolgeNachRang(const std::vector<int> &rang);

// The same for a strict weak ordering `kleiner` over entries 0..n-1.
template <class Kleiner>
std::vector<qsizetype> AuswahlReihenfolge(qsizetype n, Kleiner kleiner)
{
    std::vector<qsizetype> ordnung(static_cast<size_t>(n));
    std::iota(ordnung.begin(), ordnung.end(), qsizetype(0));
    std::stable_sort(ordnung.begin(), ordnung.end(), kleiner);
    std::vector<int> rang(static_cast<size_t>(n));
    int r = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && kleiner(ordnung[size_t(i - 1)], ordnung[size_t(i)]))
            ++r;
        rang[size_t(ordnung[size_t(i)])] = r;
    }
    return AuswahlReihenfolgeNachRang(rang);
}

// The same when some entries (fest) compare neither smaller nor greater
// than any other, as a NaN key does: the selection sort never moves them,
// and the others are ordered among the remaining places as if those were
// the whole list.
template <class Kleiner, class Fest>
std::vector<qsizetype> AuswahlReihenfolge(qsizetype n, Kleiner kleiner, Fest fest)
{
    std::vector<qsizetype> plaetze;
    plaetze.reserve(static_cast<size_t>(n));
    for (qsizetype i = 0; i < n; ++i)
        if (!fest(i))
            plaetze.push_back(i);
    const std::vector<qsizetype> teil = AuswahlReihenfolge(qsizetype(plaetze.size()), [&](qsizetype a, qsizetype b) {
        return kleiner(plaetze[size_t(a)], plaetze[size_t(b)]);
    });
    std::vector<qsizetype> ordnung(static_cast<size_t>(n));
    std::iota(ordnung.begin(), ordnung.end(), qsizetype(0));
    for (size_t k = 0; k < plaetze.size(); ++k)
        ordnung[size_t(plaetze[k])] = plaetze[size_t(teil[k])];
    return ordnung;
}
