// Tests of caption fitting and the classic colour integers.
#include "Farben.h"
#include "TextEinpassen.h"

#include <gtest/gtest.h>

namespace {
// A fixed-pitch measurer: each character is as wide as the font size in
// points, one line as high as twice the size; lines break at "\n" only.
QSize Messen(const QString &t, int g)
{
    int breite = 0;
    const auto zeilen = t.split('\n');
    for (const auto &z : zeilen)
        breite = qMax(breite, int(z.size()) * g);
    return QSize(breite, int(zeilen.size()) * 2 * g);
}

// Like Messen, but lines also break after "- " as word wrapping would,
// when the whole text does not fit into the width.
TextMessung MitUmbruch(int breite)
{
    return [breite](const QString &t, int g) {
        QStringList zeilen;
        QString zeile;
        for (const auto &wort : t.split(' ')) {
            const QString kandidat = zeile.isEmpty() ? wort : zeile + ' ' + wort;
            if (!zeile.isEmpty() && int(kandidat.size()) * g > breite) {
                zeilen << zeile;
                zeile = wort;
            } else {
                zeile = kandidat;
            }
        }
        zeilen << zeile;
        return Messen(zeilen.join('\n'), g);
    };
}
}

TEST(TextEinpassen, CaptionThatFitsIsUnchanged)
{
    const auto e = TextEinpassen("Abc", 8, 7, QSize(100, 100), true, Messen);
    EXPECT_EQ(e.text, "Abc");
    EXPECT_EQ(e.groesse, 8);
}

TEST(TextEinpassen, ShrinksToMinimumAndNoFurtherThenCutsWords)
{
    // 15 characters: fits at 8 only with width 120, we give 80 (10 chars at 8).
    const auto e = TextEinpassen("eins zwei drei", 12, 8, QSize(80, 100), false, Messen);
    EXPECT_EQ(e.groesse, 8);
    // "eins zwei ..." is 13 chars = 104 > 80; "eins ..." is 8 chars = 64.
    EXPECT_EQ(e.text, "eins ...");
    EXPECT_LE(e.textGroesse.width(), 80);
}

TEST(TextEinpassen, ShrinkingAloneSufficesWithoutCut)
{
    const auto e = TextEinpassen("abcdefghij", 12, 7, QSize(90, 100), false, Messen);
    EXPECT_EQ(e.groesse, 9);
    EXPECT_EQ(e.text, "abcdefghij");
}

TEST(TextEinpassen, SingleLongWordBecomesDots)
{
    const auto e = TextEinpassen("Donaudampfschifffahrt", 10, 7, QSize(50, 100), true, Messen);
    EXPECT_EQ(e.groesse, 7);
    EXPECT_EQ(e.text, "...");
}

TEST(TextEinpassen, HyphenStepLetsLinesBreakAfterHyphens)
{
    // "Nord-Rhein-Land" at 7 is 15*7 = 105 wide; with breaks after the
    // hyphens the longest line "Rhein-" is 6*8 = 48 wide at 8, 3 lines = 48 high.
    const auto e = TextEinpassen("Nord-Rhein-Land", 8, 7, QSize(50, 50), true, MitUmbruch(50));
    EXPECT_EQ(e.text, "Nord- Rhein- Land");
    EXPECT_LE(e.textGroesse.width(), 50);
    // The hyphen step starts again from the panel's own size.
    EXPECT_EQ(e.groesse, 8);
    const auto ohne = TextEinpassen("Nord-Rhein-Land", 8, 7, QSize(50, 50), false, MitUmbruch(50));
    EXPECT_EQ(ohne.text, "...");
}

TEST(TextEinpassen, EmptyCaptionThatDoesNotFitStaysEmpty)
{
    // An area lower than one line: nothing to cut, nothing appended.
    const auto e = TextEinpassen("", 8, 7, QSize(10, 2), true, Messen);
    EXPECT_EQ(e.text, "");
}

TEST(Farben, ClassicColourIntegersAreBlueGreenRed)
{
    EXPECT_EQ(VclFarbe(14864589), QColor(205, 208, 226));
    EXPECT_EQ(VclFarbe(6975343), QColor(111, 111, 106));
    EXPECT_EQ(Mischen(QColor(255, 255, 255), QColor(0, 100, 201), 0.2), QColor(204, 224, 244));
    EXPECT_EQ(PixelAusPunkt(8), 11);
    EXPECT_EQ(PunktAusPixel(11), 8);
}
