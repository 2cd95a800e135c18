#include "AuswahlOrdnung.h"

#include <algorithm>
#include <random>

#include <gtest/gtest.h>

namespace {
// The selection sort itself, on ranks; a negative rank compares with nothing.
std::vector<qsizetype> Auswahlsortierung(const std::vector<qint64> &rang)
{
    std::vector<qsizetype> folge(rang.size());
    for (size_t i = 0; i < folge.size(); ++i)
        folge[i] = qsizetype(i);
    auto kleiner = [&](qsizetype a, qsizetype b) { return rang[a] >= 0 && rang[b] >= 0 && rang[a] < rang[b]; };
    for (size_t i = 0; i < folge.size(); ++i) {
        size_t k = i;
        for (size_t j = i + 1; j < folge.size(); ++j)
            if (kleiner(folge[j], folge[k]))
                k = j;
        std::swap(folge[i], folge[k]);
    }
    return folge;
}
} // namespace

TEST(AuswahlOrdnung, GleichtDerAuswahlsortierungAuchBeiGleichstaendenUndUnvergleichbaren)
{
    std::mt19937 zufall(18);
    for (int durchlauf = 0; durchlauf < 3000; ++durchlauf) {
        const int n = int(zufall() % 40);
        const int stufen = 1 + int(zufall() % 6); // few distinct keys: many ties
        const bool mitNaN = durchlauf % 3 == 0;
        std::vector<qint64> rang(static_cast<size_t>(n));
        for (auto &r : rang)
            r = (mitNaN && zufall() % 5 == 0) ? -1 : qint64(zufall() % stufen);
        // Ranks must be dense for the fast order, as RaengeAusSortierung makes them.
        std::vector<qint64> werte;
        for (qint64 r : rang)
            if (r >= 0)
                werte.push_back(r);
        std::sort(werte.begin(), werte.end());
        werte.erase(std::unique(werte.begin(), werte.end()), werte.end());
        for (auto &r : rang)
            if (r >= 0)
                r = std::lower_bound(werte.begin(), werte.end(), r) - werte.begin();
        ASSERT_EQ(AuswahlFolge(rang), Auswahlsortierung(rang)) << "Durchlauf " << durchlauf;
    }
}

TEST(AuswahlOrdnung, TauschEntscheidetUeberGleichstaende)
{
    // Keys 1,1,0: the first 1 is swapped behind the second, so equal keys
    // do not keep their order (a stable sort would give 2,0,1).
    EXPECT_EQ(AuswahlFolge({1, 1, 0}), (std::vector<qsizetype>{2, 1, 0}));
    // An incomparable element stays where it is.
    EXPECT_EQ(AuswahlFolge({2, -1, 0, 1}), (std::vector<qsizetype>{2, 1, 3, 0}));
    EXPECT_TRUE(AuswahlFolge({}).empty());
}

TEST(AuswahlOrdnung, RaengeAusSortierungFasstGleicheZusammen)
{
    const std::vector<int> schluessel{5, 3, 5, 9};
    std::vector<qsizetype> sortiert{1, 0, 2, 3};
    const auto rang = RaengeAusSortierung(sortiert, 5, [&](qsizetype a, qsizetype b) {
        return schluessel[size_t(a)] < schluessel[size_t(b)];
    });
    EXPECT_EQ(rang, (std::vector<qint64>{1, 0, 1, 2, -1}));
}
