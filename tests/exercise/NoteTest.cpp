// Tests of grades, their words and colours, and the rating scale drawing.
#include "Note.h"
#include "NoteSkala.h"

#include <QImage>

#include <gtest/gtest.h>

TEST(NoteBerechnen, SchwellenGehoerenZurBesserenNote)
{
    EXPECT_EQ(NoteBerechnen(17.0 / (17 + 3 + 0)), 1);
    EXPECT_EQ(NoteBerechnen(0.85), 1);
    EXPECT_EQ(NoteBerechnen(0.8499), 2);
    EXPECT_EQ(NoteBerechnen(0.70), 2);
    EXPECT_EQ(NoteBerechnen(0.6999), 3);
    EXPECT_EQ(NoteBerechnen(0.55), 3);
    EXPECT_EQ(NoteBerechnen(0.5499), 4);
    EXPECT_EQ(NoteBerechnen(0.40), 4);
    EXPECT_EQ(NoteBerechnen(0.3999), 5);
    EXPECT_EQ(NoteBerechnen(0.25), 5);
    EXPECT_EQ(NoteBerechnen(0.2499), 6);
    EXPECT_EQ(NoteBerechnen(0.0), 6);
    EXPECT_EQ(NoteBerechnen(1.0), 1);
    EXPECT_EQ(NoteBerechnen(-0.1), 6);
}

TEST(NoteBerechnen, WorteUndFarben)
{
    EXPECT_EQ(Noten::BewertungsWort(1), "sehr gut");
    EXPECT_EQ(Noten::BewertungsWort(3), "befriedigend");
    EXPECT_EQ(Noten::BewertungsWort(6), QString::fromUtf8("ungenügend"));
    EXPECT_EQ(Noten::BandFarbe(2), QColor(191, 255, 0));
    EXPECT_EQ(Noten::BandFarbe(4), QColor(255, 224, 0));
}

namespace {
bool Schwarz(const QImage &b, int x, int y)
{
    return b.pixelColor(x, y) == QColor(Qt::black);
}
int DunklePixel(const QImage &b, QRect r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += qGray(b.pixel(x, y)) < 128;
    return n;
}
} // namespace

TEST(SkalaZeichnen, BaenderStricheUndMarkeAnIhrenPositionen)
{
    // 217 x 209: H = 185, bar from x 87 to 130; thresholds at
    // y = 12, 40, 68, 95, 123, 151, 197.
    const QImage b = SkalaBild(QSize(217, 209), QColor(240, 240, 240), 2.0 / 3.0);
    ASSERT_EQ(b.size(), QSize(217, 209));
    EXPECT_EQ(b.pixelColor(95, 20), QColor(0, 255, 0));
    EXPECT_EQ(b.pixelColor(95, 50), QColor(191, 255, 0));
    EXPECT_EQ(b.pixelColor(95, 90), QColor(255, 255, 0));
    EXPECT_EQ(b.pixelColor(95, 110), QColor(255, 224, 0));
    EXPECT_EQ(b.pixelColor(95, 140), QColor(255, 160, 0));
    EXPECT_EQ(b.pixelColor(95, 170), QColor(255, 0, 0));
    // Band outlines and shared borders.
    EXPECT_TRUE(Schwarz(b, 87, 20));
    EXPECT_TRUE(Schwarz(b, 129, 20));
    EXPECT_EQ(b.pixelColor(130, 20), QColor(240, 240, 240));
    for (int y : {12, 40, 68, 95, 123, 151, 197}) {
        EXPECT_TRUE(Schwarz(b, 95, y)) << y;
        EXPECT_TRUE(Schwarz(b, 85, y)) << y; // tick
        EXPECT_FALSE(Schwarz(b, 84, y)) << y;
    }
    // The mark at nearest(185/3) + 12 = 74, ten pixels long.
    for (int x = 130; x < 140; ++x)
        EXPECT_TRUE(Schwarz(b, x, 74)) << x;
    EXPECT_FALSE(Schwarz(b, 140, 74));
    // Texts: percentages left of the ticks, the value right of the mark.
    EXPECT_GT(DunklePixel(b, QRect(50, 66, 30, 8)), 5);    // "70%"
    EXPECT_EQ(DunklePixel(b, QRect(81, 0, 5, 209)), 7);    // only the tick ends
    EXPECT_GT(DunklePixel(b, QRect(145, 64, 60, 12)), 10); // "66.7%"
}

TEST(SkalaZeichnen, ScaledScreensGetTheScaleWithTheirPixels)
{
    const QImage einfach = SkalaBild(QSize(217, 209), Qt::white, 2.0 / 3.0);
    for (double verhaeltnis : {1.5, 2.0}) {
        const QImage b = SkalaBild(QSize(217, 209), Qt::white, 2.0 / 3.0, verhaeltnis);
        EXPECT_EQ(b.devicePixelRatio(), verhaeltnis);
        EXPECT_EQ(b.deviceIndependentSize().toSize(), QSize(217, 209));
        // The same bands at the same places, drawn with the finer pixels.
        for (const QPoint p : {QPoint(95, 20), QPoint(95, 90), QPoint(95, 170), QPoint(30, 180)})
            EXPECT_EQ(b.pixelColor((QPointF(p) * verhaeltnis).toPoint()), einfach.pixelColor(p)) << p.y();
    }
    // Nonsense ratios stay within what screens have.
    EXPECT_EQ(SkalaBild(QSize(20, 20), Qt::white, 0.5, 0.0).size(), QSize(20, 20));
    EXPECT_EQ(SkalaBild(QSize(20, 20), Qt::white, 0.5, 1e9).size(), QSize(80, 80));
}

TEST(SkalaZeichnen, MarkeFolgtDerLeistung)
{
    const QImage oben = SkalaBild(QSize(217, 209), Qt::white, 1.0);
    const QImage unten = SkalaBild(QSize(217, 209), Qt::white, 0.0);
    EXPECT_TRUE(Schwarz(oben, 135, 12));
    EXPECT_FALSE(Schwarz(oben, 135, 197));
    EXPECT_TRUE(Schwarz(unten, 135, 197));
    EXPECT_FALSE(Schwarz(unten, 135, 12));
}
