// Tests of high-score sorting, the table's texts and its printed layout.
#include "BestListOrdnerPruefung.h"
#include "BestListSortierung.h"
#include "BestListTabelle.h"
#include "DelphiZeit.h"
#include "GridDruckLayout.h"
#include "TestDienste.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
TBestListEintrag E(const QString &name, double leistung, qint32 dauer)
{
    TBestListEintrag e;
    e.Name = name;
    e.Leistung = leistung;
    e.Dauer = dauer;
    return e;
}
QStringList Namen(const TBestList &l)
{
    QStringList n;
    for (const auto &e : l)
        n << e.Name;
    return n;
}
} // namespace

TEST(BestListSortieren, BesteZuerstBeiGleicherLeistungKuerzereZeit)
{
    TBestList l{E("lang", 0.85, 90000), E("mittel", 0.5, 10), E("kurz", 0.85, 75000), E("top", 1.0, 999999)};
    BestListSortieren(l);
    EXPECT_EQ(Namen(l), (QStringList{"top", "kurz", "lang", "mittel"}));
}

TEST(BestListSortieren, VolleGleichstaendeFolgenDenTauschenDerAuswahl)
{
    // The swap that brings "C" forward sends "A" behind "B": the ranks of full
    // ties follow the selection passes, not the file order.
    TBestList l{E("A", 0.5, 100), E("B", 0.5, 100), E("C", 0.9, 100)};
    BestListSortieren(l);
    EXPECT_EQ(Namen(l), (QStringList{"C", "B", "A"}));
    TBestList l2{E("A", 0.5, 100), E("B", 0.5, 100), E("C", 0.5, 100)};
    BestListSortieren(l2);
    EXPECT_EQ(Namen(l2), (QStringList{"A", "B", "C"}));
    TBestList leer;
    BestListSortieren(leer);
    EXPECT_TRUE(leer.isEmpty());
}

TEST(BestListTabelle, FormateDerSpalten)
{
    EXPECT_EQ(BestListTabelle::LeistungText(0.8533), "85.3 %");
    EXPECT_EQ(BestListTabelle::LeistungText(0.0), "0.0 %");
    EXPECT_EQ(BestListTabelle::LeistungText(1.0), "100.0 %");
    EXPECT_EQ(BestListTabelle::MinSekText(61999), "01:01");
    EXPECT_EQ(BestListTabelle::MinSekText(6000000), "100:00");
    EXPECT_EQ(BestListTabelle::MinSekText(999), "00:00");
    EXPECT_EQ(BestListTabelle::MinSekText(-5000), "00:00");
}

TEST(BestListTabelle, ZeilenMitRangUndDeutschemDatum)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TBestListEintrag e = E("Ina", 0.8533, 61999);
    e.Rechner = "PC-1";
    e.Ende = ZeitNachDelphi(QDateTime(QDate(2026, 12, 7), QTime(9, 1, 1)));
    const auto zeilen = BestListTabelle::Zeilen({e, E("Max", 0.5, 1000)});
    QLocale::setDefault(QLocale::c());
    ASSERT_EQ(zeilen.size(), 3);
    EXPECT_EQ(zeilen[0], BestListTabelle::Kopf());
    EXPECT_EQ(zeilen[1].mid(0, 5), (QStringList{"1", "Ina", "PC-1", "85.3 %", "01:01"}));
    EXPECT_TRUE(zeilen[1][5].contains("07.12.")) << zeilen[1][5].toStdString();
    EXPECT_TRUE(zeilen[1][5].endsWith("09:01:01")) << zeilen[1][5].toStdString();
    EXPECT_EQ(zeilen[2][0], "2");
}

TEST(BestListTabelle, LeereListeZeigtKopfUndEineLeereZeile)
{
    const auto zeilen = BestListTabelle::Zeilen({});
    ASSERT_EQ(zeilen.size(), 2);
    EXPECT_EQ(GridAlsText(zeilen), "Pos.\tName\tRechner\tLeistung\tZeit (Min:Sek)\tDatum/Uhrzeit (Ende)\r\n"
                                   "\t\t\t\t\t\r\n");
}

namespace {
GridDruckEingabe Eingabe(int zeilen, QList<int> breiten = BestListTabelle::Breiten())
{
    GridDruckEingabe e;
    e.zeilen.append(BestListTabelle::Kopf());
    for (int i = 1; i < zeilen; ++i)
        e.zeilen.append(QStringList{QString::number(i), "N", "R", "50.0 %", "01:00", "x"});
    e.spaltenBreiten = breiten;
    e.ausrichtungen = BestListTabelle::Ausrichtungen();
    e.zeilenHoehe = [](int h) { return h + h / 6; };
    return e;
}
} // namespace

TEST(GridDrucken, SchriftSkaliertAufDruckbreiteUndHoechstensVierMillimeter)
{
    // A4: 180 mm printable; 640 screen pixels give round(31.25) = 31 units.
    auto l = GridDruckBerechnen(Eingabe(3));
    EXPECT_EQ(l.schriftHoehe, 31);
    EXPECT_EQ(l.zeilenHoehe, 36);
    EXPECT_EQ(l.kanten, (QList<int>{150, 150 + 113, 150 + 113 + 563, 150 + 113 + 563 + 281, 150 + 113 + 563 + 281 + 225,
                                    150 + 113 + 563 + 281 + 225 + 225, 150 + 113 + 563 + 281 + 225 + 225 + 394}));
    // A wide grid gets a small font, a narrow one never more than 4 mm.
    EXPECT_EQ(GridDruckBerechnen(Eingabe(3, {1000, 1000})).schriftHoehe, 10);
    EXPECT_EQ(GridDruckBerechnen(Eingabe(3, {50, 50})).schriftHoehe, 40);
    // Landscape A4 (267 mm printable) scales the font up.
    auto quer = Eingabe(3);
    quer.seitenBreite = 2970;
    quer.seitenHoehe = 2100;
    EXPECT_EQ(GridDruckBerechnen(quer).schriftHoehe, 40);
}

TEST(GridDrucken, KopfLinksLinieUnterDemKopfAusrichtungJeSpalte)
{
    auto l = GridDruckBerechnen(Eingabe(3));
    ASSERT_EQ(l.seiten.size(), 1);
    const auto &s = l.seiten[0];
    ASSERT_EQ(s.zellen.size(), 18);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(s.zellen[i].ausrichtung, 0);
    EXPECT_EQ(s.zellen[6].ausrichtung, 1); // "Pos." centred
    EXPECT_EQ(s.zellen[7].ausrichtung, 0);
    EXPECT_EQ(s.zellen[6].rechteck.top(), 150 + 36);
    ASSERT_EQ(s.linien.size(), 1);
    EXPECT_EQ(s.linien[0], QLine(150, 186, l.kanten.last(), 186));
}

TEST(GridDrucken, SeitenumbruchOhneKopfwiederholungUndOhneLeereSchlussseite)
{
    // Rows of 36 units from y = 150 while y + 36 <= 2970 - 300 = 2670: rows at
    // 150, 186, ..., 2634 are 70 rows per page.
    auto l = GridDruckBerechnen(Eingabe(150));
    ASSERT_EQ(l.seiten.size(), 3);
    EXPECT_EQ(l.seiten[0].zellen.size(), 70 * 6);
    EXPECT_EQ(l.seiten[1].zellen.size(), 70 * 6);
    EXPECT_EQ(l.seiten[2].zellen.size(), 10 * 6);
    EXPECT_EQ(l.seiten[1].zellen[0].rechteck.top(), 150);
    EXPECT_EQ(l.seiten[1].zellen[0].text, "70");
    EXPECT_TRUE(l.seiten[1].linien.isEmpty());
    for (const auto &seite : l.seiten)
        for (const auto &z : seite.zellen)
            EXPECT_LE(z.rechteck.bottom() + 1, 2670);

    EXPECT_EQ(GridDruckBerechnen(Eingabe(140)).seiten.size(), 2);
    EXPECT_EQ(GridDruckBerechnen(Eingabe(141)).seiten.size(), 3);
}

TEST(GridDrucken, UndruckbarerRandVerkleinertLinkenUndOberenRand)
{
    auto e = Eingabe(2);
    e.randLinksOffset = 50;
    e.randObenOffset = 200;
    auto l = GridDruckBerechnen(e);
    EXPECT_EQ(l.kanten.first(), 100);
    EXPECT_EQ(l.seiten[0].zellen[0].rechteck.top(), 0);
    EXPECT_TRUE(GridDruckBerechnen(Eingabe(2, {})).seiten.isEmpty());
}

TEST(BestListOrdner, OrdnerOhneSchraegstrichBekommtEinenUngueltigeAendernNichts)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("prot"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("best"));
    TestMeldungen m;
    auto e = BestListOrdnerPruefen(dir.filePath("prot"), dir.filePath("best/"), m);
    EXPECT_TRUE(e.gueltig);
    EXPECT_EQ(e.ProtOrdner, dir.filePath("prot") + "/");
    EXPECT_EQ(e.BestListOrdner, dir.filePath("best/"));
    EXPECT_TRUE(m.protokoll.empty());

    e = BestListOrdnerPruefen(dir.filePath("prot"), dir.filePath("fehlt"), m);
    EXPECT_FALSE(e.gueltig);
    EXPECT_EQ(e.fokus, OrdnerPruefErgebnis::BestListFeld);
    EXPECT_EQ(m.Texte(), QStringList{"Der angegebene Ordner für die Bestenlisten ist ungültig."});

    m.Leeren();
    e = BestListOrdnerPruefen("", dir.filePath("best"), m);
    EXPECT_FALSE(e.gueltig);
    EXPECT_EQ(e.fokus, OrdnerPruefErgebnis::ProtFeld);
    EXPECT_EQ(m.Texte(), QStringList{"Der angegebene Ordner für die Protokolle ist ungültig."});
}
