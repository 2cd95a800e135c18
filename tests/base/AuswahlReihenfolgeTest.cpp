// Tests of the fast selection-sort order against the quadratic sort it replaces.
#include "AuswahlReihenfolge.h"

#include <gtest/gtest.h>

#include <QString>

#include <cmath>
#include <limits>
#include <random>

namespace {
// The quadratic selection sort with swaps whose order must be kept.
std::vector<qsizetype> Auswahlsortierung(std::vector<int> rang)
{
    std::vector<qsizetype> an(rang.size());
    std::iota(an.begin(), an.end(), qsizetype(0));
    for (size_t i = 0; i < rang.size(); ++i) {
        size_t klein = i;
        for (size_t j = i + 1; j < rang.size(); ++j)
            if (rang[j] < rang[klein])
                klein = j;
        std::swap(rang[i], rang[klein]);
        std::swap(an[i], an[klein]);
    }
    return an;
}
}

TEST(AuswahlReihenfolge, MatchesTheSelectionSortOnRandomListsWithTies)
{
    std::mt19937 gen(20261207);
    for (int runde = 0; runde < 3000; ++runde) {
        const int n = int(gen() % 40);
        const int werte = 1 + int(gen() % 8); // few values: many ties
        std::vector<int> rang(static_cast<size_t>(n));
        for (int &r : rang)
            r = int(gen() % unsigned(werte));
        // Dense ranks, as the callers pass them.
        std::vector<int> sortiert = rang;
        std::sort(sortiert.begin(), sortiert.end());
        sortiert.erase(std::unique(sortiert.begin(), sortiert.end()), sortiert.end());
        for (int &r : rang)
            r = int(std::lower_bound(sortiert.begin(), sortiert.end(), r) - sortiert.begin());
        ASSERT_EQ(AuswahlReihenfolgeNachRang(rang), Auswahlsortierung(rang)) << "round " << runde;
    }
}

TEST(AuswahlReihenfolge, TiesComeOutInTheSwapOrderNotStably)
{
    // b0 b1 a: the a swaps with b0, which lands behind b1.
    const std::vector<int> rang{1, 1, 0};
    EXPECT_EQ(AuswahlReihenfolgeNachRang(rang), (std::vector<qsizetype>{2, 1, 0}));
    const std::vector<QString> w{"b", "b", "a"};
    EXPECT_EQ(AuswahlReihenfolge(3, [&](qsizetype x, qsizetype y) { return w[size_t(x)] < w[size_t(y)]; }),
              (std::vector<qsizetype>{2, 1, 0}));
    EXPECT_TRUE(AuswahlReihenfolge(0, [](qsizetype, qsizetype) { return false; }).empty());
}

TEST(AuswahlReihenfolge, EntriesThatNeverCompareStayInPlace)
{
    // NaN keys: neither smaller nor greater than anything. The plain
    // selection sort with such a comparison is the reference.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::mt19937 gen(18);
    for (int runde = 0; runde < 3000; ++runde) {
        const int n = int(gen() % 40);
        std::vector<double> w(static_cast<size_t>(n));
        for (double &x : w)
            x = gen() % 5 == 0 ? nan : double(gen() % (1 + runde % 6));
        std::vector<qsizetype> erwartet(w.size());
        std::iota(erwartet.begin(), erwartet.end(), qsizetype(0));
        for (size_t i = 0; i < erwartet.size(); ++i) {
            size_t klein = i;
            for (size_t j = i + 1; j < erwartet.size(); ++j)
                if (w[size_t(erwartet[j])] < w[size_t(erwartet[klein])])
                    klein = j;
            std::swap(erwartet[i], erwartet[klein]);
        }
        const auto ordnung = AuswahlReihenfolge(
            n, [&](qsizetype a, qsizetype b) { return w[size_t(a)] < w[size_t(b)]; },
            [&](qsizetype i) { return std::isnan(w[size_t(i)]); });
        ASSERT_EQ(ordnung, erwartet) << "round " << runde;
    }
    const std::vector<double> v{2, nan, 0, 1};
    EXPECT_EQ(AuswahlReihenfolge(
                  4, [&](qsizetype a, qsizetype b) { return v[size_t(a)] < v[size_t(b)]; },
                  [&](qsizetype i) { return std::isnan(v[size_t(i)]); }),
              (std::vector<qsizetype>{2, 1, 3, 0}));
}
