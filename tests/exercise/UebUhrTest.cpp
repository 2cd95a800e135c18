// Tests of the run's clock, time limit and status figures.
#include "UebTestUmgebung.h"

#include <gtest/gtest.h>

static void Ticken(UebTest &t, int ms)
{
    t.umg.uhr.Vorstellen(ms);
    if (t.ui.timer)
        t.ueb.ZeitTimerTimer();
}

TEST(Zeitlimit, ZeroEndsAtTheFirstTickWithItsMessage)
{
    UebTest t;
    t.dok.Dok = BildDok({"Nord", "Süd"});
    t.ui.werte.ZeitLimit = 1;
    t.ui.werte.ZLimitMin = "0";
    t.ui.werte.ZLimitSek = "0";
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    EXPECT_TRUE(t.ui.timer);
    Ticken(t, 100);
    EXPECT_EQ(t.ueb.Lauf.Endestatus, EndeArt::Zeitlimit);
    EXPECT_EQ(t.umg.meldungen.Texte(), QStringList{"Das Zeitlimit ist erreicht, die Übung wird beendet."});
    EXPECT_EQ(t.ui.ergebnisse, 1);
    EXPECT_FALSE(t.ui.timer);
    EXPECT_TRUE(t.ueb.Lauf.ProtokollAblauf.endsWith("00:00 - Das Zeitlimit ist erreicht, die Übung wird beendet.\r\n"));
    EXPECT_EQ(t.ui.status.UebZeitModeLab, "Verbleibende Zeit:");
}

TEST(Zeitlimit, ThreeMinutesCountDownAndEndAfter179Seconds)
{
    UebTest t;
    t.dok.Dok = BildDok({"Nord", "Süd"});
    t.ui.werte.ZeitLimit = 1; // "3" and "0" by default
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    EXPECT_EQ(t.ui.status.UebZeitLab, "03:00");
    Ticken(t, 100);
    EXPECT_EQ(t.ui.status.UebZeitLab, "02:59");
    for (int i = 0; i < 1789; ++i)
        Ticken(t, 100);
    // 179.0 s elapsed: one second is left.
    EXPECT_EQ(t.ueb.Lauf.Endestatus, EndeArt::Laeuft);
    EXPECT_EQ(t.ui.status.UebZeitLab, "00:01");
    Ticken(t, 100);
    EXPECT_EQ(t.ueb.Lauf.Endestatus, EndeArt::Zeitlimit);
    EXPECT_EQ(t.ui.status.UebZeitLab, "00:00");
    EXPECT_EQ(t.ueb.Lauf.Laufzeit, 179100);
    // Every second shown once, counting down.
    EXPECT_EQ(t.ui.zeitTexte.size(), 181);
    EXPECT_EQ(t.ui.zeitTexte.value(1), "02:59");
}

TEST(Uhr, WithoutLimitCountsUpAndTimerStopsOutsideQuiz)
{
    UebTest t;
    t.dok.Dok = BildDok({"Nord"});
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    EXPECT_EQ(t.ui.status.UebZeitLab, "00:00");
    EXPECT_EQ(t.ui.status.UebZeitModeLab, "Benötigte Zeit:");
    Ticken(t, 187000);
    EXPECT_EQ(t.ui.status.UebZeitLab, "03:07");
    EXPECT_TRUE(t.ui.timer);
    t.ui.modus = 2;
    t.ueb.ZeitTimerTimer();
    EXPECT_FALSE(t.ui.timer);
}

TEST(Status, QuoteAndOverallPerformanceWithOneDecimal)
{
    UebTest t;
    t.dok.Dok = BildDok({"A1", "A2", "A3", "A4", "A5"});
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    EXPECT_EQ(t.ui.status.QuoteLab, "0.0 %");
    EXPECT_EQ(t.ui.status.GesAnzLab, "von  5");
    EXPECT_EQ(t.ui.status.TNameLab, "-");
    t.Ziehen("A1", t.ObjektMit("A1"));
    t.Ziehen("A2", t.ObjektMit("A2"));
    t.Ziehen("A4", t.ObjektMit("A3"));
    EXPECT_EQ(t.ueb.Lauf.AnzOffen, 3);
    EXPECT_EQ(t.ui.status.QuoteLab, "66.7 %");
    EXPECT_EQ(t.ui.status.GesamtleistungLab, "33.3 %");
    EXPECT_EQ(t.ui.status.RichtigLab, "2");
    EXPECT_EQ(t.ui.status.OffenLab, "3");
}

TEST(Zeitlimit, TickDuringTheFeedbackWaitsForTheAnswer)
{
    // The feedback waits let the clock run; a tick that comes meanwhile
    // must not end the run under the judging's feet.
    UebTest t;
    t.dok.Dok = EinzelfragenDok({"1 // Aa", "2 // Bb"});
    t.ui.werte.FragenZeitlimit = 1;
    t.ui.werte.FragenZLimitMin = "0";
    t.ui.werte.FragenZLimitSek = "1";
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    struct TickUhr : TestUhr
    {
        Uebung *u = nullptr;
        void Warten(int ms) override
        {
            TestUhr::Warten(ms);
            u->ZeitTimerTimer(); // the timer fires inside the wait
        }
    };
    TickUhr uhr;
    uhr.jetztMs = t.umg.uhr.jetztMs;
    uhr.u = &t.ueb;
    t.umg.dienste.uhr = &uhr;
    t.Antworten(t.AktuelleAntwort()); // 1 s of feedback: the limit passes
    EXPECT_EQ(t.ueb.Lauf.AnzRichtig, 1);
    EXPECT_EQ(t.ueb.Lauf.Endestatus, EndeArt::Laeuft);
    EXPECT_TRUE(t.ui.timer);
    t.ueb.ZeitTimerTimer();
    EXPECT_EQ(t.ueb.Lauf.Endestatus, EndeArt::Zeitlimit);
    EXPECT_EQ(t.ui.ergebnisse, 1);
}

TEST(Zeitlimit, DeferredFeedbackGradeComesFromTheCountsAtTheEnd)
{
    // Deferred feedback hides the figures while questions are open; a run
    // ended by the time limit with 9 of 10 answered right is still grade 1.
    UebTest t;
    QStringList texte;
    for (int i = 0; i < 10; ++i)
        texte << QString("T%1").arg(i);
    t.dok.Dok = BildDok(texte);
    t.ui.werte.ZeitLimit = 1;
    t.ui.werte.ZLimitMin = "1";
    t.ui.werte.ZLimitSek = "0";
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    t.ueb.Opt.RiFaRueckmeldung = 1; // as received with a network exercise
    t.ueb.StatusAnzeigen();
    EXPECT_EQ(t.ui.status.OffenLab, "10");
    for (int i = 0; i < 9; ++i)
        t.Ziehen(texte[i], t.ObjektMit(texte[i]));
    EXPECT_EQ(t.ui.status.GesamtleistungLab, "?");
    EXPECT_EQ(t.ui.status.OffenLab, "10"); // keeps its last value
    Ticken(t, 60000);
    ASSERT_EQ(t.ueb.Lauf.Endestatus, EndeArt::Zeitlimit);
    EXPECT_DOUBLE_EQ(t.ueb.Lauf.Gesamtleistung, 0.9);
    EXPECT_EQ(t.ueb.Lauf.Schulnote, 1);
    EXPECT_TRUE(t.ueb.ProtokollText().contains("Schulnote:\t1")) << t.ueb.ProtokollText().toStdString();
    EXPECT_EQ(t.ueb.Ergebnis().Gesamtleistung, 0.9);
    // The labels stay hidden as the status panel had them.
    EXPECT_EQ(t.ui.status.GesamtleistungLab, "?");
}

TEST(Zeitlimit, DeferredFeedbackFromTheStartShowsTheOpenCount)
{
    // Options received with a network exercise before the start: the open
    // count is shown from the start and then kept.
    UebTest t;
    t.dok.Dok = BildDok({"Nord", "Süd", "Ost"});
    t.ueb.Opt.RiFaRueckmeldung = 1;
    t.ueb.Lauf.NetzRolle = Rolle::Teilnehmer;
    ASSERT_TRUE(t.ueb.UebungStarten({.rolle = Rolle::Teilnehmer}));
    EXPECT_EQ(t.ui.status.RichtigLab, "?");
    EXPECT_EQ(t.ui.status.OffenLab, "3");
    t.Ziehen("Nord", t.ObjektMit("Nord"));
    EXPECT_EQ(t.ui.status.OffenLab, "3");
}
