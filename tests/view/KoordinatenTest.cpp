// Tests of rounding, fitting and zoom coordinates of the scene.
#include "Runden.h"
#include "SzenenHilfe.h"

#include <gtest/gtest.h>

TEST(Runden, HalbeWerteGehenZurGeradenZahl)
{
    EXPECT_EQ(rnd(0.5), 0);
    EXPECT_EQ(rnd(1.5), 2);
    EXPECT_EQ(rnd(2.5), 2);
    EXPECT_EQ(rnd(217.5), 218);
    EXPECT_EQ(rnd(-0.5), 0);
    EXPECT_EQ(rnd(-1.5), -2);
    EXPECT_EQ(rnd(-2.5), -2);
    EXPECT_EQ(rnd(2.4999), 2);
    EXPECT_EQ(rnd(2.5001), 3);
    EXPECT_EQ(rnd(-2.6), -3);
}

TEST(Koordinaten, BreitesBildWirdInDieSteuerungEingepasstUndZentriert)
{
    SzenenTest t;
    t.zustand.Dok.BasisBild = Einfarbig(1000, 500, Qt::gray);
    t.szene.SzeneAufbauen();
    EXPECT_EQ(t.szene.AnzeigeBild.size(), QSize(870, 435));
    EXPECT_EQ(t.szene.SzenenBild.size(), QSize(870, 435));
    EXPECT_EQ(t.szene.BildVersatz(), QPoint(0, 107));
    EXPECT_DOUBLE_EQ(t.szene.AusschnittSeiten, 2.0);
    EXPECT_DOUBLE_EQ(t.szene.Massstab(), 1.0);
    // 0.5 x 435 = 217.5 goes to the even 218.
    EXPECT_EQ(t.szene.SzenenPixel(0.5, 0.5), QPoint(435, 218));
    EXPECT_EQ(t.szene.AnzeigePixel(0.5, 0.5), QPoint(435, 218 + 107));
    const QPointF f = t.szene.SteuerNachBruch(QPoint(435, 218 + 107));
    EXPECT_NEAR(f.x(), 0.5, 1e-9);
    EXPECT_NEAR(f.y(), 0.5, 0.002);
    // Outside the bitmap the fractions are clamped.
    EXPECT_EQ(t.szene.SteuerNachBruch(QPoint(-50, 5)), QPointF(0, 0));
    EXPECT_EQ(t.szene.SteuerNachBruch(QPoint(2000, 640)), QPointF(1, 1));
}

TEST(Koordinaten, ZoomVergroessertDieSzeneUndBehaeltDieMitteDesAusschnitts)
{
    SzenenTest t;
    t.zustand.Dok.BasisBild = Einfarbig(1000, 500, Qt::gray);
    t.szene.ZoomSetzen(4);
    EXPECT_DOUBLE_EQ(t.szene.ZoomFaktor, 2.0);
    t.szene.SzeneAufbauen();
    EXPECT_EQ(t.szene.SzenenBild.size(), QSize(1740, 870));
    EXPECT_EQ(t.szene.AnzeigeBild.size(), QSize(870, 650));
    EXPECT_DOUBLE_EQ(t.szene.Massstab(), 2.0);
    const Rechteck a = t.szene.Ausschnitt;
    EXPECT_NEAR(a.Left, 0.25, 1e-9);
    EXPECT_NEAR(a.Right, 0.75, 1e-9);
    EXPECT_NEAR((a.Top + a.Bottom) / 2, 0.5, 1e-9);
    EXPECT_EQ(t.szene.ScrollX, 435);
    EXPECT_EQ(t.szene.AnzeigePixel(0.25, a.Top), QPoint(0, 0));
    const QPointF f = t.szene.SteuerNachBruch(QPoint(435, 325));
    EXPECT_NEAR(f.x(), 0.5, 1e-3);
    EXPECT_NEAR(f.y(), 0.5, 1e-3);

    // Back to 100 %: the whole picture is visible again.
    t.szene.ZoomSetzen(0);
    t.szene.SzeneAufbauen();
    EXPECT_EQ(t.szene.Ausschnitt, (Rechteck{0, 0, 1, 1}));
    EXPECT_EQ(t.szene.ScrollX, 0);
}

TEST(Koordinaten, RandErweiterungLiegtWeissUmDasBasisbild)
{
    SzenenTest t;
    t.zustand.Dok.BasisBild = Einfarbig(400, 200, QColor(200, 0, 0));
    t.zustand.Dok.RandErw = {0.5, 0, 0.5, 0};
    t.szene.SzeneAufbauen();
    // Extended picture 800 x 200, fitted to 870 x rnd(217.5) = 218.
    EXPECT_EQ(t.szene.SzenenBild.size(), QSize(870, 218));
    EXPECT_EQ(t.Szenenfarbe(20, 100), QColor(Qt::white));
    EXPECT_EQ(t.Szenenfarbe(435, 100), QColor(200, 0, 0));
    EXPECT_EQ(t.Szenenfarbe(850, 100), QColor(Qt::white));
}

TEST(Koordinaten, EinpassenLiefertDenSichtbarenAnteil)
{
    SzenenTest t;
    t.zustand.Dok.BasisBild = Einfarbig(800, 400, Qt::gray);
    QImage ziel;
    const QSizeF v = t.szene.BasisBildEinpassen(ziel, 600, 600, 1.5);
    // Fitted 600 x 300, zoomed 900 x 450, cut to 600 x 450.
    EXPECT_EQ(ziel.size(), QSize(600, 450));
    EXPECT_NEAR(v.width(), 600.0 / 900.0, 1e-9);
    EXPECT_NEAR(v.height(), 1.0, 1e-9);
}
