// Rounds of the card box over several days, and the answers offered.
#include "KartenRunde.h"
#include "LernstandTestHilfe.h"

#include <gtest/gtest.h>

namespace {
// One day of learning: the cards the round must hold in order, the ones
// answered wrong (once each), and the boxes afterwards.
struct Lerntag
{
    int tag; // days after the first
    QStringList runde;
    QStringList falsch;
    QMap<QString, int> boxen;
};

TEST(KartenRunde, ThreeDaysOfCardsFollowTheBoxes)
{
    TestOrdner o;
    OffenerStand s(o.Pfad());
    TestUmgebung u;
    const Dokument dok = EinzelfragenDok({"<@img=a.png>A? // Aa", "B? // Bb", "C? // Cc", "D? // Dd"}, "Flaggen");
    const QDateTime erster = u.uhr.Jetzt();
    const std::vector<Lerntag> tage = {
        // Three new cards a day: D waits for the second day.
        {0, {"Aa", "Bb", "Cc"}, {"Bb"}, {{"Aa", 1}, {"Bb", 1}, {"Cc", 1}}},
        // Due first (A, B and C from box 1), then the one new card left.
        {1, {"Aa", "Bb", "Cc", "Dd"}, {"Aa"}, {{"Aa", 1}, {"Bb", 2}, {"Cc", 2}, {"Dd", 1}}},
        // Only A and D are due; no new card is left.
        {2, {"Aa", "Dd"}, {}, {{"Aa", 2}, {"Bb", 2}, {"Cc", 2}, {"Dd", 2}}},
    };
    for (const Lerntag &t : tage) {
        SCOPED_TRACE(t.tag);
        u.uhr.basis = erster.addDays(t.tag);
        u.uhr.jetztMs = 1000000;
        KartenRunde r(s.stand, u.uhr, u.zufall);
        ASSERT_TRUE(r.Beginnen(dok, "Kim", 3, 0));
        QStringList gezeigt;
        QStringList nochFalsch = t.falsch;
        while (!r.Fertig() && gezeigt.size() < 20) {
            const QString karte = r.Aktuell().Schluessel;
            gezeigt << karte;
            EXPECT_EQ(r.Bewerten(!nochFalsch.removeOne(karte)), !t.falsch.contains(karte) || gezeigt.count(karte) > 1);
            r.Weiter();
        }
        // Each wrong card comes back once more at the end.
        EXPECT_EQ(gezeigt, t.runde + t.falsch);
        const auto karten = s.stand.Karten("Kim", "flaggen");
        for (auto it = t.boxen.cbegin(); it != t.boxen.cend(); ++it)
            EXPECT_EQ(karten.value(it.key()).Box, it.value()) << it.key().toStdString();
    }
    // Every answer of the card box is kept with its image.
    EXPECT_EQ(Zahl(o.Pfad(), "SELECT count(*) FROM antwort WHERE frage='Aa' AND bild='a.png'"), 4);
}

struct AuswahlFall
{
    const char *richtig;
    const char *nie;
    int angeboten;
};

class Auswahl : public ::testing::TestWithParam<AuswahlFall>
{
};

TEST_P(Auswahl, SixDifferentAnswersWithoutLookAlikes)
{
    const AuswahlFall &f = GetParam();
    TestOrdner o;
    OffenerStand s(o.Pfad());
    TestUmgebung u;
    const QStringList laender = {"Luxemburg",  "Niederlande", "Belgien", "Monaco",
                                 "Indonesien", "Polen",       "Malta",   "Irland"};
    QStringList zeilen;
    for (const QString &l : laender)
        if (l == f.richtig || laender.indexOf(l) < f.angeboten + 1 || l == f.nie)
            zeilen << "Land? // " + l;
    const Dokument dok = EinzelfragenDok(zeilen, "Flaggen");
    for (quint32 saat = 1; saat <= 40; ++saat) {
        u.zufall.Saeen(saat);
        KartenRunde r(s.stand, u.uhr, u.zufall);
        ASSERT_TRUE(r.Beginnen(dok, QString("Kim%1").arg(saat), 100, 0));
        while (!r.Fertig() && r.Aktuell().Schluessel != f.richtig) {
            r.Bewerten(true);
            r.Weiter();
        }
        ASSERT_FALSE(r.Fertig());
        const QStringList a = r.Auswahl();
        EXPECT_EQ(a.size(), std::min<int>(KartenRunde::Auswahlgroesse, zeilen.size() - (f.nie[0] ? 1 : 0)));
        EXPECT_TRUE(a.contains(f.richtig));
        EXPECT_FALSE(f.nie[0] && a.contains(f.nie));
        EXPECT_EQ(QSet<QString>(a.begin(), a.end()).size(), a.size());
        EXPECT_FALSE(r.Waehlen(KartenRunde::Auswahlgroesse)); // no such place
    }
}

INSTANTIATE_TEST_SUITE_P(KartenRunde, Auswahl,
                         ::testing::Values(AuswahlFall{"Luxemburg", "Niederlande", 7},
                                           AuswahlFall{"Niederlande", "Luxemburg", 7},
                                           AuswahlFall{"Monaco", "Indonesien", 7}, AuswahlFall{"Polen", "", 2},
                                           AuswahlFall{"Indonesien", "", 7}));
} // namespace
