// Tests of moving between topic documents and folders.
#include "DokumentLaden.h"
#include "DokumentUmgebung.h"
#include "NavigationsFenster.h"
#include "Ordner.h"
#include "TestDienste.h"
#include "TestDokumente.h"
#include "ThemenNavigation.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// A main window that records what navigation asks of it.
class TestFenster : public INavigationsFenster, public StilleDokumentUmgebung
{
public:
    bool quizErlaubt = true;
    int modus = 2;
    int gespeichert = 0;
    int schliessungen = 0;
    QStringList menue;
    int haken = -1;
    int umbruch = -1;
    QString fensterTitel, titelLabel;
    QString dateiAntwort, ordnerAntwort;
    QString dialogOrdner, dialogDatei;
    ThemenNavigation *nav = nullptr;

    bool QuizWirklichAbbrechen() override { return quizErlaubt; }
    bool speichernGelingt = true;
    bool Speichern() override
    {
        ++gespeichert;
        return speichernGelingt;
    }
    void ThemenMenueSetzen(const QList<ThemenEintrag> &l, int u, int h) override
    {
        menue.clear();
        for (int i = 0; i < l.size(); ++i)
            menue << ThemenMenueText(i, l[i]);
        umbruch = u;
        haken = h;
    }
    void ThemaAnhaken(int i) override { haken = i; }
    void TitelSetzen(const QString &f, const QString &l) override
    {
        fensterTitel = f;
        titelLabel = l;
    }
    void StartseiteNachSchliessen() override { ++schliessungen; }
    bool DateiWaehlen(const QString &o, const QString &d, QString &g) override
    {
        dialogOrdner = o;
        dialogDatei = d;
        g = dateiAntwort;
        return !g.isEmpty();
    }
    bool OrdnerWaehlen(const QString &o, QString &g) override
    {
        dialogOrdner = o;
        g = ordnerAntwort;
        return !g.isEmpty();
    }
    AnsichtArt Modus() const override { return AnsichtArt(modus); }
    void DokumentSchliessen() override
    {
        nav->BaueThemenliste();
        StartseiteNachSchliessen();
    }
};

class Navigation : public ::testing::Test
{
protected:
    QTemporaryDir tmp;
    QString o = tmp.path() + "/";
    TestMeldungen m;
    TestFenster f;
    DokumentZustand z;
    std::unique_ptr<ThemenNavigation> nav;

    void SetUp() override
    {
        Ordner().Ableiten(o);
        Ordner().AktOrdner = o;
        ASSERT_TRUE(SchreibeTestDokument(o + "a.tvl", "Afrika", 5));
        ASSERT_TRUE(SchreibeTestDokument(o + "b.tvl", "", 2));
        ASSERT_TRUE(SchreibeTestDokument(o + "c.tvl", "Europa", 7));
        nav = std::make_unique<ThemenNavigation>(z, Ordner(), m, f, f,
                                                 [](const QString &p, QString &t) { return LeseTitel(p, t); });
        f.nav = nav.get();
        nav->BaueThemenliste();
    }
};
}

TEST_F(Navigation, ListAndTitleLineWithoutDocument)
{
    EXPECT_EQ(f.menue, (QStringList{"&1:  Afrika", "&2:  b.tvl", "&3:  Europa"}));
    EXPECT_EQ(f.haken, -1);
    EXPECT_EQ(f.fensterTitel, "Brinvale Pennoria");
    EXPECT_EQ(f.titelLabel, "Wählen Sie im Menü \"Quizauswahl\" das gewünschte Thema aus.");
}

TEST_F(Navigation, ChoosingTopicsMovesCheckmarkAndTitle)
{
    nav->WaehleThema(1);
    EXPECT_EQ(z.Dok.DateiName, o + "b.tvl");
    EXPECT_EQ(z.ThemenIndex, 1);
    EXPECT_EQ(f.haken, 1);
    EXPECT_EQ(f.fensterTitel, "Brinvale Pennoria - ");
    EXPECT_EQ(f.titelLabel, "(ohne Titel) (2 Fragen)");

    nav->NaechstesThema();
    EXPECT_EQ(z.ThemenIndex, 2);
    EXPECT_EQ(f.fensterTitel, "Brinvale Pennoria - Europa");
    EXPECT_EQ(f.titelLabel, "Europa (7 Fragen)");
    nav->NaechstesThema(); // last entry: nothing happens
    EXPECT_EQ(z.ThemenIndex, 2);
    EXPECT_EQ(Ordner().VorigesDokument, o + "b.tvl");

    nav->VorigesThema();
    nav->VorigesThema();
    EXPECT_EQ(z.ThemenIndex, 0);
    const QString vorher = Ordner().VorigesDokument;
    nav->VorigesThema(); // first entry: nothing happens
    EXPECT_EQ(Ordner().VorigesDokument, vorher);
    EXPECT_TRUE(m.protokoll.empty());

    // Neither works while a quiz runs.
    f.modus = 3;
    nav->NaechstesThema();
    EXPECT_EQ(z.ThemenIndex, 0);
}

TEST_F(Navigation, NextWithoutDocumentGoesToFirst)
{
    nav->NaechstesThema();
    EXPECT_EQ(z.Dok.DateiName, o + "a.tvl");
    z.Dok.DateiName.clear();
    z.ThemenIndex = -1;
    nav->VorigesThema();
    EXPECT_EQ(z.Dok.DateiName, o + "a.tvl");
}

TEST_F(Navigation, RefusedQuizGuardChangesNothing)
{
    nav->WaehleThema(0);
    f.quizErlaubt = false;
    nav->WaehleThema(2);
    nav->Startseite();
    nav->Schliessen();
    EXPECT_EQ(z.Dok.DateiName, o + "a.tvl");
    EXPECT_EQ(f.schliessungen, 0);
}

TEST_F(Navigation, SavePromptTextsAndAnswers)
{
    nav->WaehleThema(0);
    z.Dok.Geaendert = true;
    m.antworten = {Antwort::Abbrechen};
    nav->WaehleThema(2);
    EXPECT_EQ(z.Dok.DateiName, o + "a.tvl");
    ASSERT_EQ(m.protokoll.size(), 1u);
    EXPECT_EQ(m.protokoll[0].art, "JaNeinAbbrechen");
    EXPECT_EQ(m.protokoll[0].text, "Änderungen unter \"" + o + "a.tvl\" speichern?");

    m.antworten = {Antwort::Ja};
    nav->WaehleThema(2);
    EXPECT_EQ(f.gespeichert, 1);
    EXPECT_EQ(z.Dok.DateiName, o + "c.tvl");

    z.Dok.DateiName.clear();
    z.Dok.Geaendert = true;
    m.Leeren();
    m.antworten = {Antwort::Nein};
    EXPECT_TRUE(nav->SpeicherAbfrage());
    EXPECT_EQ(m.protokoll[0].text, "Änderungen speichern?");
    EXPECT_EQ(f.gespeichert, 1);
}

TEST_F(Navigation, ASaveThatFailsOnYesKeepsTheChangedDocument)
{
    nav->WaehleThema(0);
    z.Dok.Geaendert = true;
    f.speichernGelingt = false;
    m.antworten = {Antwort::Ja};
    nav->WaehleThema(2);
    EXPECT_EQ(f.gespeichert, 1);
    EXPECT_EQ(z.Dok.DateiName, o + "a.tvl");
    EXPECT_TRUE(z.Dok.Geaendert);
    m.antworten = {Antwort::Ja};
    EXPECT_FALSE(nav->SpeicherAbfrage());
}

TEST_F(Navigation, StartPageReloadsStartDocumentOrClosesToStartFolder)
{
    QDir(o).mkdir("sub");
    ASSERT_TRUE(SchreibeTestDokument(o + "sub/x.tvl", "X"));
    Ordner().StartOrdner = o;
    nav->OeffnenDatei.clear();
    f.dateiAntwort = o + "sub/x.tvl";
    nav->Oeffnen();
    // Another folder becomes current and the list shows its documents.
    EXPECT_EQ(Ordner().AktOrdner, o + "sub/");
    EXPECT_EQ(f.menue, QStringList{"&1:  X"});
    EXPECT_EQ(f.haken, 0);
    EXPECT_EQ(f.dialogOrdner, o);

    nav->Startseite();
    EXPECT_TRUE(z.Dok.DateiName.isEmpty());
    EXPECT_EQ(Ordner().AktOrdner, o);
    EXPECT_EQ(f.menue.size(), 3);
    EXPECT_EQ(f.schliessungen, 1);

    Ordner().StartDokument = o + "c.tvl";
    nav->Startseite();
    EXPECT_EQ(z.Dok.DateiName, o + "c.tvl");
    EXPECT_EQ(z.ThemenIndex, 2);
    EXPECT_EQ(f.haken, 2);
}

TEST_F(Navigation, PreviouslyShownDocumentTogglesBack)
{
    nav->WaehleThema(0);
    nav->WaehleThema(2);
    nav->ZuletztAngezeigtesDokument();
    EXPECT_EQ(z.Dok.DateiName, o + "a.tvl");
    nav->ZuletztAngezeigtesDokument();
    EXPECT_EQ(z.Dok.DateiName, o + "c.tvl");
    f.modus = 3;
    nav->ZuletztAngezeigtesDokument();
    EXPECT_EQ(z.Dok.DateiName, o + "c.tvl");
}

TEST_F(Navigation, FolderChoiceAndRereadReportCount)
{
    QDir(o).mkdir("zwei");
    ASSERT_TRUE(SchreibeTestDokument(o + "zwei/p.tvl", "P"));
    ASSERT_TRUE(SchreibeTestDokument(o + "zwei/q.tvl", "Q"));
    f.ordnerAntwort = o + "zwei";
    nav->OrdnerWaehlen();
    EXPECT_EQ(Ordner().AktOrdner, o + "zwei/");
    EXPECT_EQ(nav->OeffnenOrdner, o + "zwei/");
    ASSERT_EQ(m.protokoll.size(), 1u);
    EXPECT_EQ(m.protokoll[0].art, "Information");
    EXPECT_EQ(m.protokoll[0].text, "2 Themendokument(e) eingelesen.\r\n"
                                   "Wählen Sie das gewünschte Dokument im Menü \"Themenauswahl\".");
    ASSERT_TRUE(SchreibeTestDokument(o + "zwei/r.tvl", "R"));
    nav->OrdnerNeuEinlesen();
    EXPECT_TRUE(m.protokoll.back().text.startsWith("3 Themendokument(e)"));
}

TEST_F(Navigation, TopicThatDisappearedKeepsCurrentDocument)
{
    nav->WaehleThema(0);
    QFile::remove(o + "c.tvl");
    nav->WaehleThema(2);
    EXPECT_EQ(z.Dok.DateiName, o + "a.tvl");
    EXPECT_EQ(f.haken, 0);
    ASSERT_FALSE(m.protokoll.empty());
    EXPECT_EQ(m.protokoll.back().text, "Die Datei \"" + o + "c.tvl\" existiert nicht.");
}

TEST_F(Navigation, DocumentLinksSearchFoldersInOrder)
{
    QDir(o).mkdir("welt");
    ASSERT_TRUE(SchreibeTestDokument(o + "welt/w.tvl", "W"));
    nav->WaehleThema(0);
    nav->DokumentLinkFolgen("c.tvl"); // beside the current document
    EXPECT_EQ(z.Dok.DateiName, o + "c.tvl");
    nav->DokumentLinkFolgen("welt\\"); // a folder written with a backslash
    EXPECT_EQ(Ordner().AktOrdner, o + "welt/");
    EXPECT_TRUE(z.Dok.DateiName.isEmpty());
    EXPECT_EQ(f.menue, QStringList{"&1:  W"});
    m.Leeren();
    nav->DokumentLinkFolgen("nirgends.tvl");
    ASSERT_EQ(m.protokoll.size(), 1u);
    EXPECT_EQ(m.protokoll[0].text, "Die Datei \"nirgends.tvl\" existiert nicht.");
}

TEST_F(Navigation, ColumnBreakWith31Documents)
{
    for (int i = 0; i < 28; ++i)
        ASSERT_TRUE(SchreibeTestDokument(o + QString("n%1.tvl").arg(i, 2, 10, QChar('0')), "N"));
    nav->BaueThemenliste();
    EXPECT_EQ(f.menue.size(), 31);
    EXPECT_EQ(f.umbruch, 12);
    EXPECT_TRUE(f.menue[9].startsWith("10:  "));
    QFile::remove(o + "n00.tvl");
    nav->BaueThemenliste();
    EXPECT_EQ(f.umbruch, -1);
}
