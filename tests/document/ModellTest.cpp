// Tests of cover numbers, emptying, the single-question structure, navigation.
#include "DokTestHilfen.h"
#include "DokumentDatei.h"
#include "DokumentModell.h"
#include "Einzelfragen.h"
#include "Ordner.h"
#include "Zufall.h"

#include <gtest/gtest.h>

#include <set>

TEST(NummerText, LettersWithApostrophesPerRound)
{
    EXPECT_EQ(NummerText(1, 1), "A");
    EXPECT_EQ(NummerText(26, 1), "Z");
    EXPECT_EQ(NummerText(27, 1), "A'");
    EXPECT_EQ(NummerText(52, 1), "Z'");
    EXPECT_EQ(NummerText(53, 1), "A''");
    EXPECT_EQ(NummerText(0, 1), "?");
    EXPECT_EQ(NummerText(-1, 1), "?");
}

TEST(NummerText, DecimalForEveryOtherStyle)
{
    EXPECT_EQ(NummerText(52, 0), "52");
    EXPECT_EQ(NummerText(7, 2), "7");
    EXPECT_EQ(NummerText(7, -1), "7");
    EXPECT_EQ(NummerText(0, 0), "?");
    Dokument d;
    d.NumArt = 1;
    DokObjekt o;
    o.Nummer = 28;
    EXPECT_EQ(NummerText(d, o), "B'");
}

TEST(LeereDokument, HeaderEmptiedFileNameRememberedObjectsKept)
{
    Ordner().VorigesDokument = "/alt/";
    DokumentZustand z;
    z.Dok = BeispielDokument();
    z.Dok.DateiName = "/daten/flaggen.tvl";
    z.Dok.Geaendert = true;
    z.ThemenIndex = 4;
    z.AktFrage = 2;
    TestDokumentUmgebung u;
    LeereDokument(z, u);
    EXPECT_EQ(Ordner().VorigesDokument, "/daten/flaggen.tvl");
    EXPECT_EQ(z.Dok.DateiName, "");
    EXPECT_EQ(z.Dok.Vers, "1.00");
    EXPECT_EQ(z.Dok.Titel, "");
    EXPECT_EQ(z.Dok.Fragentext, "");
    EXPECT_EQ(z.Dok.DokTyp, DokArt::Bildbeschriftung);
    EXPECT_EQ(z.Dok.NumArt, 0);
    EXPECT_EQ(z.Dok.RandErw, Rechteck{});
    EXPECT_FALSE(z.Dok.Geaendert);
    EXPECT_EQ(z.ThemenIndex, -1);
    EXPECT_EQ(z.AktFrage, 0);
    EXPECT_EQ(z.Dok.Objekte.size(), 2);
    EXPECT_FALSE(z.Dok.BasisBild.isNull());
    EXPECT_EQ(u.aufrufe, QStringList{"DokTyp0"});

    // Without a file name the previous one stays.
    LeereDokument(z, u);
    EXPECT_EQ(Ordner().VorigesDokument, "/daten/flaggen.tvl");
}

TEST(Einzelfragen, LinesAreTrimmedSplitAtFirstDoubleSlashBlankLinesSkipped)
{
    const auto fragen =
        FragenAusText("  Hauptstadt von Frankreich? //  Paris \r\n\r\n   \t \nOhne Antwort\nA//B//C\n//nur");
    ASSERT_EQ(fragen.size(), 4);
    EXPECT_EQ(fragen[0].Frage, "Hauptstadt von Frankreich?");
    EXPECT_EQ(fragen[0].Antwort, "Paris");
    EXPECT_EQ(fragen[1].Frage, "Ohne Antwort");
    EXPECT_EQ(fragen[1].Antwort, "---");
    EXPECT_EQ(fragen[2].Frage, "A");
    EXPECT_EQ(fragen[2].Antwort, "B//C");
    EXPECT_EQ(fragen[3].Frage, "");
    EXPECT_EQ(fragen[3].Antwort, "nur");
    EXPECT_TRUE(FragenAusText(" \n\r\n ").isEmpty());
}

TEST(Einzelfragen, ObjectsOfEachQuestionAndNavigation)
{
    Dokument d;
    d.Fragentext = "F1 // A1\n\nF2";
    EinzelfragenAufbauen(d);
    EXPECT_EQ(d.AnzFrageNummern, 2);
    EXPECT_EQ(d.DokTyp, DokArt::Einzelfragen);
    ASSERT_EQ(d.Objekte.size(), 2 * 4 + 5);
    const DokObjekt &kopf = d.Objekte[4];
    EXPECT_EQ(kopf.Typ, 11);
    EXPECT_EQ(kopf.Cap, "Frage:");
    EXPECT_EQ(kopf.Kx, 0.1);
    EXPECT_EQ(kopf.Ky, 0.175);
    const DokObjekt &frage = d.Objekte[5];
    EXPECT_EQ(frage.Typ, 11);
    EXPECT_EQ(frage.Cap, "F2");
    EXPECT_EQ(frage.Ky, 0.4);
    EXPECT_EQ(frage.Fsize, 5);
    EXPECT_EQ(d.Objekte[6].Typ, 17);
    EXPECT_EQ(d.Objekte[6].Cap, "Antwort:");
    const DokObjekt &antwort = d.Objekte[7];
    EXPECT_EQ(antwort.Typ, 10);
    EXPECT_EQ(antwort.Cap, "---");
    EXPECT_EQ(antwort.Kx, 0.225);
    EXPECT_EQ(antwort.Ky, 0.6);
    for (int i = 0; i < 8; ++i) {
        const DokObjekt &o = d.Objekte[i];
        EXPECT_EQ(o.FrageNummer, i / 4 + 1);
        EXPECT_EQ(o.Ebene, 1);
        EXPECT_EQ(o.Sx, o.Kx);
        EXPECT_EQ(o.Sy, o.Ky);
        EXPECT_EQ(o.KAusr, 1);
        EXPECT_EQ(o.TAusr, 0);
        EXPECT_EQ(o.Sline, 0);
    }
    const int typen[] = {14, 12, 13, 15, 16};
    const double kx[] = {0.1, 0.16, 0.22, 0.28, 0.34};
    for (int i = 0; i < 5; ++i) {
        const DokObjekt &o = d.Objekte[8 + i];
        EXPECT_EQ(o.Typ, typen[i]);
        EXPECT_EQ(o.Kx, kx[i]);
        EXPECT_EQ(o.Ky, 0.775);
        EXPECT_EQ(o.Ebene, 2);
        EXPECT_EQ(o.FrageNummer, -1);
        EXPECT_EQ(o.Cap, "");
    }
    // Built documents go through the file unchanged.
    d.BasisBild = QImage(4, 4, QImage::Format_RGB32);
    d.BasisBild.fill(Qt::white);
    Dokument gelesen;
    ASSERT_TRUE(AusBytes(Geschrieben(d), gelesen));
    ASSERT_EQ(gelesen.Objekte.size(), d.Objekte.size());
    EXPECT_EQ(gelesen.Objekte[1].Cap, "F1");
    EXPECT_EQ(gelesen.Objekte[3].Cap, "A1");
    EXPECT_EQ(gelesen.Objekte[12].Typ, 16);
}

TEST(FragenNavigation, RandomWithTwoQuestionsAlwaysAlternates)
{
    StdZufall zufall(4711);
    int akt = 1;
    for (int i = 0; i < 50; ++i) {
        const int neu = NavigationsZiel(ObjektTyp::ZufallsFrage, akt, 2, zufall);
        ASSERT_EQ(neu, 3 - akt);
        akt = neu;
    }
}

TEST(FragenNavigation, RandomNeverRepeatsAndReachesEveryOther)
{
    StdZufall zufall(99);
    std::set<int> gesehen;
    for (int i = 0; i < 400; ++i) {
        const int neu = NavigationsZiel(ObjektTyp::ZufallsFrage, 3, 5, zufall);
        ASSERT_NE(neu, 3);
        ASSERT_GE(neu, 1);
        ASSERT_LE(neu, 5);
        gesehen.insert(neu);
    }
    EXPECT_EQ(gesehen, (std::set<int>{1, 2, 4, 5}));
    EXPECT_EQ(NavigationsZiel(ObjektTyp::ZufallsFrage, 1, 1, zufall), 1);
    const int ausserhalb = NavigationsZiel(ObjektTyp::ZufallsFrage, -1, 3, zufall);
    EXPECT_TRUE(ausserhalb >= 1 && ausserhalb <= 3);
}

TEST(FragenNavigation, StepsStayWithinTheQuestions)
{
    StdZufall zufall(1);
    EXPECT_EQ(NavigationsZiel(ObjektTyp::VorigeFrage, 1, 4, zufall), 1);
    EXPECT_EQ(NavigationsZiel(ObjektTyp::VorigeFrage, 3, 4, zufall), 2);
    EXPECT_EQ(NavigationsZiel(ObjektTyp::NaechsteFrage, 4, 4, zufall), 4);
    EXPECT_EQ(NavigationsZiel(ObjektTyp::NaechsteFrage, 2, 4, zufall), 3);
    EXPECT_EQ(NavigationsZiel(ObjektTyp::ErsteFrage, 3, 4, zufall), 1);
    EXPECT_EQ(NavigationsZiel(ObjektTyp::LetzteFrage, 1, 4, zufall), 4);
    // No questions: nothing happens.
    EXPECT_EQ(NavigationsZiel(ObjektTyp::NaechsteFrage, -1, 0, zufall), -1);
    EXPECT_EQ(NavigationsZiel(ObjektTyp::ZufallsFrage, -1, 0, zufall), -1);
    EXPECT_EQ(NavigationsZiel(ObjektTyp::Antwort, 2, 4, zufall), 2);
}
