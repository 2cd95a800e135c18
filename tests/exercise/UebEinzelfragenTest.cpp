// Tests of single-question runs: repetition, feedback, distractors, protocol.
#include "UebTestUmgebung.h"

#include <gtest/gtest.h>

// Ordered questions A, B, C with answers "Aa", "Bb", "Cc".
static void StarteABC(UebTest &t, int zuordnungFalsch = 0)
{
    t.dok.Dok = EinzelfragenDok({"Frage A // Aa", "Frage B // Bb", "Frage C // Cc"});
    t.ui.werte.FragenZuordnungsziele = 0;
    t.ui.werte.FragenZuordnungFalsch = zuordnungFalsch;
    ASSERT_TRUE(t.ueb.UebungStarten({}));
}

static QString FalscheAntwort(const UebTest &t)
{
    for (const QString &c : t.Sichtbare())
        if (c != t.AktuelleAntwort())
            return c;
    return {};
}

TEST(Einzelfragen, WrongQuestionComesBackAfterTheOthers)
{
    UebTest t;
    StarteABC(t);
    QStringList reihenfolge;
    reihenfolge << t.AktuelleAntwort();
    t.Antworten(FalscheAntwort(t));
    while (t.ui.ergebnisse == 0) {
        reihenfolge << t.AktuelleAntwort();
        t.Antworten(t.AktuelleAntwort());
    }
    EXPECT_EQ(reihenfolge, (QStringList{"Aa", "Bb", "Cc", "Aa"}));
    EXPECT_EQ(t.ueb.Lauf.AnzRichtig, 3);
    EXPECT_EQ(t.ueb.Lauf.AnzFalsch, 1);
    EXPECT_EQ(t.ueb.Lauf.FrageZaehler, 4);
    EXPECT_EQ(t.ueb.Lauf.Endestatus, EndeArt::Fertig);
    EXPECT_EQ(t.ui.zaehler, "4. Frage (wiederholte Frage)");
}

TEST(Einzelfragen, LastOpenQuestionAnsweredWrongComesAtOnce)
{
    UebTest t;
    StarteABC(t);
    t.Antworten("Aa");
    t.Antworten("Bb");
    ASSERT_EQ(t.AktuelleAntwort(), "Cc");
    t.Antworten(FalscheAntwort(t));
    EXPECT_EQ(t.AktuelleAntwort(), "Cc");
    EXPECT_EQ(t.ui.zaehler, "4. Frage (wiederholte Frage)");
    t.Antworten("Cc");
    EXPECT_EQ(t.ui.ergebnisse, 1);
}

TEST(Einzelfragen, AskEachQuestionOnlyOnceGivesUpWrongOnes)
{
    UebTest t;
    StarteABC(t, 1);
    t.Antworten(FalscheAntwort(t));
    const int a = t.ObjektMit("Aa");
    EXPECT_EQ(t.dok.Dok.Objekte[a].Abdeckung, AbdeckungsArt::FrageAufgegeben);
    EXPECT_EQ(t.ueb.Lauf.AnzOffen, 2);
    t.Antworten("Bb");
    t.Antworten("Cc");
    EXPECT_EQ(t.ui.ergebnisse, 1);
    EXPECT_EQ(t.ueb.Lauf.AnzOffen, 0);
    EXPECT_EQ(t.ueb.Lauf.FrageZaehler, 3);
}

TEST(Einzelfragen, WrongAnswerFeedbackFlashesTheRightPanelAndWaits)
{
    UebTest t;
    StarteABC(t);
    t.ueb.Einst.Tonausgabe = false;
    const qint64 vorher = t.umg.uhr.gewartetMs;
    t.Antworten(FalscheAntwort(t));
    // Three flashes of 150 + 150 ms, then 800 ms.
    EXPECT_EQ(t.umg.uhr.gewartetMs - vorher, 6 * 150 + 800);
    const qint64 vorRichtig = t.umg.uhr.gewartetMs;
    t.Antworten(t.AktuelleAntwort());
    EXPECT_EQ(t.umg.uhr.gewartetMs - vorRichtig, 300 + 700);
    EXPECT_EQ(t.ui.status.UebStatLab, "warte auf Antwort");
}

TEST(Einzelfragen, AnswerCountFollowsTheNumberOfQuestions)
{
    UebTest drei;
    drei.dok.Dok = EinzelfragenDok({"1 // a", "2 // b", "3 // c"});
    ASSERT_TRUE(drei.ueb.UebungStarten({}));
    EXPECT_EQ(drei.Sichtbare().size(), 3);

    UebTest sieben;
    sieben.dok.Dok = EinzelfragenDok({"1 // a", "2 // b", "3 // c", "4 // d", "5 // e", "6 // f", "7 // g"});
    ASSERT_TRUE(sieben.ueb.UebungStarten({}));
    EXPECT_EQ(sieben.Sichtbare().size(), 6);
}

TEST(Einzelfragen, DistractorsAreUniqueAndLookAlikePairsHoldOneWay)
{
    const QStringList laender{"Luxemburg",  "Niederlande", "Frankreich", "Franz. Guayana", "Monaco",
                              "Indonesien", "Belgien",     "Polen",      "Belgien"};
    int frankreichMitGuayana = 0, indonesienMitMonaco = 0;
    for (quint32 saat = 1; saat <= 150; ++saat) {
        UebTest t;
        t.umg.zufall.Saeen(saat);
        QStringList zeilen;
        for (const QString &l : laender)
            zeilen << "Welches Land? // " + l;
        t.dok.Dok = EinzelfragenDok(zeilen);
        ASSERT_TRUE(t.ueb.UebungStarten({}));
        while (t.ui.ergebnisse == 0) {
            const QString richtig = t.AktuelleAntwort();
            const QStringList s = t.Sichtbare();
            ASSERT_LE(s.size(), 6);
            ASSERT_EQ(s.count(richtig), 1);
            EXPECT_EQ(QSet<QString>(s.begin(), s.end()).size(), s.size()) << "duplicate answer texts";
            if (richtig == "Luxemburg") {
                EXPECT_FALSE(s.contains("Niederlande"));
            }
            if (richtig == "Niederlande") {
                EXPECT_FALSE(s.contains("Luxemburg"));
            }
            if (richtig == "Franz. Guayana") {
                EXPECT_FALSE(s.contains("Frankreich"));
            }
            if (richtig == "Monaco") {
                EXPECT_FALSE(s.contains("Indonesien"));
            }
            frankreichMitGuayana += richtig == "Frankreich" && s.contains("Franz. Guayana");
            indonesienMitMonaco += richtig == "Indonesien" && s.contains("Monaco");
            t.Antworten(richtig);
        }
    }
    // The pairs hold in one direction only.
    EXPECT_GT(frankreichMitGuayana, 0);
    EXPECT_GT(indonesienMitMonaco, 0);
}

TEST(Einzelfragen, ProtocolHasQuestionOptionsAndJudgingLines)
{
    UebTest t;
    t.dok.Dok =
        EinzelfragenDok({"<@flaggenfrage><@img=de.png> // Deutschland", "Hauptstadt von <b>Polen</b>? // Warschau"});
    t.ui.werte.FragenZuordnungsziele = 0;
    t.ui.werte.FragenZuordnungstexte = 0;
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    t.umg.uhr.Vorstellen(65000);
    t.Antworten("Warschau");
    t.Antworten("Deutschland");
    const QStringList z = t.AblaufZeilen();
    ASSERT_GE(z.size(), 6);
    EXPECT_EQ(z[0], "00:00 - Quiz wird gestartet");
    EXPECT_EQ(z[1], "00:00 - 1. Frage");
    EXPECT_EQ(z[2], "Wie heißt das Land zu dieser Flagge?");
    EXPECT_EQ(z[3], "Antwortmöglichkeiten: \"Deutschland\" (Lösung), \"Warschau\"");
    EXPECT_EQ(z[4], "01:05 - FALSCH - Gewählte Antwort: \"Warschau\"");
    EXPECT_EQ(z[5], "01:06 - 2. Frage");
    EXPECT_EQ(z[6], "Hauptstadt von Polen?");
}

TEST(Einzelfragen, SlotsFillTheGridInIndexOrderWhenSorted)
{
    UebTest t;
    t.dok.Dok = EinzelfragenDok({"1 // Cc", "2 // Aa", "3 // Bb", "4 // Dd"});
    t.ui.werte.FragenZuordnungstexte = 0;
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    // Grid origin: picture point (0.1, 0.58) + (4, 45) = (64, 277).
    QList<QPoint> orte;
    QStringList texte;
    for (const auto &[i, f] : t.ueb.Felder())
        if (f.Sichtbar) {
            orte << f.Rahmen.topLeft();
            texte << f.Caption;
        }
    EXPECT_EQ(texte, (QStringList{"Aa", "Bb", "Cc", "Dd"}));
    EXPECT_EQ(orte, (QList<QPoint>{{64, 277}, {234, 277}, {404, 277}, {64, 343}}));
}
