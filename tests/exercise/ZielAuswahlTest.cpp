// Open targets, the target under a point, the arrow keys' walk and the number keys' slots, without widgets.
#include "ZielAuswahl.h"

#include <gtest/gtest.h>

namespace {
DokObjekt Ziel(int typ, int nummer, Rechteck rahmen, int abdeckung = AbdeckungsArt::OffeneFrage)
{
    DokObjekt o;
    o.Typ = typ;
    o.Nummer = nummer;
    o.Abdeckung = abdeckung;
    o.Rahmen = rahmen;
    return o;
}

// A picture with five labels and gaps in a row, numbered out of document
// order, and objects that never take an answer in between.
struct Ziele
{
    QList<DokObjekt> objekte{
        Ziel(ObjektTyp::Beschriftung, 3, {0.0, 0.0, 0.2, 0.1}),                         // 0
        Ziel(ObjektTyp::Luecke, 1, {0.2, 0.0, 0.4, 0.1}),                               // 1
        Ziel(ObjektTyp::Beschriftung, 2, {0.4, 0.0, 0.6, 0.1}, AbdeckungsArt::Geloest), // 2: solved
        Ziel(ObjektTyp::Infopunkt, 0, {0.6, 0.0, 0.8, 0.1}),                            // 3: no label
        Ziel(ObjektTyp::Antwort, 0, {0.6, 0.0, 0.8, 0.1}),                              // 4: single questions only
        Ziel(ObjektTyp::Beschriftung, -1, {0.8, 0.0, 1.0, 0.1}),                        // 5: no number
        Ziel(ObjektTyp::Beschriftung, 2, {0.8, 0.1, 1.0, 0.2}),                         // 6
    };
    UebOptionen opt;
    UebLauf lauf;
    ZielAuswahl Auswahl() const { return ZielAuswahl(objekte, opt, lauf); }
};
} // namespace

TEST(ZielAuswahl, OpenLabelsAndGapsInTheOrderOfTheirNumbers)
{
    Ziele z;
    EXPECT_EQ(z.Auswahl().OffeneZiele(), (QList<int>{1, 6, 0}));
    for (int i : {2, 3, 4, 5, -1, 7})
        EXPECT_FALSE(z.Auswahl().IstOffen(i)) << i;
    EXPECT_TRUE(z.Auswahl().IstOffen(6));

    // Covered (not yet asked) and uncovered labels take no answer either.
    z.objekte[6].Abdeckung = AbdeckungsArt::Abgedeckt;
    z.objekte[0].Abdeckung = AbdeckungsArt::Aufgedeckt;
    EXPECT_EQ(z.Auswahl().OffeneZiele(), QList<int>{1});
}

TEST(ZielAuswahl, EqualNumbersKeepTheDocumentsOrder)
{
    // Targets may all carry the number 0; more of them than a small sort
    // handles by insertion.
    Ziele z;
    z.objekte.clear();
    for (int i = 0; i < 40; ++i)
        z.objekte << Ziel(ObjektTyp::Luecke, i % 2, {0.02 * i, 0, 0.02 * i + 0.02, 0.1});
    QList<int> erwartet;
    for (int i = 0; i < 40; i += 2)
        erwartet << i;
    for (int i = 1; i < 40; i += 2)
        erwartet << i;
    EXPECT_EQ(z.Auswahl().OffeneZiele(), erwartet);
}

TEST(ZielAuswahl, SinglePositionModeOffersOnlyTheCurrentTarget)
{
    Ziele z;
    z.opt.AbfrageModus = 2;
    z.lauf.FragenFolge = {{0, 0}, {1, 6}};
    z.lauf.Position = 1;
    EXPECT_EQ(z.Auswahl().OffeneZiele(), QList<int>{6});
    EXPECT_FALSE(z.Auswahl().IstOffen(0));
    // Past the end of the questions, or before the first, nothing is open.
    for (int position : {2, -1}) {
        z.lauf.Position = position;
        EXPECT_TRUE(z.Auswahl().OffeneZiele().isEmpty()) << position;
    }
    // The other modes offer every open target.
    z.opt.AbfrageModus = 1;
    EXPECT_EQ(z.Auswahl().OffeneZiele(), (QList<int>{1, 6, 0}));
}

TEST(ZielAuswahl, TheTargetUnderAPoint)
{
    Ziele z;
    const ZielAuswahl a = z.Auswahl();
    EXPECT_EQ(a.ZielBei({0.1, 0.05}), 0);
    EXPECT_EQ(a.ZielBei({0.2, 0.0}), 1); // left and top edges belong to the box
    EXPECT_EQ(a.ZielBei({0.39, 0.099}), 1);
    EXPECT_EQ(a.ZielBei({0.5, 0.05}), -1); // solved
    EXPECT_EQ(a.ZielBei({0.9, 0.05}), -1); // without a number
    EXPECT_EQ(a.ZielBei({0.9, 0.2}), -1);  // the bottom edge is outside
    EXPECT_EQ(a.ZielBei({0.5, 0.5}), -1);
    // Overlapping boxes: the lower number wins.
    z.objekte[0].Rahmen = {0.1, 0.0, 0.3, 0.1};
    EXPECT_EQ(z.Auswahl().ZielBei({0.25, 0.05}), 1);
    z.objekte[0].Nummer = 0;
    EXPECT_EQ(z.Auswahl().ZielBei({0.25, 0.05}), 0);
}

TEST(ZielAuswahl, ArrowKeysWalkTheTargetsAround)
{
    Ziele z;
    const ZielAuswahl a = z.Auswahl(); // open in order: 1, 6, 0
    EXPECT_EQ(a.NaechstesZiel(-1, +1), 1);
    EXPECT_EQ(a.NaechstesZiel(-1, -1), 0);
    EXPECT_EQ(a.NaechstesZiel(1, +1), 6);
    EXPECT_EQ(a.NaechstesZiel(6, +1), 0);
    EXPECT_EQ(a.NaechstesZiel(0, +1), 1);
    EXPECT_EQ(a.NaechstesZiel(1, -1), 0);
    EXPECT_EQ(a.NaechstesZiel(0, -1), 6);
    // A chosen target that was answered meanwhile starts the walk afresh.
    EXPECT_EQ(a.NaechstesZiel(2, +1), 1);
    EXPECT_EQ(a.NaechstesZiel(2, -1), 0);

    for (DokObjekt &o : z.objekte)
        o.Abdeckung = AbdeckungsArt::Geloest;
    EXPECT_EQ(z.Auswahl().NaechstesZiel(-1, +1), -1);
    EXPECT_EQ(z.Auswahl().NaechstesZiel(1, -1), -1);
}

TEST(ZielAuswahl, NumberKeysCountSlotsByRowsThenColumns)
{
    // Two rows of panels given in no particular order.
    const QList<std::pair<int, QPoint>> felder{
        {10, {160, 60}}, {11, {0, 60}}, {12, {320, 0}}, {13, {0, 0}}, {14, {160, 0}},
    };
    QList<int> folge;
    for (int platz = 0; platz < 5; ++platz)
        folge << FeldAufPlatz(felder, platz);
    EXPECT_EQ(folge, (QList<int>{13, 14, 12, 11, 10}));
    EXPECT_EQ(FeldAufPlatz(felder, 5), -1);
    EXPECT_EQ(FeldAufPlatz(felder, -1), -1);
    EXPECT_EQ(FeldAufPlatz({}, 0), -1);
    // A row is a row by its top edge: one pixel lower starts the next.
    EXPECT_EQ(FeldAufPlatz({{1, {200, 0}}, {2, {0, 1}}}, 0), 1);
}

// The six places of a single question: two rows of three, given out of
// order; the indexes say where each lies (row * 10 + column).
namespace {
const QList<std::pair<int, QPoint>> Raster{{12, {340, 66}}, {0, {0, 0}},   {11, {170, 66}},
                                           {2, {340, 0}},   {10, {0, 66}}, {1, {170, 0}}};
}

TEST(AntwortRasterFolge, TabOrderReadsRowByRow)
{
    EXPECT_EQ(Zeilenfolge(Raster), (QList<int>{0, 1, 2, 10, 11, 12}));
    EXPECT_TRUE(Zeilenfolge({}).isEmpty());
}

TEST(AntwortRasterFolge, ArrowsWalkTheGrid)
{
    const struct
    {
        int von;
        Pfeil pfeil;
        int nach;
    } faelle[] = {
        {0, Pfeil::Rechts, 1},   {1, Pfeil::Links, 0},  {2, Pfeil::Rechts, 10},  // on into the next row
        {10, Pfeil::Links, 2},   {0, Pfeil::Links, -1}, {12, Pfeil::Rechts, -1}, // ends stop
        {1, Pfeil::Runter, 11},  {11, Pfeil::Hoch, 1},  {2, Pfeil::Runter, 12},
        {10, Pfeil::Runter, -1}, {0, Pfeil::Hoch, -1},  {99, Pfeil::Rechts, -1}, // no such panel
    };
    for (const auto &f : faelle)
        EXPECT_EQ(NachbarFeld(Raster, f.von, f.pfeil), f.nach) << f.von << " " << int(f.pfeil);
    // A shorter second row: down goes to the nearest panel in x.
    const QList<std::pair<int, QPoint>> kurz{{0, {0, 0}}, {1, {170, 0}}, {2, {340, 0}}, {10, {0, 66}}};
    EXPECT_EQ(NachbarFeld(kurz, 2, Pfeil::Runter), 10);
}

TEST(QuizZieleZugang, TargetsInNumberOrderNamedByState)
{
    Ziele z;
    z.objekte[0].Cap = "Liek";
    z.objekte[2].Cap = "Nord-|see";
    z.objekte[6].Abdeckung = AbdeckungsArt::Aufgegeben;
    EXPECT_EQ(QuizZiele(z.objekte), (QList<int>{1, 2, 6, 0}));
    const struct
    {
        int objekt;
        int abdeckung;
        const char *name;
    } faelle[] = {
        {0, AbdeckungsArt::OffeneFrage, "Ziel 3, frei"},   {0, AbdeckungsArt::Aufgedeckt, "Ziel 3: Liek"},
        {0, AbdeckungsArt::Geloest, "Ziel 3: Liek"},       {0, AbdeckungsArt::Unbewertet, "Ziel 3, beantwortet"},
        {0, AbdeckungsArt::Abgedeckt, "Ziel 3, verdeckt"}, {6, AbdeckungsArt::Aufgegeben, "Ziel 2, falsch beantwortet"},
    };
    for (const auto &f : faelle) {
        DokObjekt o = z.objekte[f.objekt];
        o.Abdeckung = f.abdeckung;
        EXPECT_EQ(ZielName(o), f.name);
    }
}

TEST(QuizZieleZugang, TapZoneGrowsSmallBoxesAboutTheirCentre)
{
    const struct
    {
        QRect kasten;
        QPoint tipp;
        bool trifft;
    } faelle[] = {
        {{100, 100, 19, 19}, {109 + 10, 109}, true}, // 10 px from the centre of a small circle
        {{100, 100, 19, 19}, {109, 109 - 16}, true},  {{100, 100, 19, 19}, {109 + 18, 109}, false}, // beyond the zone
        {{100, 100, 80, 40}, {100 + 85, 120}, false}, // large boxes keep their size
        {{100, 100, 80, 40}, {179, 139}, true},
    };
    for (const auto &f : faelle) {
        const QRect zone = TippZone(f.kasten);
        EXPECT_EQ(zone.contains(f.tipp), f.trifft) << f.tipp.x() << "," << f.tipp.y();
        EXPECT_EQ(zone.center(), f.kasten.center());
        EXPECT_TRUE(zone.contains(f.kasten));
    }
}
