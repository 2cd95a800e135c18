// Worksheet files for a whole class: sets in one file, the paper size of
// SVG, lossless sharp pictures, transparent overlays.
#include "BlattHilfe.h"

#include "BlattExport.h"
#include "ProgrammLauf.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

Blatt Bauen(BlattTest &t, const char *dok, BlattArt art)
{
    EXPECT_TRUE(t.Laden(dok));
    ArbeitsblattOptionen o;
    o.Art = art;
    return t.Bauen(o);
}

QString Poppler(const QString &programm, const QStringList &args)
{
    return Ausfuehren(QStandardPaths::findExecutable(programm), args).aus;
}

} // namespace

TEST(BlattAusgabe, SvgHatDiePapiergroesseDerMetadateien)
{
    Blatt b;
    const QByteArray emf = BlattDaten(b, BlattFormat::Emf);
    auto frame = [&emf](int i) { return qFromLittleEndian<qint32>(emf.constData() + 24 + 4 * qsizetype(i)) / 100.0; };
    static const QRegularExpression re("<svg[^>]*width=\"([\\d.]+)mm\"[^>]*height=\"([\\d.]+)mm\"");
    const auto m = re.match(QString::fromUtf8(BlattDaten(b, BlattFormat::Svg)));
    ASSERT_TRUE(m.hasMatch());
    EXPECT_NEAR(m.captured(1).toDouble(), frame(2) - frame(0), 2);
    EXPECT_NEAR(m.captured(2).toDouble(), frame(3) - frame(1), 3);
}

TEST(BlattAusgabe, NurDieFolieIstDurchsichtigUndPdfBilderSindVerlustfreiInDruckaufloesung)
{
    const bool poppler = !QStandardPaths::findExecutable("pdfimages").isEmpty();
    QTemporaryDir dir;
    for (BlattArt art : {BlattArt::Arbeitsblatt, BlattArt::Loesungsblatt, BlattArt::Auflegefolie}) {
        BlattTest t;
        const Blatt b = Bauen(t, "aufbau-einer-flagge.tvl", art);
        const QImage png = QImage::fromData(BlattDaten(b, BlattFormat::Png), "PNG");
        int frei = 0, rot = 0;
        for (int y = 0; y < png.height(); y += 3)
            for (int x = 0; x < png.width(); x += 3) {
                const QRgb c = png.pixel(x, y);
                frei += qAlpha(c) == 0;
                rot += qAlpha(c) > 200 && qRed(c) > 150 && qGreen(c) < 100;
            }
        const int alle = ((png.width() + 2) / 3) * ((png.height() + 2) / 3);
        EXPECT_EQ(frei > alle * 9 / 10, art == BlattArt::Auflegefolie);
        EXPECT_EQ(frei == 0, art != BlattArt::Auflegefolie);
        EXPECT_TRUE(rot > 0 || art != BlattArt::Auflegefolie); // the red solutions show
        // The SVG leaves out the white sheet on the overlay only.
        EXPECT_EQ(BlattDaten(b, BlattFormat::Svg).contains("fill=\"#ffffff\""), art != BlattArt::Auflegefolie);
        if (!poppler)
            continue;
        // The labelling picture prints at 300 dpi or more, not as JPEG.
        ASSERT_TRUE(BlattSpeichern(b, dir.filePath("b.pdf"), BlattFormat::Pdf));
        int bilder = 0;
        for (const QString &z : Poppler("pdfimages", {"-list", dir.filePath("b.pdf")}).split('\n').mid(2)) {
            const QStringList f = z.simplified().split(' ');
            if (f.size() < 14 || f[2] == "smask")
                continue;
            ++bilder;
            EXPECT_NE(f[8], "jpeg");
            EXPECT_GE(f[12].toInt(), 300);
        }
        EXPECT_EQ(bilder, 1);
    }
}

TEST(TvlArbeitsblatt, AlleBlaetterDerWeltInEinerPdfJedeFrageGenauEinmal)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "poppler-utils fehlen";
    QTemporaryDir dir;
    BlattTest t;
    ASSERT_TRUE(t.Laden("flaggen-der-welt.tvl"));
    const qsizetype fragen = FragenAusText(t.Dok().Fragentext).size();
    int seiten[2] = {0, 0};
    const char *listen[2] = {"alle", "blatt"};
    for (int i = 0; i < 2; ++i) {
        const QString pdf = dir.filePath(QString("welt-%1.pdf").arg(listen[i]));
        const ProgrammLauf l =
            Ausfuehren(TVL_PROGRAMM, {"arbeitsblatt", QString(PENNORIA_QUELLE) + "/content/flaggen-der-welt.tvl", "-o",
                                      pdf, "--alle", "--wortliste", listen[i]});
        ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
        static const QRegularExpression re("Pages:\\s+(\\d+)");
        seiten[i] = re.match(Poppler("pdfinfo", {pdf})).captured(1).toInt();
        EXPECT_EQ(l.aus.trimmed(), QString("%1 Blätter").arg(seiten[i]));
        const QString text = Poppler("pdftotext", {pdf, "-"});
        EXPECT_TRUE(text.contains(QString("Blatt %1 von %1").arg(seiten[i]))) << listen[i];
        static const QRegularExpression frage("(?<!\\d)(\\d+)\\. Wie heißt das Land");
        QList<int> n;
        for (auto it = frage.globalMatch(text); it.hasNext();)
            n << it.next().captured(1).toInt();
        std::sort(n.begin(), n.end());
        EXPECT_EQ(n.size(), fragen) << listen[i];
        for (int k = 0; k < n.size(); ++k)
            EXPECT_EQ(n[k], k + 1) << listen[i];
        ::testing::Test::RecordProperty(std::string("Seiten mit Wortliste ") + listen[i], seiten[i]);
    }
    EXPECT_LT(seiten[1], seiten[0]);
}
