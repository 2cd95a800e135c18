// Tests of hostile document files: bounded fields, huge files, FIFOs.
#include "Dateifehler.h"
#include "DokTestHilfen.h"
#include "DokumentDatei.h"
#include "DokumentLaden.h"
#include "DokumentModell.h"
#include "Sonderdateien.h"
#include "TestDienste.h"
#include "Themenliste.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {
// The bounds: short texts (title, author, captions) and long ones (cloze
// text, question text, remark).
constexpr qsizetype KurzText = 64 * 1024;
constexpr qsizetype LangText = 4 * 1024 * 1024;

// A valid document whose title, caption or cloze text has n bytes.
QByteArray MitTitel(qsizetype n)
{
    RohDatei r;
    r.Str("KMF-1.01").Str(DokSchluesselListe).Str("1.00").Str(QByteArray(n, 'T')).Str("A").Str("");
    r.Str("").Str("").Int(0).Int(0);
    r.Real(0).Real(0).Real(0).Real(0).Int(0).Int(0).Int(0);
    return r.b + PngBytes();
}
QByteArray MitLueckentext(qsizetype n)
{
    RohDatei r;
    r.Str("KMF-1.01").Str(DokSchluesselListe).Str("1.00").Str("T").Str("A").Str("");
    r.Str(QByteArray(n, 'L')).Str("").Int(0).Int(1);
    r.Real(0).Real(0).Real(0).Real(0).Int(0).Int(0).Int(0);
    return r.b + PngBytes();
}
QByteArray MitBeschriftung(qsizetype n)
{
    RohDatei r;
    r.Str("KMF-1.01").Str(DokSchluesselListe).Str("1.00").Str("T").Str("A").Str("");
    r.Str("").Str("").Int(0).Int(0);
    r.Real(0).Real(0).Real(0).Real(0).Int(0).Int(0).Int(1);
    r.Real(0.1).Real(0.1).Real(0.2).Real(0.2).Str(QByteArray(n, 'c'));
    for (int i = 0; i < 8; ++i)
        r.Int(0);
    return r.b + PngBytes();
}
} // namespace

// Bounds hold whatever the file's size: a sparse file can claim any length.
TEST(FeindlicheDateien, FeldlaengenHabenObergrenzen)
{
    Dokument d;
    EXPECT_TRUE(AusBytes(MitTitel(KurzText), d));
    EXPECT_FALSE(AusBytes(MitTitel(KurzText + 1), d));
    EXPECT_TRUE(AusBytes(MitBeschriftung(KurzText), d));
    EXPECT_FALSE(AusBytes(MitBeschriftung(KurzText + 1), d));
    EXPECT_TRUE(AusBytes(MitLueckentext(LangText), d));
    EXPECT_FALSE(AusBytes(MitLueckentext(LangText + 1), d));

    QString titel;
    for (qsizetype n : {qsizetype(100), qsizetype(5000), qsizetype(KurzText)}) {
        const QByteArray b = MitTitel(n);
        EXPECT_EQ(TitelAusKopf(b.constData(), b.size(), true, titel), KopfErgebnis::Ok) << n;
        EXPECT_EQ(titel.size(), n);
    }
    const QByteArray lang = MitTitel(KurzText + 1);
    EXPECT_EQ(TitelAusKopf(lang.constData(), lang.size(), true, titel), KopfErgebnis::Fehler);
    QBuffer buf;
    buf.setData(lang);
    buf.open(QIODevice::ReadOnly);
    EXPECT_FALSE(TitelLesen(buf, titel));

    // The writer refuses what the reader would refuse, so nothing is saved
    // that cannot be opened again.
    Dokument gross = BeispielDokument();
    gross.Titel = QString(KurzText + 1, 'x');
    QBuffer ziel;
    ziel.open(QIODevice::WriteOnly);
    EXPECT_FALSE(DokumentSchreiben(ziel, gross));
    EXPECT_TRUE(ziel.data().isEmpty());
}

// 4 KB on disk, 1.1 GB apparent, a title that claims 10^9 bytes: the topic
// list and loading give up at once instead of taking gigabytes.
TEST(FeindlicheDateien, LueckenhafteRiesendateiWirdNichtGelesen)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("riese.tvl");
    RohDatei r;
    r.Str("KMF-1.01").Str(DokSchluesselListe).Str("1.00").Int(1000000000).Roh("Titel");
    DateiSchreiben(pfad, r.b);
    ASSERT_EQ(::truncate(QFile::encodeName(pfad).constData(), qint64(1100) * 1000 * 1000), 0);

    QString titel;
    EXPECT_FALSE(LeseTitel(pfad, titel));
    DokumentZustand z;
    TestDokumentUmgebung umgebung;
    TestMeldungen m;
    EXPECT_FALSE(LadeDokument(z, umgebung, m, pfad, false));
    EXPECT_EQ(m.Texte(), QStringList{LeseFehlerText(pfad)});

    // A long but allowed title further in than the first read still counts.
    const QString lang = dir.filePath("lang.tvl");
    DateiSchreiben(lang, MitTitel(20000));
    EXPECT_TRUE(LeseTitel(lang, titel));
    EXPECT_EQ(titel, QString(20000, 'T'));
}

// A FIFO among the topics used to hang the topic list for good.
TEST(FeindlicheDateien, FifoUnterDenThemenHaengtNichts)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("a-falle.tvl");
    ASSERT_TRUE(FifoAnlegen(fifo));
    DateiSchreiben(dir.filePath("b-echt.tvl"), Geschrieben(BeispielDokument()));

    QList<ThemenEintrag> liste;
    EXPECT_TRUE(KehrtZurueck(fifo, [&] { liste = ThemenEinlesen(dir.path(), LeseTitel); }));
    ASSERT_EQ(liste.size(), 1);
    EXPECT_EQ(QFileInfo(liste[0].Pfad).fileName(), "b-echt.tvl");

    // Opening it by name (tvl info, tvl check, a document link) refuses it.
    QString titel;
    bool titelOk = true, geladen = true;
    DokumentZustand z;
    TestDokumentUmgebung umgebung;
    TestMeldungen m;
    EXPECT_TRUE(KehrtZurueck(fifo, [&] { titelOk = LeseTitel(fifo, titel); }));
    EXPECT_TRUE(KehrtZurueck(fifo, [&] { geladen = LadeDokument(z, umgebung, m, fifo, false); }));
    EXPECT_FALSE(titelOk);
    EXPECT_FALSE(geladen);
    EXPECT_EQ(m.Texte(), QStringList{LeseFehlerText(fifo)});
}

// Saving through a temporary file and a rename put a regular file in place
// of the FIFO or device.
TEST(FeindlicheDateien, SpeichernErsetztKeineSonderdatei)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("ziel.tvl");
    ASSERT_TRUE(FifoAnlegen(fifo));
    const QString haengend = dir.filePath("link.tvl");
    ASSERT_TRUE(LinkAnlegen(dir.filePath("irgendwo.tvl"), haengend));

    DokumentZustand z;
    z.Dok = BeispielDokument();
    TestDokumentUmgebung umgebung;
    for (const QString &ziel : {fifo, haengend}) {
        TestMeldungen m;
        bool ok = true;
        EXPECT_TRUE(KehrtZurueck(fifo, [&] { ok = SpeichereDokument(z, umgebung, m, ziel, true); }));
        EXPECT_FALSE(ok) << qPrintable(ziel);
        EXPECT_EQ(m.Texte(), QStringList{SchreibFehlerText(ziel)});
    }
    EXPECT_TRUE(IstFifo(fifo));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("irgendwo.tvl")));

    // A regular file is still replaced.
    TestMeldungen m;
    const QString gut = dir.filePath("gut.tvl");
    DateiSchreiben(gut, "alt");
    EXPECT_TRUE(SpeichereDokument(z, umgebung, m, gut, true));
    EXPECT_EQ(DateiLesen(gut), Geschrieben(z.Dok));
}
