// Tests of hostile high-score files: links, foreign files, FIFOs, tie order.
#include "BestListAuswahl.h"
#include "BestListDatei.h"
#include "BestListSortierung.h"
#include "BestListen.h"
#include "Dateifehler.h"
#include "HscHilfen.h"
#include "Ordner.h"
#include "Sonderdateien.h"
#include "TestDienste.h"

#include <QTemporaryDir>

#include <cmath>
#include <limits>
#include <random>

#include <gtest/gtest.h>

using namespace HscBytes;

namespace {
BestListDatensatz Satz(const QString &name)
{
    BestListDatensatz d;
    d.Name = name;
    d.Rechner = "PC-07";
    d.Beginn = 46000;
    d.Dauer = 5000;
    d.Leistung = 0.9;
    return d;
}
} // namespace

// The high-score folder is often a class folder any pupil can write to.
class FeindlicheListen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Ordner().BestListOrdner = dir.path() + "/";
    }
    QTemporaryDir dir;
    TestUmgebung umg;
    BestListen listen{umg.dienste};
    const QString fehlerZusatz = "\r\n\r\nDie Bestenliste konnte nicht gespeichert werden. Überprüfen Sie die "
                                 "Einstellungen unter \"Optionen | Ordner für Protokolle und Bestenlisten\".";
};

TEST_F(FeindlicheListen, LinkAufFremdeDateiWirdNichtBeschrieben)
{
    const QString fremd = dir.filePath("hausaufgabe.odt");
    ASSERT_TRUE(Schreiben(fremd, "Inhalt"));
    const QString pfad = dir.filePath("eins.hsc");
    ASSERT_TRUE(LinkAnlegen(fremd, pfad));
    EXPECT_FALSE(listen.ErgebnisEintragen(false, "/x/eins.tvl", BestListen::LaufDatensatz("Ina", {}, 1, 1)));
    EXPECT_EQ(Lesen(fremd), "Inhalt");
    EXPECT_EQ(umg.meldungen.Texte(), QStringList{SchreibFehlerText(pfad) + fehlerZusatz});

    // A dangling link does not create its target.
    const QString ziel = dir.filePath("neu.txt");
    ASSERT_TRUE(LinkAnlegen(ziel, dir.filePath("zwei.hsc")));
    EXPECT_FALSE(BestListSchreiben(dir.filePath("zwei.hsc"), Satz("Ina")));
    EXPECT_FALSE(QFileInfo::exists(ziel));
}

TEST_F(FeindlicheListen, DateiOhneKennungBekommtNichtsAngehaengt)
{
    const QString pfad = dir.filePath("fremd.hsc");
    for (const QByteArray &inhalt : {QByteArray("Aufsatz über Flaggen"), QByteArray("x"),
                                     Text("TVL-HSC-1.01") + Text(Hsc::FeldListe), Text("TVL-HSC-1.0")}) {
        ASSERT_TRUE(Schreiben(pfad, inhalt));
        EXPECT_FALSE(BestListSchreiben(pfad, Satz("Ina")));
        EXPECT_EQ(Lesen(pfad), inhalt);
    }
    // A list of ours is appended to as ever.
    ASSERT_TRUE(Schreiben(pfad, Kopf()));
    EXPECT_TRUE(BestListSchreiben(pfad, Satz("Ina")));
    EXPECT_EQ(Lesen(pfad), Kopf() + Datensatz("Ina", "PC-07", 46000, 5000, 0.9));
}

TEST_F(FeindlicheListen, FifoAlsListeBlockiertNichtUndWirdNichtBeschrieben)
{
    const QString pfad = dir.filePath("drei.hsc");
    ASSERT_TRUE(FifoAnlegen(pfad));
    bool geschrieben = true, gelesen = true;
    TBestList liste;
    EXPECT_TRUE(KehrtZurueck(pfad, [&] { geschrieben = BestListSchreiben(pfad, Satz("Ina")); }));
    EXPECT_TRUE(KehrtZurueck(pfad, [&] { gelesen = BestListLesen(pfad, liste); }));
    EXPECT_FALSE(geschrieben);
    EXPECT_FALSE(gelesen);
    EXPECT_TRUE(IstFifo(pfad));
}

// The fast order must be the selection sort's order in every case: equal
// performance and time (the swaps decide), and NaN performances from a
// damaged file, which compare with nothing.
TEST(BestListOrdnung, GleichtDerAuswahlsortierungMitGleichstaenden)
{
    std::mt19937 zufall(1812);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double leistungen[] = {0.5, 0.85, 1.0, 0.0, -0.0, nan, std::numeric_limits<double>::infinity()};
    for (int durchlauf = 0; durchlauf < 2000; ++durchlauf) {
        const int n = int(zufall() % 50);
        const int stufen = 1 + int(zufall() % (durchlauf % 4 == 0 ? 7 : 5));
        TBestList liste;
        for (int i = 0; i < n; ++i) {
            TBestListEintrag e;
            e.Name = QString::number(i);
            e.Leistung = leistungen[zufall() % stufen];
            e.Dauer = qint32(zufall() % 3) * 1000;
            liste.append(e);
        }
        TBestList erwartet = liste;
        BestListAuswahlsortieren(erwartet);
        BestListSortieren(liste);
        QStringList a, b;
        for (const auto &e : liste)
            a << e.Name;
        for (const auto &e : erwartet)
            b << e.Name;
        ASSERT_EQ(a, b) << "Durchlauf " << durchlauf;
    }
}
