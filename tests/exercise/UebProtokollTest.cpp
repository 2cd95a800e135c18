// Tests of the protocol a run writes, line by line.
#include "UebTestUmgebung.h"

#include "SystemDatum.h"

#include <QLocale>

#include <gtest/gtest.h>

static QString Zeitpunkt(const QDateTime &t)
{
    return KurzesDatum(t.date(), QLocale::system()) + " " + t.time().toString("HH:mm:ss");
}

TEST(Protokoll, WholeRunLineByLine)
{
    UebTest t;
    t.dok.Dok = EinzelfragenDok({"Hauptstadt von Polen? // Warschau", "Hauptstadt von Peru? // Lima"}, "Städte");
    t.ui.werte.FragenZuordnungsziele = 0;
    t.ui.werte.FragenZuordnungstexte = 0;
    t.ui.werte.FragenZeitlimit = 1;
    t.ui.werte.FragenZLimitMin = "2";
    t.ui.werte.FragenZLimitSek = "5";
    t.ueb.Einst.NameEingabe = true;
    t.ui.name = "Anna";
    const QDateTime start = t.umg.uhr.Jetzt();
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    t.umg.uhr.Vorstellen(12000);
    t.Antworten("Warschau"); // right, then 1 s of feedback
    t.Antworten("Warschau"); // wrong at Lima, 1.7 s of feedback
    t.Antworten("Lima");     // the last open question came back at once
    ASSERT_EQ(t.ui.ergebnisse, 1);
    EXPECT_EQ(t.ueb.Lauf.Laufzeit, 15700);

    const QStringList erwartet{
        "<tit>Quiz-Protokoll",
        "Uhrzeit Beginn:\t" + Zeitpunkt(start),
        "Uhrzeit Ende:  \t" + Zeitpunkt(start.addSecs(15)),
        "Teilnehmername:\tAnna",
        "Rechnername:\tpc1",
        "Rechnerbenutzer:\tanna",
        "",
        "<tit>Übungseinstellungen",
        "Titel:\tStädte",
        "Quiz-Umfang:\t2 Fragen (komplettes Quiz)",
        "Abfragemodus:\tsolange wiederholen, bis jede Frage richtig beantwortet wurde",
        "Zeitlimit:\tja, 2 Min. 5 Sek.",
        "Antwortmöglichkeiten:\talphabetisch geordnet",
        "Reihenfolge der Fragen:\tgeordnet",
        "",
        "<tit>Statistik-Zusammenfassung",
        "Richtig zugeordnet:\t2  von  2",
        "Fehlversuche:\t1",
        "Erfolgsquote:\t66.7 %",
        "Offene Fragen:\t0",
        "Verbliebene Zeit:\t01:49",
        "Gesamtleistung:\t66.7 %",
        "Bewertung:\tbefriedigend",
        "Schulnote:\t3",
        "",
        "<tit>Detaillierter Ablauf",
        "00:00 - Quiz wird gestartet",
        "00:00 - 1. Frage",
        "Hauptstadt von Polen?",
        "Antwortmöglichkeiten: \"Lima\", \"Warschau\" (Lösung)",
        "00:12 - RICHTIG - Gewählte Antwort: \"Warschau\"",
        "00:13 - 2. Frage",
        "Hauptstadt von Peru?",
        "Antwortmöglichkeiten: \"Lima\" (Lösung), \"Warschau\"",
        "00:13 - FALSCH - Gewählte Antwort: \"Warschau\"",
        "00:14 - 3. Frage",
        "Hauptstadt von Peru?",
        "Antwortmöglichkeiten: \"Lima\" (Lösung), \"Warschau\"",
        "00:14 - RICHTIG - Gewählte Antwort: \"Lima\"",
    };
    QStringList zeilen = t.ueb.ProtokollText().split("\r\n");
    ASSERT_EQ(zeilen.takeLast(), ""); // every line ends with CR LF
    ASSERT_EQ(zeilen.size(), erwartet.size());
    for (int i = 0; i < zeilen.size(); ++i)
        EXPECT_EQ(zeilen[i], erwartet[i]) << "line " << i;
}

TEST(Protokoll, ScopeLineForPartialAndRandomRuns)
{
    UebTest t;
    t.dok.Dok = BildDok({"Nord"});
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    auto umfangZeile = [&](int umfang, int anz, int gesamt) {
        t.ueb.Umfang = UmfangArt(umfang);
        t.ueb.Lauf.AnzFragen = anz;
        t.ueb.Lauf.AnzGesamt = gesamt;
        t.ueb.Lauf.ProtokollKopf.clear();
        t.ueb.ProtokollAbschliessen();
        for (const QString &z : t.ueb.Lauf.ProtokollKopf.split("\r\n"))
            if (z.startsWith("Quiz-Umfang:\t"))
                return z.mid(13);
        return QString();
    };
    EXPECT_EQ(umfangZeile(1, 3, 20), "3 von 20 Fragen (Teilwiederholung)");
    EXPECT_EQ(umfangZeile(2, 20, 45), "20 von 45 Fragen");
    EXPECT_EQ(umfangZeile(0, 4, 4), "4 Fragen (komplettes Quiz)");
}

TEST(Protokoll, PictureSettingsLinesAndUnnamedParticipant)
{
    UebTest t;
    t.dok.Dok = BildDok({"Nord"});
    t.ui.werte.AbfrageModus = 1;
    t.ui.werte.ZuordnungRichtig = 1;
    t.ui.werte.ZuordnungFalsch = 1;
    t.ui.werte.Zuordnungstexte = 0;
    t.ui.werte.Zuordnungsziele = 2;
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    t.Ziehen("Nord", t.ObjektMit("Nord"));
    const QString k = t.ueb.Lauf.ProtokollKopf;
    EXPECT_TRUE(k.contains("Teilnehmername:\t(nicht angegeben)\r\n"));
    EXPECT_TRUE(
        k.contains("Abfragemodus:\tEinzelabfrage Texte\r\nZeitlimit:\tnein\r\n"
                   "Verhalten bei richtiger Zuordnung:\tgrünes Häkchen setzen\r\n"
                   "Verhalten bei Fehlversuch:\trotes Kreuz setzen, keine erneute Zuordnung an dieser Position\r\n"
                   "Zuordnungstexte:\talphabetisch geordnet\r\n"
                   "Zuordnungsziele (Positionen):\tFragezeichen\r\n"));
    EXPECT_TRUE(k.contains("Benötigte Zeit:\t00:00\r\n"));
}
