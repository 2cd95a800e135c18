// The card box's rules: moving cards after answers, and composing a round.
#include "Leitner.h"

#include <gtest/gtest.h>

namespace {
const QDate heute(2026, 12, 7);

struct BewertungsFall
{
    const char *name;
    Karte vorher;
    bool gewusst;
    KartenQuelle quelle;
    bool geaendert;
    int box;
    int faelligInTagen; // relative to today
};

class Bewertung : public ::testing::TestWithParam<BewertungsFall>
{
};

TEST_P(Bewertung, MovesTheCardAsTheBoxesSay)
{
    const BewertungsFall &f = GetParam();
    Karte k = f.vorher;
    EXPECT_EQ(KarteBewerten(k, f.gewusst, heute, f.quelle), f.geaendert);
    EXPECT_EQ(k.Box, f.box);
    EXPECT_EQ(heute.daysTo(k.Faellig), f.faelligInTagen);
}

const Karte neu{};
const Karte box1Faellig{1, heute, {}};
const Karte box2Morgen{2, heute.addDays(1), {}};
const Karte box4Gestern{4, heute.addDays(-1), {}};
const Karte box5Faellig{5, heute, {}};

INSTANTIATE_TEST_SUITE_P(
    Leitner, Bewertung,
    ::testing::Values(
        BewertungsFall{"NewCardKnownGoesToBoxOne", neu, true, KartenQuelle::Lernkartei, true, 1, 1},
        BewertungsFall{"NewCardMissedIsDueToday", neu, false, KartenQuelle::Lernkartei, true, 1, 0},
        BewertungsFall{"BoxOneKnownWaitsTwoDays", box1Faellig, true, KartenQuelle::Lernkartei, true, 2, 2},
        BewertungsFall{"BoxFourKnownWaitsSixteenDays", box4Gestern, true, KartenQuelle::Lernkartei, true, 5, 16},
        BewertungsFall{"LastBoxKeepsTheCard", box5Faellig, true, KartenQuelle::Lernkartei, true, 5, 16},
        BewertungsFall{"MissSendsBackToBoxOne", box4Gestern, false, KartenQuelle::Lernkartei, true, 1, 0},
        BewertungsFall{"QuizMissMakesTheCardDue", box2Morgen, false, KartenQuelle::Quiz, true, 1, 0},
        BewertungsFall{"QuizRightOnDueCardMovesIt", box1Faellig, true, KartenQuelle::Quiz, true, 2, 2},
        BewertungsFall{"QuizRightBeforeDueChangesNothing", box2Morgen, true, KartenQuelle::Quiz, false, 2, 1},
        BewertungsFall{"QuizDoesNotStartNewCards", neu, true, KartenQuelle::Quiz, false, 0, 0},
        BewertungsFall{"MissOnADueBoxOneCardChangesNothing", box1Faellig, false, KartenQuelle::Quiz, false, 1, 0}),
    [](const ::testing::TestParamInfo<BewertungsFall> &i) { return std::string(i.param.name); });

struct RundenFall
{
    const char *name;
    QHash<QString, Karte> karten;
    int neueProTag;
    int neueHeute;
    int hoechstens;
    QStringList erwartet;
};

class Runde : public ::testing::TestWithParam<RundenFall>
{
};

TEST_P(Runde, DueCardsFirstThenTheNewOnesOfTheDay)
{
    const RundenFall &f = GetParam();
    const QStringList fragen{"A", "B", "C", "D", "E"};
    EXPECT_EQ(RundeZusammenstellen(fragen, f.karten, heute, f.neueProTag, f.neueHeute, f.hoechstens), f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Leitner, Runde,
    ::testing::Values(
        RundenFall{"AllNewLimitedByTheDailyRate", {}, 2, 0, 0, {"A", "B"}},
        RundenFall{"NewOnesBegunTodayCount", {}, 3, 2, 0, {"A"}}, RundenFall{"NoNewOnesLeftToday", {}, 3, 5, 0, {}},
        RundenFall{"DueBeforeNewLongestDueFirst",
                   {{"C", {2, heute.addDays(-3), {}}}, {"E", {1, heute, {}}}, {"A", {3, heute.addDays(-1), {}}}},
                   1,
                   0,
                   0,
                   {"C", "A", "E", "B"}},
        RundenFall{"NotYetDueCardsWait", {{"A", {3, heute.addDays(1), {}}}, {"B", {1, heute, {}}}}, 0, 0, 0, {"B"}},
        RundenFall{"SameDayLowerBoxFirst", {{"A", {4, heute, {}}}, {"B", {1, heute, {}}}}, 0, 0, 0, {"B", "A"}},
        RundenFall{"ChosenCountEndsTheRound", {{"D", {1, heute, {}}}}, 10, 0, 2, {"D", "A"}}),
    [](const ::testing::TestParamInfo<RundenFall> &i) { return std::string(i.param.name); });

} // namespace
