// Tests of moving, scrolling and zooming the visible part of the picture.
#include "Navigation.h"
#include "SzenenHilfe.h"

#include <gtest/gtest.h>

namespace {
// Counts full rebuilds (each starts with the start page's layout step) and
// remembers what the controls were told.
struct ZaehlAnzeige : ISzenenAnzeige
{
    int aufbauten = 0, auffrischungen = 0;
    int zoom = -1;
    void Auffrischen() override { ++auffrischungen; }
    void StartseitenLayout() override { ++aufbauten; }
    void ZoomGeaendert(int i) override { zoom = i; }
};

// The learning view in mode 2 with the picture shown.
struct Lernansicht : SzenenTest
{
    ZaehlAnzeige anzeige;
    Lernansicht()
    {
        szene.Anzeige = &anzeige;
        szene.Zustand.AnsichtModus = AnsichtArt::Startseite;
        szene.LernansichtSichtbar = true;
        szene.SzeneAufbauen();
    }
};

void ErwarteRechteck(const Rechteck &r, double l, double o, double re, double u)
{
    EXPECT_NEAR(r.Left, l, 1e-12);
    EXPECT_NEAR(r.Top, o, 1e-12);
    EXPECT_NEAR(r.Right, re, 1e-12);
    EXPECT_NEAR(r.Bottom, u, 1e-12);
}
} // namespace

TEST(AusschnittVerschieben, BleibtImBildUndKorrigiertInDerFestenReihenfolge)
{
    // Past the right and bottom edge: pushed back left and up.
    ErwarteRechteck(AusschnittVerschieben({0.4, 0.4, 0.9, 0.9}, 0.3, 0.2), 0.5, 0.5, 1.0, 1.0);
    // Past the left and top edge: pushed back right and down.
    ErwarteRechteck(AusschnittVerschieben({0.1, 0.2, 0.6, 0.7}, -0.5, -0.3), 0.0, 0.0, 0.5, 0.5);
    // Inside: moved as asked (dy comes first in the argument list).
    ErwarteRechteck(AusschnittVerschieben({0.2, 0.2, 0.7, 0.7}, 0.1, -0.05), 0.15, 0.3, 0.65, 0.8);
    // Wider and taller than the picture: the left/top corrections come last
    // and win, the clamp then cuts the far edges to 1.
    ErwarteRechteck(AusschnittVerschieben({-0.1, -0.2, 1.3, 1.1}, 0.0, 0.05), 0.0, 0.0, 1.0, 1.0);
}

TEST(ScrollSchritt, EinZehntelDesSichtbarenTeils)
{
    const QPointF d = ScrollSchritt({0.2, 0.1, 0.7, 0.5}, -1, 1);
    EXPECT_NEAR(d.x(), -0.05, 1e-12);
    EXPECT_NEAR(d.y(), 0.04, 1e-12);
    EXPECT_EQ(ScrollSchritt({0, 0, 1, 1}, 0, 0), QPointF(0, 0));
}

TEST(Navigation, BeiHundertProzentAendertScrollenNichtsSichtbares)
{
    Lernansicht t;
    const QImage vorher = t.szene.AnzeigeBild.copy();
    for (auto [rx, ry] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
        t.szene.Scrollen(rx, ry);
        ErwarteRechteck(t.szene.Ausschnitt, 0, 0, 1, 1);
        EXPECT_EQ(t.szene.AnzeigeBild, vorher);
    }
}

TEST(Navigation, LinksVomLinkenRandBleibtBeiNull)
{
    Lernansicht t;
    t.szene.ZoomWechseln(4);
    EXPECT_EQ(t.szene.SzenenBild.size(), QSize(1740, 1300));
    // The rebuild keeps the centre: at 200 % the view starts in the middle.
    ErwarteRechteck(t.szene.Ausschnitt, 0.25, 0.25, 0.75, 0.75);
    for (int i = 0; i < 8; ++i)
        t.szene.Scrollen(-1, 0);
    EXPECT_DOUBLE_EQ(t.szene.Ausschnitt.Left, 0.0);
    EXPECT_NEAR(t.szene.Ausschnitt.Right, 0.5, 1e-12);
    EXPECT_EQ(t.szene.ScrollX, 0);
    t.szene.Scrollen(-1, 0);
    EXPECT_DOUBLE_EQ(t.szene.Ausschnitt.Left, 0.0);
    // One step right moves a tenth of the visible half.
    t.szene.Scrollen(1, 0);
    EXPECT_NEAR(t.szene.Ausschnitt.Left, 0.05, 1e-12);
    EXPECT_EQ(t.szene.ScrollX, 87);
}

TEST(Navigation, ZoomStufenAnDenEndenUndDazwischen)
{
    Lernansicht t;
    const int start = t.anzeige.aufbauten;
    t.szene.Herauszoomen(); // from 100 %: nothing
    EXPECT_EQ(t.szene.ZoomIndex, 0);
    EXPECT_EQ(t.anzeige.aufbauten, start);

    t.szene.ZoomWechseln(int(ZoomStufe::Prozent150));
    t.szene.Hineinzoomen();
    EXPECT_EQ(t.szene.ZoomIndex, 4);
    EXPECT_DOUBLE_EQ(t.szene.ZoomFaktor, 2.0);
    const int bei200 = t.anzeige.aufbauten;
    t.szene.Hineinzoomen(); // from 200 %: nothing
    EXPECT_EQ(t.szene.ZoomIndex, 4);
    EXPECT_EQ(t.anzeige.aufbauten, bei200);

    t.szene.ZoomWechseln(2);
    t.szene.Herauszoomen();
    EXPECT_EQ(t.szene.ZoomIndex, 0);
    EXPECT_EQ(t.anzeige.zoom, 0);
    // An odd step is never passed beyond the table's end.
    t.szene.ZoomWechseln(3);
    t.szene.Hineinzoomen();
    EXPECT_EQ(t.szene.ZoomIndex, 4);
}

TEST(Navigation, DieAktiveStufeBautNichtNeuAufUndImQuizNurDerFaktor)
{
    Lernansicht t;
    t.szene.ZoomWechseln(2);
    const int aufbauten = t.anzeige.aufbauten;
    EXPECT_FALSE(t.szene.ZoomWechseln(2));
    EXPECT_EQ(t.anzeige.aufbauten, aufbauten);
    EXPECT_EQ(t.anzeige.zoom, 2);

    t.szene.Zustand.AnsichtModus = AnsichtArt::Quiz;
    const QSize groesse = t.szene.SzenenBild.size();
    EXPECT_TRUE(t.szene.ZoomWechseln(4));
    EXPECT_EQ(t.anzeige.aufbauten, aufbauten);
    EXPECT_DOUBLE_EQ(t.szene.ZoomFaktor, 2.0);
    EXPECT_EQ(t.szene.SzenenBild.size(), groesse); // until the next rebuild
}

TEST(Navigation, VerschiebenFolgtDerMausUndHaeltAmRand)
{
    Lernansicht t;
    t.szene.ZoomWechseln(4);
    const QPoint start(400, 300);
    t.szene.VerschiebenBeginnen(start);
    // Dragging the picture 87 pixels to the right shows 87 pixels more on
    // the left.
    t.szene.Verschieben(start + QPoint(87, 0));
    EXPECT_NEAR(t.szene.Ausschnitt.Left, 0.2, 1e-12);
    EXPECT_EQ(t.szene.VerschiebeStart, start + QPoint(87, 0));
    // Far beyond the picture's corner: the view stops at the edge.
    t.szene.Verschieben(start + QPoint(5000, 5000));
    ErwarteRechteck(t.szene.Ausschnitt, 0, 0, 0.5, 0.5);
    t.szene.Verschieben(start - QPoint(9000, 9000));
    ErwarteRechteck(t.szene.Ausschnitt, 0.5, 0.5, 1, 1);
    EXPECT_EQ(t.szene.ScrollX, 870);
    EXPECT_EQ(t.szene.ScrollY, 650);
}

TEST(Navigation, ScrollenUebernimmtZeichnungenInDieSzene)
{
    Lernansicht t;
    t.szene.ZoomWechseln(4);
    t.szene.WerkzeugWaehlen(Werkzeug::Stift);
    t.szene.WerkzeugBewegung(QPoint(100, 100), false);
    t.szene.WerkzeugDruck(QPoint(100, 100));
    t.szene.WerkzeugBewegung(QPoint(200, 100), true);
    const int sx = t.szene.ScrollX, sy = t.szene.ScrollY;
    t.szene.Scrollen(1, 0);
    EXPECT_EQ(t.Szenenfarbe(sx + 150, sy + 100), QColor(255, 0, 0));
    // Scrolled back, the stroke is still where it was drawn.
    t.szene.Scrollen(-1, 0);
    EXPECT_EQ(QColor(t.szene.AnzeigeBild.pixel(150, 100)), QColor(255, 0, 0));
    // A full rebuild discards it.
    t.szene.SzeneAufbauen();
    EXPECT_EQ(QColor(t.szene.AnzeigeBild.pixel(150, 100)), QColor(0, 128, 0));
}

TEST(Navigation, OhneLernansichtBleibtDieAnzeigeLeerUndDieSzeneUnberuehrt)
{
    SzenenTest t;
    t.szene.Zustand.AnsichtModus = AnsichtArt::Startseite;
    t.szene.SzeneAufbauen();
    EXPECT_EQ(QColor(t.szene.AnzeigeBild.pixel(10, 10)), Szene::SteuerFarbe);
    t.szene.Scrollen(1, 0);
    // The empty display is not committed over the picture.
    EXPECT_EQ(t.Szenenfarbe(10, 10), QColor(0, 128, 0));
}

TEST(Navigation, MausradScrolltZoomtUndSammeltFeineDrehungen)
{
    const struct
    {
        const char *was;
        int x, y;
        bool strg, umschalt;
        RadSchritte erwartet;
    } faelle[] = {
        {"vom Benutzer weg", 0, 120, false, false, {0, -1, 0}},
        {"zum Benutzer", 0, -240, false, false, {0, 2, 0}},
        {"Umschalt", 0, -120, false, true, {1, 0, 0}},
        {"Umschalt als Querdrehung", 120, 0, false, true, {-1, 0, 0}},
        {"seitliches Rad", -120, 0, false, false, {1, 0, 0}},
        {"Strg weg", 0, 120, true, false, {0, 0, 1}},
        {"Strg zum Benutzer", 0, -120, true, true, {0, 0, -1}},
        {"halbe Kerbe", 0, 60, false, false, {0, 0, 0}},
        {"riesige Drehung", 0, 2000000000, false, false, {0, -MaxRadSchritte, 0}},
    };
    for (const auto &f : faelle) {
        int rest = 0;
        EXPECT_EQ(RadAuswerten(f.x, f.y, f.strg, f.umschalt, rest), f.erwartet) << f.was;
        EXPECT_LT(qAbs(rest), 120) << f.was;
    }
    // Fine wheels: four parts of a notch make one step, no more.
    int rest = 0;
    int schritte = 0;
    for (int i = 0; i < 4; ++i)
        schritte += RadAuswerten(0, -30, false, false, rest).ry;
    EXPECT_EQ(schritte, 1);
    EXPECT_EQ(rest, 0);
}
