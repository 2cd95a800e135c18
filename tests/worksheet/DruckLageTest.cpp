// Position and size of the printed worksheet in centimetres.
#include "DruckLage.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(DruckLage, ZentimeterMitDezimalkomma)
{
    EXPECT_EQ(CmText(16.6), "16,6");
    EXPECT_EQ(CmText(2.0), "2,0");
    EXPECT_EQ(CmText(26.94), "26,9");
    double v = 0;
    EXPECT_TRUE(CmLesen("2,2", v));
    EXPECT_DOUBLE_EQ(v, 2.2);
    EXPECT_TRUE(CmLesen(" 16.6 ", v));
    EXPECT_DOUBLE_EQ(v, 16.6);
    EXPECT_TRUE(CmLesen("17", v));
    EXPECT_DOUBLE_EQ(v, 17.0);
    v = 5;
    for (const char *falsch : {"", ",", "1,2,3", "-1", "abc", "1e3", "nan", "101", "1 2x"})
        EXPECT_FALSE(CmLesen(falsch, v)) << falsch;
    EXPECT_DOUBLE_EQ(v, 5.0);
}

TEST(DruckLage, BreiteUndHoeheImSeitenverhaeltnis)
{
    const double p = 1001.0 / 1625.0;
    EXPECT_EQ(CmText(HoeheAusBreite(16.6, p)), "26,9");
    EXPECT_NEAR(BreiteAusHoehe(HoeheAusBreite(16.6, p), p), 16.6, 1e-9);
    EXPECT_DOUBLE_EQ(HoeheAusBreite(10, 0), 10);
}

TEST(DruckLage, RechteckInGeraetepixeln)
{
    const DruckLage l{2.54, 1.27, 5.08, 10.16};
    EXPECT_EQ(l.Rechteck(600, 300), QRectF(600, 150, 1200, 1200));
}

TEST(DruckLage, AnSeiteAnpassenPasstInDenBedruckbarenBereichDieVorgabeNichtAufLetter)
{
    const double p = 1001.0 / 1625.0;
    const struct
    {
        QSizeF papier;
        QRectF bedruckbar;
        bool vorgabePasst; // the default 2.2 / 1.4 / 16.6 cm
    } faelle[] = {
        {{21.0, 29.7}, {0, 0, 21.0, 29.7}, true},
        {{21.59, 27.94}, {0, 0, 21.59, 27.94}, false},
        {{21.59, 27.94}, {0.635, 0.635, 20.32, 26.67}, false},
        {{29.7, 21.0}, {0.4, 0.4, 28.9, 20.2}, false},
    };
    DruckLage vorgabe;
    vorgabe.Hoehe = HoeheAusBreite(vorgabe.Breite, p);
    for (const auto &f : faelle) {
        EXPECT_EQ(LagePasst(vorgabe, f.bedruckbar), f.vorgabePasst) << f.papier.height();
        const DruckLage l = AnSeiteAnpassen(f.papier, f.bedruckbar, p);
        EXPECT_TRUE(LagePasst(l, f.bedruckbar)) << f.papier.height();
        EXPECT_TRUE(QRectF(1, 1, f.papier.width() - 2, f.papier.height() - 2).contains(l.RechteckCm()));
        EXPECT_NEAR(l.Hoehe, HoeheAusBreite(l.Breite, p), 0.1);
        // As large as the free part allows in one direction, centred across.
        EXPECT_TRUE(f.papier.width() - 2 - l.Breite < 1.5 || f.papier.height() - 2 - l.Hoehe < 1.5);
        EXPECT_NEAR(l.Links, f.papier.width() - l.Links - l.Breite, 0.2);
    }
}
