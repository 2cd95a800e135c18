// Tests of starting a run: random draws, repetitions, roles, dialogs.
#include "UebTestUmgebung.h"

#include <gtest/gtest.h>

#include <set>

static QStringList Laender(int n)
{
    QStringList l;
    for (int i = 0; i < n; ++i)
        l << QStringLiteral("Frage %1 // Land %2").arg(i + 1).arg(QChar('A' + i % 26) + QString::number(i));
    return l;
}

TEST(UebungStarten, TitleSayingZufaelligDrawsTwentyOrAllAndAnewEachTime)
{
    UebTest t;
    t.dok.Dok = EinzelfragenDok(Laender(45), "Flaggen ZUFÄLLIG gemischt");
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    EXPECT_EQ(t.ueb.Umfang, UmfangArt::Zufallsauswahl);
    EXPECT_EQ(t.ueb.Lauf.AnzFragen, 20);
    EXPECT_EQ(t.ueb.Lauf.AnzGesamt, 45);
    std::set<int> erste;
    for (const FragenPaar &p : t.ueb.Lauf.FragenFolge)
        erste.insert(p.ZielObjekt);
    EXPECT_EQ(erste.size(), 20u);

    t.ui.modus = 2; // back on the start page
    t.ueb.UebungVerlassen();
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    std::set<int> zweite;
    for (const FragenPaar &p : t.ueb.Lauf.FragenFolge)
        zweite.insert(p.ZielObjekt);
    EXPECT_EQ(zweite.size(), 20u);
    EXPECT_NE(erste, zweite);

    UebTest k;
    k.dok.Dok = EinzelfragenDok(Laender(12), "zufällig");
    ASSERT_TRUE(k.ueb.UebungStarten({}));
    EXPECT_EQ(k.ueb.Lauf.AnzFragen, 12);
}

TEST(UebungStarten, RandomDrawEndsWhenHeaderPromisesMoreThanThereAre)
{
    // Picture document whose header claims 30 questions but has 4 labels.
    UebTest t;
    t.dok.Dok = BildDok({"Nord", "Süd", "Ost", "West"}, 0, "Zufällig");
    t.dok.Dok.AnzFrageNummern = 30;
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    EXPECT_EQ(t.ueb.Lauf.AnzFragen, 4);
}

TEST(UebungStarten, NothingSelectedShowsQuizauswahlMessage)
{
    const QString text = "Bitte zuerst über das Menü \"Quizauswahl\" das gewünschte Quiz auswählen.";
    UebTest leer;
    leer.dok.Dok = BildDok({}, 0);
    EXPECT_FALSE(leer.ueb.UebungStarten({}));
    EXPECT_EQ(leer.umg.meldungen.Texte(), QStringList{text});
    EXPECT_EQ(leer.ui.btnGeloest, 1);
    EXPECT_EQ(leer.ui.modus, 2);

    // Random selection with no question count in the header.
    UebTest z;
    z.dok.Dok = BildDok({"Nord", "Süd"}, 0, "zufällig");
    EXPECT_FALSE(z.ueb.UebungStarten({}));
    EXPECT_EQ(z.umg.meldungen.Texte(), QStringList{text});
}

TEST(UebungStarten, PartialRepetitionTakesOnlyQuestionsWithWrongAttempts)
{
    UebTest t;
    t.dok.Dok = EinzelfragenDok({"F1 // A", "F2 // B", "F3 // C", "F4 // D"});
    t.ui.werte.FragenZuordnungsziele = 0; // ordered
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    // Wrong at the first question, then everything right.
    const QString erste = t.AktuelleAntwort();
    t.Antworten(t.Sichtbare().first() == erste ? t.Sichtbare().last() : t.Sichtbare().first());
    while (t.ui.ergebnisse == 0)
        t.Antworten(t.AktuelleAntwort());
    t.ueb.UebungVerlassen();

    ASSERT_TRUE(t.ueb.UebungStarten({.umfang = UmfangArt::Teilwiederholung}));
    EXPECT_EQ(t.ueb.Lauf.AnzFragen, 1);
    EXPECT_EQ(t.ueb.Lauf.AnzGesamt, 4);
    EXPECT_EQ(t.AktuelleAntwort(), erste);
    EXPECT_TRUE(t.ueb.Lauf.ProtokollAblauf.contains("1. Frage"));
}

TEST(UebungStarten, NetworkRolesRefuseAnOwnRun)
{
    UebTest t;
    t.dok.Dok = BildDok({"Nord"});
    t.ueb.Lauf.NetzRolle = Rolle::Teilnehmer;
    EXPECT_FALSE(t.ueb.UebungStarten({}));
    t.ueb.Lauf.NetzRolle = Rolle::Initiator;
    EXPECT_FALSE(t.ueb.UebungStarten({}));
    EXPECT_EQ(t.umg.meldungen.Texte(),
              (QStringList{"Die aktuelle Netzwerk-Übung muss zunächst beendet werden, um eine eigene Übung starten "
                           "zu können.",
                           "Auf diesem Rechner wurde eine Netzwerk-Übung initiiert, die zuerst beendet werden muss. "
                           "Daher kann im Moment keine eigene Übung gestartet werden."}));
    EXPECT_EQ(t.ui.modus, 2);
}

TEST(UebungStarten, NameDialogCancelledStartsNothing)
{
    UebTest t;
    t.dok.Dok = BildDok({"Nord"});
    t.ueb.Einst.NameEingabe = true;
    t.ui.nameOk = false;
    EXPECT_FALSE(t.ueb.UebungStarten({}));
    EXPECT_EQ(t.ui.modus, 2);
    t.ui.nameOk = true;
    t.ui.name = "  Ben ";
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    EXPECT_EQ(t.ui.status.TNameLab, "Ben");
    EXPECT_EQ(t.ui.namensDialoge, 2);
}

TEST(UebungStarten, OptionsWindowFirstWhenItsBoxIsTicked)
{
    UebTest t;
    t.dok.Dok = BildDok({"Nord", "Süd"});
    // "Schließen": nothing starts, the button is released.
    t.ui.optionenOk = false;
    EXPECT_FALSE(t.ueb.UebungStarten({.optionenZeigen = true}));
    EXPECT_EQ(t.ui.optionenDialoge, 1);
    EXPECT_EQ(t.ui.modus, 2);
    EXPECT_EQ(t.ui.gestartet, 0);
    EXPECT_EQ(t.ui.btnGeloest, 1);
    EXPECT_TRUE(t.ui.felder.empty());

    // "Übung starten": the run takes what was set in the window (a time
    // limit here).
    t.ui.optionenOk = true;
    t.ui.optionenAendern = true;
    t.ui.optionenNeu.ZeitLimit = 1;
    t.ui.optionenNeu.ZLimitMin = "2";
    EXPECT_TRUE(t.ueb.UebungStarten({.optionenZeigen = true}));
    EXPECT_EQ(t.ui.optionenDialoge, 2);
    EXPECT_EQ(t.ui.modus, 3);
    EXPECT_EQ(t.ui.gestartet, 1);
    EXPECT_EQ(t.ueb.Opt.ZeitLimitIndex, 1);
    EXPECT_EQ(t.ueb.Opt.ZeitLimitWert, 120);
    EXPECT_EQ(t.ui.status.UebZeitModeLab, "Verbleibende Zeit:");
    t.ueb.UebungVerlassen();

    // Box cleared: no window. A document without questions shows its
    // message, not the window.
    EXPECT_TRUE(t.ueb.UebungStarten({}));
    EXPECT_EQ(t.ui.optionenDialoge, 2);
    t.ueb.UebungVerlassen();
    t.dok.Dok = BildDok({});
    EXPECT_FALSE(t.ueb.UebungStarten({.optionenZeigen = true}));
    EXPECT_EQ(t.ui.optionenDialoge, 2);
}

TEST(UebungStarten, RunningQuizAsksBeforeStartingAgain)
{
    UebTest t;
    t.dok.Dok = BildDok({"Nord", "Süd"});
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    t.umg.meldungen.antworten.push_back(Antwort::Nein);
    EXPECT_FALSE(t.ueb.UebungStarten({}));
    EXPECT_EQ(t.umg.meldungen.Texte(),
              QStringList{"Das aktuelle Quiz ist noch nicht beendet.\r\nQuiz wirklich abbrechen?"});
    EXPECT_EQ(t.ui.modus, 3);
}

TEST(FragenFolge, OrderedTargetsByPositionOrAlphabetAndTextsAlphabetical)
{
    UebTest t;
    t.dok.Dok = BildDok({"delta", "Alpha", "charlie", "Bravo"});
    // Two labels on one height: left one first.
    t.dok.Dok.Objekte[4].Ky = t.dok.Dok.Objekte[3].Ky;
    t.dok.Dok.Objekte[4].Kx = 0.05;
    t.ui.werte.Zuordnungsziele = 0;
    t.ui.werte.Zuordnungstexte = 0;
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    QStringList ziele, texte;
    for (const FragenPaar &p : t.ueb.Lauf.FragenFolge) {
        ziele << t.dok.Dok.Objekte[p.ZielObjekt].Cap;
        texte << t.dok.Dok.Objekte[p.TextObjekt].Cap;
    }
    EXPECT_EQ(ziele, (QStringList{"delta", "Alpha", "Bravo", "charlie"}));
    EXPECT_EQ(texte, (QStringList{"Alpha", "Bravo", "charlie", "delta"}));
    EXPECT_EQ(t.dok.Dok.Objekte[t.ObjektMit("Bravo")].Nummer, 3);

    t.ueb.UebungVerlassen();
    t.dok.Dok.GeordnetArt = 1;
    t.ui.werte.Zuordnungsziele = 2; // question marks: random order, number 0
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    for (const FragenPaar &p : t.ueb.Lauf.FragenFolge)
        EXPECT_EQ(t.dok.Dok.Objekte[p.ZielObjekt].Nummer, 0);

    t.ueb.UebungVerlassen();
    t.ui.werte.Zuordnungsziele = 0;
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    ziele.clear();
    for (const FragenPaar &p : t.ueb.Lauf.FragenFolge)
        ziele << t.dok.Dok.Objekte[p.ZielObjekt].Cap;
    EXPECT_EQ(ziele, (QStringList{"Alpha", "Bravo", "charlie", "delta"}));
}

TEST(FragenFolge, UmlautsSortWithTheirBaseLetterAlsoInACLocale)
{
    // The tests run in the C locale (as a session without LANG does); the
    // answer texts must still be in German order, not umlauts after "Z".
    UebTest t;
    t.dok.Dok = BildDok({"Zypern", "Ägypten", "Österreich", "Albanien", "Polen"});
    t.ui.werte.Zuordnungstexte = 0;
    t.ui.werte.Zuordnungsziele = 0;
    t.dok.Dok.GeordnetArt = 1;
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    QStringList texte, ziele;
    for (const FragenPaar &p : t.ueb.Lauf.FragenFolge) {
        texte << t.dok.Dok.Objekte[p.TextObjekt].Cap;
        ziele << t.dok.Dok.Objekte[p.ZielObjekt].Cap;
    }
    const QStringList deutsch{"Ägypten", "Albanien", "Österreich", "Polen", "Zypern"};
    EXPECT_EQ(texte, deutsch);
    EXPECT_EQ(ziele, deutsch);
}

TEST(UebungVerlassen, AbortUncoversEverythingOrKeepsRunningOnNo)
{
    UebTest t;
    t.dok.Dok = BildDok({"Nord", "Süd", "Ost"});
    t.ui.werte.ZuordnungFalsch = 1;
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    t.Ziehen("Nord", t.ObjektMit("Süd")); // crossed
    t.Ziehen("Ost", t.ObjektMit("Ost"));  // solved
    t.umg.meldungen.antworten.push_back(Antwort::Nein);
    t.ueb.UebungVerlassen();
    EXPECT_EQ(t.ui.modus, 3);
    t.ueb.UebungVerlassen();
    EXPECT_EQ(t.ui.modus, 2);
    EXPECT_TRUE(t.ui.felder.empty());
    for (const DokObjekt &o : t.dok.Dok.Objekte)
        EXPECT_TRUE(o.Abdeckung == 0 || o.Abdeckung == -1) << o.Cap.toStdString();
}
