// The editing commands: undo and redo byte for byte, the modified flag, refusals and the safe save.
#include "Bearbeitung.h"
#include "DokumentDatei.h"
#include "DokumentUmgebung.h"
#include "NeuesDokument.h"
#include "TestDienste.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

namespace {

QByteArray Bytes(const Dokument &d)
{
    QByteArray b;
    QBuffer buf(&b);
    buf.open(QIODevice::WriteOnly);
    EXPECT_TRUE(DokumentSchreiben(buf, d));
    return b;
}

QImage Bild(int w, int h, QColor farbe)
{
    QImage b(w, h, QImage::Format_RGB32);
    b.fill(farbe);
    return b;
}

// A document of the kind with some content of its own to change.
Dokument Ausgangsdokument(DokArt art)
{
    Dokument d = NeuesDokumentAnlegen({art, Bild(40, 30, Qt::yellow), "Titel", "Autorin", "Bemerkung"});
    Bearbeitung b(d);
    EXPECT_EQ(b.FrageHinzufuegen({"Erste Frage", "Eins"}), "");
    EXPECT_EQ(b.FrageHinzufuegen({"Zweite Frage", ""}), "");
    EXPECT_EQ(b.LueckentextSetzen("Die <<Sonne>> scheint."), "");
    EXPECT_EQ(b.BeschriftungAnlegen({0.2, 0.3}, {0.4, 0.5}, "Erste"), "");
    EXPECT_EQ(b.BeschriftungAnlegen({0.6, 0.7}, {0.1, 0.9}, "Zweite"), "");
    EXPECT_EQ(b.DokTypSetzen(art), "");
    d.Geaendert = false;
    return d;
}

struct Befehl
{
    const char *name;
    std::function<QString(Bearbeitung &)> ausfuehren;
};

const std::vector<Befehl> &AlleBefehle()
{
    static const std::vector<Befehl> b = {
        {"Kopf", [](Bearbeitung &e) { return e.KopfSetzen("Neu", "Er", "Mehr"); }},
        {"DokTypLabelling", [](Bearbeitung &e) { return e.DokTypSetzen(DokArt::Bildbeschriftung); }},
        {"DokTypCloze", [](Bearbeitung &e) { return e.DokTypSetzen(DokArt::Lueckentext); }},
        {"DokTypQuestions", [](Bearbeitung &e) { return e.DokTypSetzen(DokArt::Einzelfragen); }},
        {"NumArt", [](Bearbeitung &e) { return e.NumArtSetzen(1); }},
        {"GeordnetArt", [](Bearbeitung &e) { return e.GeordnetArtSetzen(1); }},
        {"BasisBild", [](Bearbeitung &e) { return e.BasisBildSetzen(Bild(20, 10, Qt::blue)); }},
        {"FrageHinzu",
         [](Bearbeitung &e) {
             return e.FrageHinzufuegen({"Dritte", "Drei"});
         }},
        {"FrageAendern",
         [](Bearbeitung &e) {
             return e.FrageAendern(1, {"Andere", ""});
         }},
        {"FrageLoeschen", [](Bearbeitung &e) { return e.FrageLoeschen(1); }},
        {"Lueckentext", [](Bearbeitung &e) { return e.LueckentextSetzen("Der <<Mond>> und die <<Sterne>>."); }},
        {"LueckeMachen", [](Bearbeitung &e) { return e.LueckeMachen(14, 7); }},
        {"Beschriftung",
         [](Bearbeitung &e) {
             return e.BeschriftungAnlegen({0.5, 0.5}, {0.7, 0.2}, "Neu");
         }},
        {"Kasten",
         [](Bearbeitung &e) {
             return e.KastenVerschieben(e.Dok.Objekte.size() - 1, {0.3, 0.3});
         }},
        {"Anker",
         [](Bearbeitung &e) {
             return e.AnkerVerschieben(e.Dok.Objekte.size() - 1, {0.9, 0.1});
         }},
        {"Text", [](Bearbeitung &e) { return e.ObjektTextSetzen(e.Dok.Objekte.size() - 1, "zwei\nZeilen"); }},
        {"Aussehen",
         [](Bearbeitung &e) {
             return e.ObjektAussehenSetzen(e.Dok.Objekte.size() - 1, {2, 0, 3, 4, 2});
         }},
        {"Loeschen", [](Bearbeitung &e) { return e.ObjektLoeschen(0); }},
    };
    return b;
}

struct UndoFall
{
    DokArt art;
    size_t befehl;
};

class UndoTest : public testing::TestWithParam<UndoFall>
{
};

TEST_P(UndoTest, UndoRestoresTheDocumentByteForByteAndRedoTheEdit)
{
    const Befehl &befehl = AlleBefehle()[GetParam().befehl];
    Dokument d = Ausgangsdokument(GetParam().art);
    d.DateiName = "/irgendwo/datei.tvl";
    const QByteArray vorher = Bytes(d);
    Bearbeitung b(d);
    const QString fehler = befehl.ausfuehren(b);
    ASSERT_EQ(fehler, "") << befehl.name;
    const QByteArray nachher = Bytes(d);
    if (vorher == nachher) {
        // An edit that changes nothing leaves no step and no flag.
        EXPECT_EQ(b.Stapel.count(), 0);
        EXPECT_FALSE(d.Geaendert);
        return;
    }
    ASSERT_EQ(b.Stapel.count(), 1);
    EXPECT_TRUE(d.Geaendert);
    b.Stapel.undo();
    EXPECT_EQ(Bytes(d), vorher);
    EXPECT_FALSE(d.Geaendert);
    EXPECT_EQ(d.DateiName, "/irgendwo/datei.tvl");
    b.Stapel.redo();
    EXPECT_EQ(Bytes(d), nachher);
    EXPECT_TRUE(d.Geaendert);
}

std::vector<UndoFall> UndoFaelle()
{
    std::vector<UndoFall> f;
    for (DokArt art : {DokArt::Bildbeschriftung, DokArt::Lueckentext, DokArt::Einzelfragen})
        for (size_t i = 0; i < AlleBefehle().size(); ++i)
            f.push_back({art, i});
    return f;
}

INSTANTIATE_TEST_SUITE_P(AlleBefehle, UndoTest, testing::ValuesIn(UndoFaelle()),
                         [](const testing::TestParamInfo<UndoFall> &i) {
                             return std::string(AlleBefehle()[i.param.befehl].name) + "_Art"
                                    + std::to_string(int(i.param.art));
                         });

TEST(Bearbeitung, AWholeHistoryUndoneStepByStepGoesBackThroughEveryState)
{
    Dokument d = Ausgangsdokument(DokArt::Bildbeschriftung);
    Bearbeitung b(d);
    QList<QByteArray> zustaende{Bytes(d)};
    for (const Befehl &befehl : AlleBefehle()) {
        ASSERT_EQ(befehl.ausfuehren(b), "") << befehl.name;
        if (Bytes(d) != zustaende.last())
            zustaende << Bytes(d);
    }
    ASSERT_EQ(b.Stapel.count(), zustaende.size() - 1);
    for (qsizetype i = zustaende.size() - 1; i > 0; --i) {
        EXPECT_EQ(Bytes(d), zustaende[i]) << i;
        b.Stapel.undo();
    }
    EXPECT_EQ(Bytes(d), zustaende.first());
    EXPECT_FALSE(d.Geaendert);
}

TEST(Bearbeitung, ADragOfOneBoxIsOneStepAndADragOfAnotherIsTheNext)
{
    Dokument d = Ausgangsdokument(DokArt::Bildbeschriftung);
    Bearbeitung b(d);
    const int n = int(d.Objekte.size());
    for (int schritt = 1; schritt <= 10; ++schritt)
        b.KastenVerschieben(n - 1, {0.05 * schritt, 0.5});
    EXPECT_EQ(b.Stapel.count(), 1);
    b.KastenVerschieben(n - 2, {0.1, 0.1});
    b.AnkerVerschieben(n - 2, {0.2, 0.2});
    EXPECT_EQ(b.Stapel.count(), 3);
    EXPECT_DOUBLE_EQ(d.Objekte[n - 1].Kx, 0.5);
    b.Stapel.undo();
    b.Stapel.undo();
    b.Stapel.undo();
    EXPECT_DOUBLE_EQ(d.Objekte[n - 1].Kx, 0.1);
}

TEST(Bearbeitung, TextsOutsideWindows1252AreRefusedAndChangeNothing)
{
    const QString fremd = QStringLiteral("Флаг ✓");
    const std::vector<std::function<QString(Bearbeitung &)>> versuche = {
        [&](Bearbeitung &e) { return e.KopfSetzen(fremd, "", ""); },
        [&](Bearbeitung &e) { return e.KopfSetzen("", fremd, ""); },
        [&](Bearbeitung &e) { return e.KopfSetzen("", "", fremd); },
        [&](Bearbeitung &e) {
            return e.FrageHinzufuegen({fremd, "a"});
        },
        [&](Bearbeitung &e) {
            return e.FrageHinzufuegen({"a", fremd});
        },
        [&](Bearbeitung &e) {
            return e.FrageAendern(1, {"a", fremd});
        },
        [&](Bearbeitung &e) { return e.LueckentextSetzen(fremd); },
        [&](Bearbeitung &e) {
            return e.BeschriftungAnlegen({0, 0}, {0, 0}, fremd);
        },
        [&](Bearbeitung &e) { return e.ObjektTextSetzen(0, fremd); },
    };
    Dokument d = Ausgangsdokument(DokArt::Einzelfragen);
    const QByteArray vorher = Bytes(d);
    Bearbeitung b(d);
    for (size_t i = 0; i < versuche.size(); ++i) {
        EXPECT_TRUE(versuche[i](b).contains("Windows-1252")) << i;
        EXPECT_EQ(Bytes(d), vorher) << i;
    }
    EXPECT_EQ(b.Stapel.count(), 0);
    EXPECT_FALSE(d.Geaendert);
}

TEST(Bearbeitung, EditsOfObjectsOrQuestionsThatAreNotThereAreRefused)
{
    Dokument d = Ausgangsdokument(DokArt::Einzelfragen);
    Bearbeitung b(d);
    const int n = int(d.Objekte.size());
    for (int i : {-1, n, n + 5}) {
        EXPECT_FALSE(b.KastenVerschieben(i, {0, 0}).isEmpty());
        EXPECT_FALSE(b.ObjektLoeschen(i).isEmpty());
        EXPECT_FALSE(b.ObjektAussehenSetzen(i, {}).isEmpty());
    }
    for (int k : {0, 3, -2}) {
        EXPECT_FALSE(b.FrageAendern(k, {"a", "b"}).isEmpty());
        EXPECT_FALSE(b.FrageLoeschen(k).isEmpty());
    }
    EXPECT_FALSE(b.FrageHinzufuegen({"", "b"}).isEmpty());
    EXPECT_FALSE(b.ObjektAussehenSetzen(0, {3, 1, 0, 0, 0}).isEmpty());
    EXPECT_EQ(b.Stapel.count(), 0);
}

TEST(Bearbeitung, QuestionsBuildTheQuizStructureAndKeepObjectsAddedByHand)
{
    Dokument d = NeuesDokumentAnlegen({DokArt::Einzelfragen, {}, "", "", ""});
    Bearbeitung b(d);
    ASSERT_EQ(b.BeschriftungAnlegen({0.5, 0.5}, {0.5, 0.5}, "Hinweis"), "");
    ASSERT_EQ(b.FrageHinzufuegen({"<@img=de.png>Welches Land?", "Deutschland"}), "");
    ASSERT_EQ(b.FrageHinzufuegen({"Ohne Antwort", ""}), "");
    EXPECT_EQ(d.AnzFrageNummern, 2);
    EXPECT_EQ(d.Fragentext, "<@img=de.png>Welches Land?//Deutschland\r\nOhne Antwort");
    int antworten = 0;
    for (const DokObjekt &o : d.Objekte)
        antworten += o.Typ == ObjektTyp::Antwort;
    EXPECT_EQ(antworten, 1); // the line without "//" has none
    EXPECT_EQ(d.Objekte.last().Cap, "Hinweis");
    ASSERT_EQ(b.FrageLoeschen(1), "");
    EXPECT_EQ(d.AnzFrageNummern, 1);
    EXPECT_EQ(b.FragenZeilen(), (QList<FragenZeile>{{"Ohne Antwort", ""}}));
}

class SpeichernTest : public testing::Test
{
protected:
    QTemporaryDir ordner;
    TestMeldungen meldungen;
    StilleDokumentUmgebung umgebung;
    DokumentZustand z;
    QString Pfad(const char *name) const { return ordner.filePath(name); }
};

TEST_F(SpeichernTest, ANewDocumentStaysChangedUntilSavedAndThenFollowsTheHistory)
{
    z.Dok = NeuesDokumentAnlegen({DokArt::Bildbeschriftung, {}, "T", "", ""});
    Bearbeitung b(z.Dok);
    b.Zuruecksetzen(true);
    EXPECT_TRUE(z.Dok.Geaendert);
    b.BeschriftungAnlegen({0.1, 0.1}, {0.2, 0.2}, "A");
    b.Stapel.undo();
    EXPECT_TRUE(z.Dok.Geaendert); // never saved
    b.Stapel.redo();
    ASSERT_TRUE(b.Speichern(z, umgebung, meldungen, Pfad("neu.tvl")));
    EXPECT_FALSE(z.Dok.Geaendert);
    EXPECT_EQ(z.Dok.DateiName, Pfad("neu.tvl"));
    b.Stapel.undo();
    EXPECT_TRUE(z.Dok.Geaendert);
    b.Stapel.redo();
    EXPECT_FALSE(z.Dok.Geaendert); // back at the saved state
    EXPECT_TRUE(meldungen.protokoll.empty());

    // Saved, reopened and saved again: the same bytes.
    QFile f(Pfad("neu.tvl"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    Dokument wieder;
    ASSERT_TRUE(DokumentLesen(f, wieder));
    EXPECT_EQ(Bytes(wieder), Bytes(z.Dok));
}

TEST_F(SpeichernTest, AFailedSaveKeepsTheOldFileTheFlagAndTells)
{
    struct Fall
    {
        const char *name;
        std::function<QString()> ziel;
    };
    const Fall faelle[] = {
        {"missing folder", [this] { return Pfad("fehlt/datei.tvl"); }},
        {"read-only file",
         [this] {
             const QString p = Pfad("alt.tvl");
             QFile f(p);
             f.open(QIODevice::WriteOnly);
             f.write("alter Inhalt");
             f.close();
             f.setPermissions(QFile::ReadOwner);
             return p;
         }},
        {"a folder", [this] { return ordner.path(); }},
    };
    for (const Fall &fall : faelle) {
        z.Dok = NeuesDokumentAnlegen({DokArt::Lueckentext, {}, "T", "", ""});
        Bearbeitung b(z.Dok);
        b.LueckentextSetzen("<<a>>");
        const QString ziel = fall.ziel();
        meldungen.Leeren();
        EXPECT_FALSE(b.Speichern(z, umgebung, meldungen, ziel)) << fall.name;
        EXPECT_TRUE(z.Dok.Geaendert) << fall.name;
        EXPECT_TRUE(z.Dok.DateiName.isEmpty()) << fall.name;
        ASSERT_EQ(meldungen.protokoll.size(), 1u) << fall.name;
        EXPECT_EQ(meldungen.protokoll[0].art, "Fehler");
        EXPECT_TRUE(meldungen.protokoll[0].text.contains("Mögliche Ursachen")) << fall.name;
    }
    QFile alt(Pfad("alt.tvl"));
    ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
    EXPECT_EQ(alt.readAll(), "alter Inhalt");
}

TEST(NeuesDokument, PicturesAreMadeOpaqueAndLargeOnesScaledDown)
{
    struct Fall
    {
        QSize roh;
        QSize erwartet;
    };
    const Fall faelle[] = {{{800, 600}, {800, 600}},
                           {{4000, 3000}, {BasisBildMaxKante, BasisBildMaxKante * 3 / 4}},
                           {{1000, 5000}, {BasisBildMaxKante / 5, BasisBildMaxKante}}};
    for (const Fall &f : faelle) {
        QImage roh(f.roh, QImage::Format_ARGB32);
        roh.fill(Qt::transparent);
        const QImage b = BasisBildVorbereiten(roh);
        EXPECT_EQ(b.size(), f.erwartet);
        EXPECT_FALSE(b.hasAlphaChannel());
        EXPECT_EQ(b.pixel(0, 0), qRgb(255, 255, 255));
    }
    EXPECT_TRUE(BasisBildVorbereiten({}).isNull());
}

TEST(NeuesDokument, EachKindGetsItsPictureAndStructure)
{
    const Dokument fragen = NeuesDokumentAnlegen({DokArt::Einzelfragen, {}, "T", "A", "B"});
    EXPECT_EQ(fragen.Objekte.size(), 5); // the navigation
    EXPECT_EQ(fragen.AnzFrageNummern, 0);
    EXPECT_NE(fragen.BasisBild.size(), QSize(870, 600)); // the question card
    const Dokument bild = NeuesDokumentAnlegen({DokArt::Bildbeschriftung, {}, "T", "A", "B"});
    EXPECT_TRUE(bild.Objekte.isEmpty());
    EXPECT_EQ(bild.BasisBild.size(), QSize(870, 600));
    EXPECT_EQ(bild.Titel, "T");
    EXPECT_EQ(bild.Autor, "A");
    EXPECT_EQ(bild.Bemerkung, "B");
}

} // namespace
