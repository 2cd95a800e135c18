// A document made in the editor is the file "tvl bau" makes from the same description.
#include "Bearbeitung.h"
#include "DokumentDatei.h"
#include "DokumentUmgebung.h"
#include "NeuesDokument.h"
#include "ProgrammLauf.h"
#include "TestDienste.h"

#include "BildDatei.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

QByteArray Gebaut(const QTemporaryDir &ordner, const QJsonObject &beschreibung)
{
    const QString json = ordner.filePath("beschreibung.json");
    QFile f(json);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QJsonDocument(beschreibung).toJson());
    f.close();
    const QString aus = ordner.filePath("gebaut.tvl");
    const ProgrammLauf l = Ausfuehren(TVL_PROGRAMM, {"bau", json, "-o", aus});
    EXPECT_EQ(l.code, 0) << l.fehler.toStdString();
    QFile t(aus);
    EXPECT_TRUE(t.open(QIODevice::ReadOnly));
    return t.readAll();
}

struct Fall
{
    const char *name;
    DokArt art;
    QJsonObject beschreibung; // without the picture
    std::function<void(Bearbeitung &)> bearbeiten;
};

class WieBauTest : public testing::TestWithParam<Fall>
{
};

TEST_P(WieBauTest, SameBytes)
{
    const Fall &f = GetParam();
    QTemporaryDir ordner;
    QImage bild(300, 200, QImage::Format_RGB32);
    bild.fill(QColor(20, 120, 200));
    for (int x = 0; x < 300; x += 7)
        bild.setPixel(x, x % 200, qRgb(250, 10, 10));
    ASSERT_TRUE(PngSchreibenDatei(ordner.filePath("foto.png"), bild));
    QJsonObject j = f.beschreibung;
    j["DokTyp"] = int(f.art);
    j["Titel"] = "Mein Thema";
    j["Autor"] = "Frau Lehrerin";
    j["Bemerkung"] = "für die 5b";
    j["BasisBild"] = "foto.png";

    QImage gelesen;
    ASSERT_TRUE(BasisBildLaden(ordner.filePath("foto.png"), gelesen));
    Dokument d = NeuesDokumentAnlegen({f.art, gelesen, "Mein Thema", "Frau Lehrerin", "für die 5b"});
    Bearbeitung b(d);
    f.bearbeiten(b);
    EXPECT_EQ(Bytes(d), Gebaut(ordner, j));
}

QJsonArray Beschriftungen()
{
    QJsonArray a;
    const double punkte[5][4] = {{0.1, 0.2, 0.3, 0.1},
                                 {0.25, 0.75, 0.05, 0.9},
                                 {0.5, 0.5, 0.5, 0.1},
                                 {0.8, 0.3, 0.95, 0.05},
                                 {0.123456789, 0.987654321, 0.7, 0.7}};
    const char *texte[5] = {"Rhein", "Alpen", "Hauptstadt\nBerlin", "\"Ostsee\", Küste", "Bodensee"};
    for (int i = 0; i < 5; ++i)
        a.append(QJsonObject{
            {"Sx", punkte[i][0]}, {"Sy", punkte[i][1]}, {"Kx", punkte[i][2]}, {"Ky", punkte[i][3]}, {"Cap", texte[i]}});
    return a;
}

INSTANTIATE_TEST_SUITE_P(
    Arten, WieBauTest,
    testing::Values(
        Fall{"FiveLabels", DokArt::Bildbeschriftung, QJsonObject{{"Objekte", Beschriftungen()}},
             [](Bearbeitung &b) {
                 for (const QJsonValue &v : Beschriftungen()) {
                     const QJsonObject o = v.toObject();
                     ASSERT_EQ(b.BeschriftungAnlegen({o["Sx"].toDouble(), o["Sy"].toDouble()},
                                                     {o["Kx"].toDouble(), o["Ky"].toDouble()}, o["Cap"].toString()),
                               "");
                 }
             }},
        Fall{"ClozeWithThreeGaps", DokArt::Lueckentext,
             QJsonObject{{"Lueckentext",
                          "Die Flagge Italiens ist <<grün>>, weiß und <<rot>>.\r\nDie Flagge <<Japans>> ist weiß."}},
             [](Bearbeitung &b) {
                 ASSERT_EQ(b.LueckentextSetzen("Die Flagge Italiens ist grün, weiß und rot.\r\nDie Flagge Japans "
                                               "ist weiß."),
                           "");
                 // "grün", "rot" and "Japans" become gaps, as selected.
                 ASSERT_EQ(b.LueckeMachen(24, 4), "");
                 ASSERT_EQ(b.LueckeMachen(43, 3), "");
                 ASSERT_EQ(b.LueckeMachen(b.Dok.Lueckentext.indexOf("Japans"), 6), "");
             }},
        Fall{"SixFlags", DokArt::Einzelfragen,
             QJsonObject{
                 {"Fragen", QJsonArray{QJsonObject{{"Frage", "<@img=de.png>Welches Land?"}, {"Antwort", "Deutschland"}},
                                       QJsonObject{{"Frage", "<@img=fr.png>Welches Land?"}, {"Antwort", "Frankreich"}},
                                       QJsonObject{{"Frage", "<@img=it.png>Welches Land?"}, {"Antwort", "Italien"}},
                                       QJsonObject{{"Frage", "<@img=es.png>Welches Land?"}, {"Antwort", "Spanien"}},
                                       QJsonObject{{"Frage", "<@img=pl.png>Welches Land?"}, {"Antwort", "Polen"}},
                                       QJsonObject{{"Frage", "Ohne Flagge"}}}}},
             [](Bearbeitung &b) {
                 const char *laender[5][2] = {{"de", "Deutschland"},
                                              {"fr", "Frankreich"},
                                              {"it", "Italien"},
                                              {"es", "Spanien"},
                                              {"pl", "Polen"}};
                 // Typed in another order and mended, as a teacher would.
                 ASSERT_EQ(b.FrageHinzufuegen({"Ohne Flagge", ""}), "");
                 for (auto &l : laender)
                     ASSERT_EQ(b.FrageHinzufuegen({QString("<@img=%1.png>Welches Land?").arg(l[0]), "falsch"}), "");
                 ASSERT_EQ(b.FrageLoeschen(1), "");
                 for (int k = 1; k <= 5; ++k)
                     ASSERT_EQ(b.FrageAendern(k, {b.FragenZeilen()[k - 1].Frage, laender[k - 1][1]}), "");
                 ASSERT_EQ(b.FrageHinzufuegen({"Ohne Flagge", ""}), "");
             }}),
    [](const testing::TestParamInfo<Fall> &i) { return std::string(i.param.name); });

} // namespace

namespace {

// Each kind, saved from the editor: tvl reads, checks and draws it, and
// writes it again with the same bytes.
TEST(GespeichertesDokument, TvlOpensChecksDrawsAndResavesItByteForByte)
{
    QTemporaryDir ordner;
    TestMeldungen meldungen;
    StilleDokumentUmgebung umgebung;
    for (DokArt art : {DokArt::Bildbeschriftung, DokArt::Lueckentext, DokArt::Einzelfragen}) {
        DokumentZustand z;
        z.Dok = NeuesDokumentAnlegen({art, {}, "Probe", "", ""});
        Bearbeitung b(z.Dok);
        b.Zuruecksetzen(true);
        ASSERT_EQ(b.BeschriftungAnlegen({0.3, 0.3}, {0.5, 0.2}, "Ort"), "");
        ASSERT_EQ(b.LueckentextSetzen("Der <<Rhein>> fließt."), "");
        ASSERT_EQ(b.FrageHinzufuegen({"<@flaggenfrage><@img=de.png>", "Deutschland"}), "");
        const QString pfad = ordner.filePath(QString("art%1.tvl").arg(int(art)));
        ASSERT_TRUE(b.Speichern(z, umgebung, meldungen, pfad));
        const QString neu = ordner.filePath("neu.tvl");
        for (const QStringList &args :
             {QStringList{"info", pfad}, QStringList{"check", pfad},
              QStringList{"render", pfad, "-o", ordner.filePath("bild.png")}, QStringList{"resave", pfad, neu}}) {
            const ProgrammLauf l = Ausfuehren(TVL_PROGRAMM, args);
            EXPECT_EQ(l.code, 0) << args.join(' ').toStdString() << ": " << l.fehler.toStdString();
        }
        QFile a(pfad), c(neu);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && c.open(QIODevice::ReadOnly));
        EXPECT_EQ(a.readAll(), c.readAll()) << int(art);
    }
    EXPECT_TRUE(meldungen.protokoll.empty());
}

} // namespace
