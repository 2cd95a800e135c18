// Tests that every shipped document loads, labels its parts and passes the check.
#include "Cp1252.h"
#include "InhaltHilfen.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

TEST(InhaltDokumente, EveryShippedDocumentLoadsWithItsOwnTitle)
{
    const QStringList dateien = QDir(InhaltOrdner()).entryList({"*.tvl"}, QDir::Files, QDir::Name);
    EXPECT_EQ(dateien,
              QStringList({"aufbau-einer-flagge.tvl", "farben-und-zeichen.tvl", "flaggen-afrika.tvl",
                           "flaggen-asien.tvl", "flaggen-der-welt.tvl", "flaggen-europa.tvl",
                           "flaggen-nord-und-mittelamerika.tvl", "flaggen-ozeanien.tvl", "flaggen-suedamerika.tvl"}));
    QSet<QString> titel;
    for (const QString &d : dateien) {
        const Dokument dok = InhaltDokument(d);
        EXPECT_FALSE(dok.Titel.isEmpty()) << qPrintable(d);
        EXPECT_FALSE(titel.contains(dok.Titel)) << qPrintable(d);
        titel.insert(dok.Titel);
        EXPECT_FALSE(dok.BasisBild.isNull()) << qPrintable(d);
        EXPECT_GE(dok.BasisBild.width(), 600) << qPrintable(d);
        for (const DokObjekt &o : dok.Objekte) {
            EXPECT_TRUE(IstCp1252Darstellbar(o.Cap));
            for (double f : {o.Sx, o.Sy, o.Kx, o.Ky}) {
                EXPECT_GE(f, 0.0) << qPrintable(d + ": " + o.Cap);
                EXPECT_LE(f, 1.0) << qPrintable(d + ": " + o.Cap);
            }
        }
    }
}

TEST(InhaltDokumente, FlagAnatomyLabelsEveryPart)
{
    const Dokument dok = InhaltDokument("aufbau-einer-flagge.tvl");
    EXPECT_EQ(dok.DokTyp, DokArt::Bildbeschriftung);
    QStringList beschriftungen;
    for (const DokObjekt &o : dok.Objekte) {
        EXPECT_EQ(o.Typ, ObjektTyp::Beschriftung);
        EXPECT_EQ(o.Sline, 1) << qPrintable(o.Cap);
        EXPECT_EQ(o.Ebene, 1) << qPrintable(o.Cap);
        beschriftungen << o.Cap;
    }
    beschriftungen.sort();
    EXPECT_EQ(beschriftungen,
              QStringList({"Feld", "Flaggenmast", "Flugende", "Liek", "Obereck (Kanton)", "Streifen", "Wappen"}));
}

TEST(InhaltDokumente, ClozeTextHasOneGapObjectPerGapInOrder)
{
    const Dokument dok = InhaltDokument("farben-und-zeichen.tvl");
    EXPECT_EQ(dok.DokTyp, DokArt::Lueckentext);
    EXPECT_TRUE(dok.Lueckentext.contains("<B>"));
    QStringList luecken;
    static const QRegularExpression luecke("<<(.*?)>>");
    for (auto it = luecke.globalMatch(dok.Lueckentext); it.hasNext();)
        luecken << it.next().captured(1);
    QStringList objekte;
    for (const DokObjekt &o : dok.Objekte)
        if (o.Typ == ObjektTyp::Luecke)
            objekte << o.Cap;
    EXPECT_GE(luecken.size(), 5);
    EXPECT_EQ(objekte, luecken);
    EXPECT_EQ(QSet<QString>(luecken.begin(), luecken.end()).size(), luecken.size()) << "gap words repeat";
}

} // namespace

#include <QProcess>

namespace {

TEST(InhaltDokumente, EveryShippedDocumentPassesTvlCheck)
{
    QStringList dateien;
    for (const QString &d : QDir(InhaltOrdner()).entryList({"*.tvl"}, QDir::Files))
        dateien << InhaltOrdner() + d;
    ASSERT_FALSE(dateien.isEmpty());
    QProcess p;
    p.start(TVL_PROGRAMM, QStringList{"check"} + dateien);
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString aus = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_EQ(p.exitCode(), 0) << qPrintable(aus) << p.readAllStandardError().constData();
    EXPECT_EQ(aus.count(": ok ("), dateien.size()) << qPrintable(aus);
}

} // namespace

#include "Szene.h"

namespace {

// In the learning view every drawn box of every shipped document lies on
// its picture, from the smallest window to full screen at 100 %, and at
// 200 % in the windows no wider than the picture. (In a window wider than
// the picture the scale unit follows the wider display at 200 %, so text
// grows past the zoomed picture: a matter of the scene, not the content.)
TEST(InhaltDokumente, EveryDrawnBoxOfTheLearningViewLiesOnThePicture)
{
    // The picture control of the learning view with the tool bar: the
    // smallest window, 1280 x 1024 and 1920 x 1080.
    const struct
    {
        QSize steuer;
        QList<int> zoom;
    } faelle[] = {{{713, 555}, {0, 4}}, {{1093, 929}, {0, 4}}, {{1733, 985}, {0}}};
    for (const QString &name : QDir(InhaltOrdner()).entryList({"*.tvl"}, QDir::Files, QDir::Name)) {
        DokumentZustand zustand;
        zustand.Dok = InhaltDokument(name);
        Szene szene(zustand, Dienste{});
        szene.ProgOrdner = InhaltOrdner();
        szene.Zustand.AnsichtModus = AnsichtArt::Startseite;
        szene.LernansichtSichtbar = true;
        for (const auto &f : faelle)
            for (int zoom : f.zoom) {
                const QSize g = f.steuer;
                for (DokObjekt &o : zustand.Dok.Objekte)
                    o.Rahmen = {-1, -1, -1, -1};
                szene.SteuerGroesse = g;
                szene.ZoomSetzen(zoom);
                szene.SzeneAufbauen();
                for (const DokObjekt &o : zustand.Dok.Objekte) {
                    const Rechteck &r = o.Rahmen;
                    if (r.Right <= r.Left || r.Bottom <= r.Top)
                        continue; // not drawn
                    EXPECT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Right <= 1 && r.Bottom <= 1)
                        << qPrintable(name) << " " << g.width() << "x" << g.height() << " zoom " << zoom << ": \""
                        << qPrintable(o.Cap) << "\" " << r.Left << " " << r.Top << " " << r.Right << " " << r.Bottom;
                }
            }
    }
}

} // namespace
