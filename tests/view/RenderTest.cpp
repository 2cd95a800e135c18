// Tests of "tvl render" end to end.
#include "BildDatei.h"
#include "DokumentDatei.h"
#include "ProgrammLauf.h"
#include "SzenenHilfe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// tvl render end to end: a document written to disk, rendered by the tool,
// the PNG read back and probed.
namespace {
ProgrammLauf Tvl(const QStringList &args)
{
    return Ausfuehren(QStringLiteral(TVL_PFAD), args);
}

bool Schreiben(const QString &pfad, const Dokument &d)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && DokumentSchreiben(f, d);
}

Dokument Beispiel()
{
    Dokument d;
    d.Titel = "Probe";
    d.BasisBild = Einfarbig(1000, 500, QColor(0, 128, 0));
    DokObjekt l = Objekt(ObjektTyp::Beschriftung, 0.5, 0.5, "Beschriftung");
    l.KAusr = 1;
    d.Objekte << l << Objekt(ObjektTyp::Infopunkt, 0.2, 0.2, "Info", 2);
    return d;
}
} // namespace

TEST(Render, ZeichnetDieSzeneInDerSteuerungsgroesse)
{
    QTemporaryDir dir;
    const QString doc = dir.filePath("probe.tvl"), png = dir.filePath("probe.png");
    ASSERT_TRUE(Schreiben(doc, Beispiel()));

    ProgrammLauf l = Tvl({"render", doc, "-o", png});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    QImage bild;
    ASSERT_TRUE(PngLesenDatei(png, bild));
    EXPECT_EQ(bild.size(), QSize(870, 650));
    // Picture 870 x 435 centred: control colour above, green picture, a
    // light-blue cover right of the middle, the blue info badge.
    EXPECT_EQ(QColor(bild.pixel(5, 5)), QColor(174, 194, 212));
    EXPECT_EQ(QColor(bild.pixel(5, 200)), QColor(0, 128, 0));
    EXPECT_EQ(QColor(bild.pixel(435 + 12, 325)), QColor(202, 228, 255));
    EXPECT_EQ(QColor(bild.pixel(196, 107 + 72 + 4)), QColor(0, 95, 253));

    // Uncovered: the text instead of the cover; quiz look: no info badge.
    ASSERT_EQ(Tvl({"render", doc, "-o", png, "--aufdecken", "--modus", "3"}).code, 0);
    ASSERT_TRUE(PngLesenDatei(png, bild));
    EXPECT_NE(QColor(bild.pixel(435 + 12, 325)), QColor(202, 228, 255));
    EXPECT_EQ(QColor(bild.pixel(196, 107 + 72 + 4)), QColor(0, 128, 0));

    // Another control size, zoomed and without the Illustration layer.
    ASSERT_EQ(Tvl({"render", doc, "-o", png, "--groesse", "400x300", "--zoom", "4", "--ebenen", "011"}).code, 0);
    ASSERT_TRUE(PngLesenDatei(png, bild));
    EXPECT_EQ(bild.size(), QSize(400, 300));
    EXPECT_EQ(QColor(bild.pixel(2, 150)), QColor(Qt::white));
}

TEST(Render, FehlerWerdenGemeldet)
{
    QTemporaryDir dir;
    const QString png = dir.filePath("x.png");
    ProgrammLauf l = Tvl({"render", dir.filePath("fehlt.tvl"), "-o", png});
    EXPECT_NE(l.code, 0);
    EXPECT_TRUE(l.fehler.contains("fehlt.tvl")) << l.fehler.toStdString();
    EXPECT_FALSE(QFile::exists(png));

    l = Tvl({"render", dir.filePath("a.tvl"), "-o", png, "--zoom", "7"});
    EXPECT_EQ(l.code, 2);
    EXPECT_TRUE(l.fehler.contains("--zoom")) << l.fehler.toStdString();

    l = Tvl({"render", dir.filePath("a.tvl")});
    EXPECT_EQ(l.code, 2);

    const QString doc = dir.filePath("probe.tvl");
    ASSERT_TRUE(Schreiben(doc, Beispiel()));
    l = Tvl({"render", doc, "-o", dir.filePath("kein/ordner/x.png")});
    EXPECT_EQ(l.code, 1);
    EXPECT_TRUE(l.fehler.contains("kein/ordner/x.png")) << l.fehler.toStdString();
}
