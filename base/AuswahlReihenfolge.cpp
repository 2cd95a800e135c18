// Replays a selection sort with swaps in O(n log n).
#include "AuswahlReihenfolge.h"

#include <set>

std::vector<qsizetype> AuswahlReihenfolgeNachRang(const std::vector<int> &rang)
{
    const size_t n = rang.size();
    std::vector<qsizetype> an(n); // entry at each position
    std::iota(an.begin(), an.end(), qsizetype(0));
    const int raenge = n ? *std::max_element(rang.begin(), rang.end()) + 1 : 0;
    // The positions each rank's entries hold right now. A swap only ever
    // moves the displaced entry, which has a larger rank, to the chosen
    // one's position; entries of the current smallest rank never move
    // before they are chosen, so they leave in position order.
    std::vector<std::set<qsizetype>> stellen(static_cast<size_t>(raenge));
    for (size_t i = 0; i < n; ++i)
        stellen[size_t(rang[i])].insert(qsizetype(i));
    size_t r = 0;
    for (size_t i = 0; i < n; ++i) {
        while (stellen[r].empty())
            ++r;
        const qsizetype p = *stellen[r].begin();
        stellen[r].erase(stellen[r].begin());
        if (p != qsizetype(i)) {
            const qsizetype gewaehlt = an[size_t(p)];
            const qsizetype verdraengt = an[i];
            auto &s = stellen[size_t(rang[size_t(verdraengt)])];
            s.erase(qsizetype(i));
            s.insert(p);
            an[size_t(p)] = verdraengt;
            an[i] = gewaehlt;
        }
    }
    return an;
}
