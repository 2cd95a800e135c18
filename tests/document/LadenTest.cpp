// Tests of loading and saving documents with their messages and window effects.
#include "Dateifehler.h"
#include "DokTestHilfen.h"
#include "DokumentDatei.h"
#include "DokumentLaden.h"
#include "Ordner.h"
#include "TestDienste.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class DokumentLadenTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    TestMeldungen meldungen;
    TestDokumentUmgebung umgebung;
    DokumentZustand z;

    QString Pfad(const QString &name) const { return dir.path() + "/" + name; }

    QString Beispiel(const QString &name, const Dokument &d = BeispielDokument())
    {
        const QString p = Pfad(name);
        DateiSchreiben(p, Geschrieben(d));
        return p;
    }

    // A document in memory as if loaded earlier.
    void VorherGeladen()
    {
        z.Dok = BeispielDokument();
        z.Dok.Titel = "Vorher";
        z.Dok.DateiName = "/vorher.tvl";
        z.ThemenIndex = 3;
    }

    void ErwarteGeschlossen()
    {
        EXPECT_EQ(z.Dok.DateiName, "");
        EXPECT_EQ(z.Dok.Titel, "");
        EXPECT_EQ(z.Dok.Vers, "1.00");
        EXPECT_TRUE(z.Dok.Objekte.isEmpty());
        EXPECT_TRUE(z.Dok.BasisBild.isNull());
        EXPECT_EQ(z.ThemenIndex, -1);
        EXPECT_TRUE(umgebung.aufrufe.contains("Schliessen"));
        EXPECT_FALSE(umgebung.warteCursorAn);
    }
};

} // namespace

TEST_F(DokumentLadenTest, LoadingFillsTheDocumentAndResetsTheView)
{
    Ordner().AktOrdner = "/anderswo/";
    VorherGeladen();
    const QString p = Beispiel("flaggen.tvl");
    ASSERT_TRUE(LadeDokument(z, umgebung, meldungen, p, true));
    EXPECT_TRUE(meldungen.protokoll.empty());
    EXPECT_EQ(z.Dok.DateiName, p);
    EXPECT_EQ(z.Dok.Titel, "Flaggen Europas – Ü€");
    EXPECT_EQ(z.Dok.Objekte.size(), 2);
    EXPECT_FALSE(z.Dok.Geaendert);
    EXPECT_EQ(z.ThemenIndex, -1);
    EXPECT_EQ(Ordner().VorigesDokument, "/vorher.tvl");
    EXPECT_EQ(Ordner().AktOrdner, dir.path() + "/");
    EXPECT_EQ(umgebung.aufrufe, (QStringList{"DokTyp0", "WarteCursor an", "DokTyp2", "Zoom", "Startseite", "ZiehMarken",
                                             "WarteCursor aus"}));
}

TEST_F(DokumentLadenTest, WithoutFolderSwitchTheFolderStays)
{
    Ordner().AktOrdner = "/anderswo/";
    Dokument d = BeispielDokument();
    d.DokTyp = DokArt(7);
    const QString p = Beispiel("x.tvl", d);
    ASSERT_TRUE(LadeDokument(z, umgebung, meldungen, p, false));
    EXPECT_EQ(Ordner().AktOrdner, "/anderswo/");
    EXPECT_FALSE(umgebung.aufrufe.contains("Startseite"));
    // An unknown type checks the first entry.
    EXPECT_EQ(umgebung.aufrufe.mid(2, 1), QStringList{"DokTyp0"});
    EXPECT_EQ(int(z.Dok.DokTyp), 7);
}

TEST_F(DokumentLadenTest, MissingFileLeavesTheDocumentAlone)
{
    VorherGeladen();
    const QString p = Pfad("fehlt.tvl");
    EXPECT_FALSE(LadeDokument(z, umgebung, meldungen, p, true));
    EXPECT_EQ(meldungen.Texte(), QStringList{DateiFehltText(p)});
    EXPECT_EQ(z.Dok.Titel, "Vorher");
    EXPECT_EQ(z.Dok.DateiName, "/vorher.tvl");
    EXPECT_EQ(z.ThemenIndex, 3);
    EXPECT_TRUE(umgebung.aufrufe.isEmpty());
}

TEST_F(DokumentLadenTest, WrongMagicShowsBothMessagesInOrderAndClosesTheDocument)
{
    VorherGeladen();
    const QString p = Pfad("falsch.tvl");
    QByteArray bytes = Geschrieben(BeispielDokument());
    bytes[7] = '_'; // "KMF_1.01"
    DateiSchreiben(p, bytes);
    EXPECT_FALSE(LadeDokument(z, umgebung, meldungen, p, true));
    EXPECT_EQ(meldungen.Texte(), (QStringList{"Ungültiges Dateiformat.", LeseFehlerText(p)}));
    ErwarteGeschlossen();
    EXPECT_FALSE(umgebung.aufrufe.contains("WarteCursor an"));

    // An empty file is no topic document either.
    meldungen.Leeren();
    DateiSchreiben(p, {});
    EXPECT_FALSE(LadeDokument(z, umgebung, meldungen, p, true));
    EXPECT_EQ(meldungen.Texte(), (QStringList{"Ungültiges Dateiformat.", LeseFehlerText(p)}));
}

TEST_F(DokumentLadenTest, CutFileShowsTheReadErrorAndClosesTheDocument)
{
    VorherGeladen();
    const QString p = Pfad("kurz.tvl");
    DateiSchreiben(p, Geschrieben(BeispielDokument()).chopped(20));
    EXPECT_FALSE(LadeDokument(z, umgebung, meldungen, p, true));
    EXPECT_EQ(meldungen.Texte(), QStringList{LeseFehlerText(p)});
    ErwarteGeschlossen();
    EXPECT_EQ(umgebung.aufrufe.last(), "WarteCursor aus");
    EXPECT_EQ(Ordner().VorigesDokument, "/vorher.tvl");
}

TEST_F(DokumentLadenTest, ReadOnlyFileCanBeLoadedButNotSavedOver)
{
    const QString p = Beispiel("nurlesen.tvl");
    const QByteArray vorher = DateiLesen(p);
    ASSERT_TRUE(QFile::setPermissions(p, QFile::ReadOwner | QFile::ReadGroup));
    ASSERT_TRUE(LadeDokument(z, umgebung, meldungen, p, false));

    z.Dok.Titel = "Geändert";
    z.Dok.Geaendert = true;
    z.Dok.DateiName = "/woanders.tvl";
    umgebung.aufrufe.clear();
    EXPECT_FALSE(SpeichereDokument(z, umgebung, meldungen, p, true));
    EXPECT_EQ(meldungen.Texte(), QStringList{SchreibFehlerText(p)});
    EXPECT_EQ(z.Dok.DateiName, "/woanders.tvl");
    EXPECT_TRUE(z.Dok.Geaendert);
    EXPECT_EQ(DateiLesen(p), vorher);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"nurlesen.tvl"});
    EXPECT_FALSE(umgebung.warteCursorAn);
}

TEST_F(DokumentLadenTest, SaveAdoptsThePathOnlyWhenAsked)
{
    z.Dok = BeispielDokument();
    z.Dok.DateiName = "/alt.tvl";
    z.Dok.Geaendert = true;
    const QString kopie = Pfad("kopie.tvl");
    ASSERT_TRUE(SpeichereDokument(z, umgebung, meldungen, kopie, false));
    EXPECT_EQ(z.Dok.DateiName, "/alt.tvl");
    EXPECT_TRUE(z.Dok.Geaendert);
    EXPECT_EQ(DateiLesen(kopie), Geschrieben(z.Dok));

    const QString neu = Pfad("neu.tvl");
    ASSERT_TRUE(SpeichereDokument(z, umgebung, meldungen, neu, true));
    EXPECT_EQ(z.Dok.DateiName, neu);
    EXPECT_FALSE(z.Dok.Geaendert);
    EXPECT_TRUE(meldungen.protokoll.empty());
    EXPECT_EQ(umgebung.aufrufe,
              (QStringList{"WarteCursor an", "WarteCursor aus", "WarteCursor an", "WarteCursor aus"}));
}

TEST_F(DokumentLadenTest, FailedSaveKeepsTheOldFile)
{
    // The picture cannot be encoded: the target must keep its old content.
    const QString p = Beispiel("alt.tvl");
    const QByteArray vorher = DateiLesen(p);
    z.Dok = BeispielDokument();
    z.Dok.BasisBild = QImage();
    z.Dok.Geaendert = true;
    EXPECT_FALSE(SpeichereDokument(z, umgebung, meldungen, p, true));
    EXPECT_EQ(meldungen.Texte(), QStringList{SchreibFehlerText(p)});
    EXPECT_EQ(DateiLesen(p), vorher);
    EXPECT_EQ(z.Dok.DateiName, "");
    EXPECT_TRUE(z.Dok.Geaendert);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"alt.tvl"});

    meldungen.Leeren();
    const QString ohneOrdner = Pfad("gibtsnicht/x.tvl");
    z.Dok = BeispielDokument();
    EXPECT_FALSE(SpeichereDokument(z, umgebung, meldungen, ohneOrdner, true));
    EXPECT_EQ(meldungen.Texte(), QStringList{SchreibFehlerText(ohneOrdner)});
}

TEST_F(DokumentLadenTest, SavedFileLoadsBackAndResavesIdentically)
{
    z.Dok = BeispielDokument(30, 20, 12);
    const QString a = Pfad("a.tvl"), b = Pfad("b.tvl");
    ASSERT_TRUE(SpeichereDokument(z, umgebung, meldungen, a, true));
    DokumentZustand z2;
    ASSERT_TRUE(LadeDokument(z2, umgebung, meldungen, a, false));
    ASSERT_TRUE(SpeichereDokument(z2, umgebung, meldungen, b, true));
    EXPECT_EQ(DateiLesen(a), DateiLesen(b));
}

TEST_F(DokumentLadenTest, TitleIsReadSilently)
{
    QString titel = "unverändert";
    const QString p = Beispiel("t.tvl");
    ASSERT_TRUE(LeseTitel(p, titel));
    EXPECT_EQ(titel, "Flaggen Europas – Ü€");

    titel = "unverändert";
    EXPECT_FALSE(LeseTitel(Pfad("fehlt.tvl"), titel));
    QByteArray bytes = Geschrieben(BeispielDokument());
    bytes[6] = 'X';
    const QString falsch = Pfad("falsch.tvl");
    DateiSchreiben(falsch, bytes);
    EXPECT_FALSE(LeseTitel(falsch, titel));
    const QString kurz = Pfad("kurz.tvl");
    DateiSchreiben(kurz, bytes.left(30));
    EXPECT_FALSE(LeseTitel(kurz, titel));
    EXPECT_EQ(titel, "unverändert");
    EXPECT_TRUE(meldungen.protokoll.empty());
}

TEST_F(DokumentLadenTest, LongTitlesBeyondTheFirstBlockAreReadToo)
{
    Dokument d = BeispielDokument();
    d.Vers = QString(3000, 'v');
    d.Titel = QString(5000, QChar(0xE4)) + "Ende";
    const QString p = Beispiel("lang.tvl", d);
    QString titel;
    ASSERT_TRUE(LeseTitel(p, titel));
    EXPECT_EQ(titel, d.Titel);

    // Cut inside such a title: refused.
    const QString kurz = Pfad("lang-kurz.tvl");
    DateiSchreiben(kurz, DateiLesen(p).left(6000));
    EXPECT_FALSE(LeseTitel(kurz, titel));
    // Cut inside a short title that fits the first block: refused as well.
    Dokument k = BeispielDokument();
    k.Titel = "Kurzer Titel";
    const QByteArray bytes = Geschrieben(k);
    DateiSchreiben(kurz, bytes.left(bytes.indexOf("Kurzer Titel") + 5));
    EXPECT_FALSE(LeseTitel(kurz, titel));
    DateiSchreiben(kurz, bytes.left(bytes.indexOf("Kurzer Titel") + 12));
    ASSERT_TRUE(LeseTitel(kurz, titel)); // nothing after the title is needed
    EXPECT_EQ(titel, "Kurzer Titel");
}
