// Position and size of the printed worksheet in centimetres.
#include "DruckLage.h"

#include <gtest/gtest.h>

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
