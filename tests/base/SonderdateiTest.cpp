// Tests that FIFOs and links are never read, followed or written into.
#include "AlsaKlang.h"
#include "BildDatei.h"
#include "DateiSperre.h"
#include "SichereDatei.h"
#include "Sonderdateien.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
bool Schreiben(const QString &pfad, const QByteArray &b)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(b) == b.size();
}
QByteArray Lesen(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}
} // namespace

// A pupil can put a FIFO under any name in a shared folder: every reader
// must refuse it at once instead of waiting for a writer.
TEST(Sonderdateien, FifoWirdVonAllenLesernSofortAbgelehnt)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("falle");
    ASSERT_TRUE(FifoAnlegen(fifo));

    bool gesperrtLesen = true, gesperrtSchreiben = true, wav = true, png = true, roh = true;
    EXPECT_TRUE(KehrtZurueck(fifo, [&] {
        GesperrteDatei d;
        gesperrtLesen = d.Oeffnen(fifo, GesperrteDatei::Art::Lesen);
    }));
    EXPECT_TRUE(KehrtZurueck(fifo, [&] {
        GesperrteDatei d;
        gesperrtSchreiben = d.Oeffnen(fifo, GesperrteDatei::Art::Schreiben);
    }));
    EXPECT_TRUE(KehrtZurueck(fifo, [&] {
        WavDaten w;
        wav = WavLesen(fifo, w);
    }));
    EXPECT_TRUE(KehrtZurueck(fifo, [&] {
        QImage b;
        png = PngLesenDatei(fifo, b);
    }));
    EXPECT_TRUE(KehrtZurueck(fifo, [&] {
        QByteArray b;
        roh = RegulaereDateiLesen(fifo, 1000, b);
    }));
    EXPECT_FALSE(gesperrtLesen);
    EXPECT_FALSE(gesperrtSchreiben);
    EXPECT_FALSE(wav);
    EXPECT_FALSE(png);
    EXPECT_FALSE(roh);
    EXPECT_TRUE(IstFifo(fifo));

    // A regular file still reads, within its bound only.
    const QString datei = dir.filePath("echt");
    ASSERT_TRUE(Schreiben(datei, "12345"));
    QByteArray b;
    EXPECT_TRUE(RegulaereDateiLesen(datei, 5, b));
    EXPECT_EQ(b, "12345");
    EXPECT_FALSE(RegulaereDateiLesen(datei, 4, b));
    EXPECT_FALSE(RegulaereDateiLesen(dir.filePath("fehlt"), 100, b));
    EXPECT_FALSE(RegulaereDateiLesen(dir.path(), 100, b)); // a folder
}

// A writer that followed a link would write wherever the link points.
TEST(Sonderdateien, SchreiberFolgtKeinemLinkUndLegtKeinLinkzielAn)
{
    QTemporaryDir dir;
    const QString fremd = dir.filePath("fremd.txt");
    ASSERT_TRUE(Schreiben(fremd, "unberuehrt"));
    const QString link = dir.filePath("eins.hsc");
    ASSERT_TRUE(LinkAnlegen(fremd, link));
    GesperrteDatei d;
    EXPECT_FALSE(d.Oeffnen(link, GesperrteDatei::Art::Schreiben));
    EXPECT_EQ(Lesen(fremd), "unberuehrt");

    const QString ins = dir.filePath("neu-angelegt");
    const QString haengend = dir.filePath("zwei.hsc");
    ASSERT_TRUE(LinkAnlegen(ins, haengend));
    EXPECT_FALSE(d.Oeffnen(haengend, GesperrteDatei::Art::Schreiben));
    EXPECT_FALSE(QFileInfo::exists(ins));

    // Readers may follow a link to a regular file.
    EXPECT_TRUE(d.Oeffnen(link, GesperrteDatei::Art::Lesen));
    d.Schliessen();
    // A plain new file is still created.
    EXPECT_TRUE(d.Oeffnen(dir.filePath("drei.hsc"), GesperrteDatei::Art::Schreiben));
}

TEST(Sonderdateien, SpeicherzielNurNeuOderRegulaer)
{
    QTemporaryDir dir;
    const QString echt = dir.filePath("echt.tvl");
    ASSERT_TRUE(Schreiben(echt, "x"));
    const QString fifo = dir.filePath("fifo.tvl");
    ASSERT_TRUE(FifoAnlegen(fifo));
    ASSERT_TRUE(LinkAnlegen(echt, dir.filePath("zu-echt.tvl")));
    ASSERT_TRUE(LinkAnlegen(fifo, dir.filePath("zu-fifo.tvl")));
    ASSERT_TRUE(LinkAnlegen(dir.filePath("nichts"), dir.filePath("haengend.tvl")));

    EXPECT_TRUE(SpeicherzielErlaubt(dir.filePath("neu.tvl")));
    EXPECT_TRUE(SpeicherzielErlaubt(echt));
    EXPECT_TRUE(SpeicherzielErlaubt(dir.filePath("zu-echt.tvl")));
    EXPECT_FALSE(SpeicherzielErlaubt(fifo));
    EXPECT_FALSE(SpeicherzielErlaubt(dir.filePath("zu-fifo.tvl")));
    EXPECT_FALSE(SpeicherzielErlaubt(dir.filePath("haengend.tvl")));
    EXPECT_FALSE(SpeicherzielErlaubt(dir.path()));
    EXPECT_FALSE(SpeicherzielErlaubt("/dev/null"));
}

// Exported pictures go through a temporary file and a rename, which would
// put a regular file in place of a FIFO or device.
TEST(Sonderdateien, BildExportErsetztKeineSonderdatei)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("ansicht.png");
    ASSERT_TRUE(FifoAnlegen(fifo));
    QImage bild(4, 4, QImage::Format_RGB32);
    bild.fill(Qt::red);
    EXPECT_FALSE(PngSchreibenDatei(fifo, bild));
    EXPECT_FALSE(JpegSchreibenDatei(fifo, bild));
    EXPECT_TRUE(IstFifo(fifo));
    EXPECT_TRUE(PngSchreibenDatei(dir.filePath("gut.png"), bild));
}
