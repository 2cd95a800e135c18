#include "AuswahlOrdnung.h"

#include <functional>
#include <queue>

std::vector<qsizetype> AuswahlFolge(const std::vector<qint64> &rang)
{
    const size_t n = rang.size();
    std::vector<qsizetype> folge(n);
    for (size_t i = 0; i < n; ++i)
        folge[i] = qsizetype(i);

    // Elements that never move are left out; the others are sorted among
    // the remaining places as if those were the whole list.
    std::vector<size_t> plaetze;
    plaetze.reserve(n);
    qint64 hoechster = -1;
    for (size_t i = 0; i < n; ++i)
        if (rang[i] >= 0) {
            plaetze.push_back(i);
            hoechster = qMax(hoechster, rang[i]);
        }
    const size_t m = plaetze.size();
    if (m < 2)
        return folge;

    // For every rank the places that still hold an element of that rank.
    using Haufen = std::priority_queue<size_t, std::vector<size_t>, std::greater<size_t>>;
    std::vector<Haufen> orte(size_t(hoechster + 1));
    std::vector<size_t> anzahl(size_t(hoechster + 1), 0);
    std::vector<size_t> element(m); // element[k]: original index at place k
    for (size_t k = 0; k < m; ++k) {
        element[k] = plaetze[k];
        const auto r = size_t(rang[plaetze[k]]);
        orte[r].push(k);
        ++anzahl[r];
    }

    // Place i receives the i-th smallest rank, from the leftmost place that
    // holds it; the element that stood at i moves there. Places before i
    // are done, so i is the leftmost place of its own rank.
    size_t r = 0;
    for (size_t i = 0; i < m; ++i) {
        while (anzahl[r] == 0)
            ++r;
        --anzahl[r];
        const size_t p = orte[r].top();
        orte[r].pop();
        if (p == i)
            continue;
        const auto h = size_t(rang[element[i]]);
        orte[h].pop(); // that is place i
        orte[h].push(p);
        std::swap(element[i], element[p]);
    }
    for (size_t k = 0; k < m; ++k)
        folge[plaetze[k]] = qsizetype(element[k]);
    return folge;
}
