// Tests of the exercise's texts, option edits and the options taken over.
#include "OptionenUebernehmen.h"
#include "UebTexte.h"

#include <gtest/gtest.h>

TEST(TextNormalisieren, JoinsHyphenatedWordOnlyBeforeLowerCase)
{
    EXPECT_EQ(TextNormalisieren("Bundes-\r\nland"), "Bundesland");
    EXPECT_EQ(TextNormalisieren("Nord-\r\nSüd"), "Nord-Süd");
    EXPECT_EQ(TextNormalisieren("Ende-\r\n"), "Ende-");
    // Removing a break can form a new hyphen break before the old place.
    EXPECT_EQ(TextNormalisieren("x--\r\n\r\nb"), "x-b");
}

TEST(TextNormalisieren, LineBreaksBecomeBlanksAndPairsAreHalvedOnce)
{
    EXPECT_EQ(TextNormalisieren("Rhein\r\nMain"), "Rhein Main");
    EXPECT_EQ(TextNormalisieren("a    b"), "a  b"); // one pass: four blanks become two
    EXPECT_EQ(TextNormalisieren("  Mitte \r\n"), "Mitte");
    EXPECT_EQ(TextNormalisieren(""), "");
}

TEST(UebTexte, ClockPercentAndDuration)
{
    EXPECT_EQ(UhrText(187), "03:07");
    EXPECT_EQ(UhrText(6000), "100:00");
    EXPECT_EQ(UhrText(0), "00:00");
    EXPECT_EQ(ProzentText(2.0 / 3.0), "66.7 %");
    EXPECT_EQ(ProzentText(0), "0.0 %");
    EXPECT_EQ(ProzentText(1.0 / 3.0), "33.3 %");
    EXPECT_EQ(DauerText(180), "3 Min. 0 Sek.");
    EXPECT_EQ(DauerText(45), "45 Sek.");
    EXPECT_EQ(DauerText(3605), "1 Std. 0 Min. 5 Sek.");
}

TEST(UebTexte, InstructionPerTypeAndMode)
{
    EXPECT_EQ(AnweisungsText(DokArt::Bildbeschriftung, 0),
              "Ziehe die Beschriftungen an die jeweils richtige Position!");
    EXPECT_EQ(AnweisungsText(DokArt::Lueckentext, 1), "Ziehe den Lückentext an die richtige Position!");
    EXPECT_EQ(AnweisungsText(DokArt::Lueckentext, 2), "Ziehe den richtigen Lückentext an die markierte Position!");
    EXPECT_EQ(AnweisungsText(DokArt::Einzelfragen, 0), "Klicke auf die richtige Antwort!");
}

TEST(OptionEdits, BlanksRemovedNonNumbersZeroHeldIn0To59)
{
    EXPECT_EQ(EditZahl(" 1 2"), 12);
    EXPECT_EQ(EditZahl(""), 0);
    EXPECT_EQ(EditZahl("ab"), 0);
    EXPECT_EQ(EditZahl("2.6"), 3);
    EXPECT_EQ(EditZahl("-5"), -5);
    EXPECT_EQ(EditZahlGeklemmt("75"), 59);
    EXPECT_EQ(EditZahlGeklemmt("-5"), 0);
    EXPECT_EQ(EditZahlGeklemmt("x"), 0);
}

TEST(OptionenUebernehmen, PictureDialogValuesAndDeferredFeedbackNeverFromDialog)
{
    UebOptWerte w;
    w.AbfrageModus = 2;
    w.ZeitLimit = 1;
    w.ZLimitMin = "2";
    w.ZLimitSek = "";
    w.ZuordnungRichtig = 1;
    w.ZuordnungFalsch = 1;
    w.Zuordnungstexte = 0;
    w.Zuordnungsziele = 2;
    const UebOptionen o = OptionenUebernehmen(w, DokArt::Bildbeschriftung);
    EXPECT_EQ(o.RiFaRueckmeldung, 0);
    EXPECT_EQ(o.AbfrageModus, 2);
    EXPECT_EQ(o.ZeitLimitIndex, 1);
    EXPECT_EQ(o.ZeitLimitWert, 120);
    EXPECT_EQ(o.ZuordnungRichtig, 1);
    EXPECT_EQ(o.ZuordnungFalsch, 1);
    EXPECT_EQ(o.Zuordnungstexte, 0);
    EXPECT_EQ(o.Zuordnungsziele, 2);
}

TEST(OptionenUebernehmen, SingleQuestionsTakeTheirOwnDialog)
{
    UebOptWerte w;
    w.AbfrageModus = 2;
    w.ZuordnungRichtig = 1;
    w.FragenZuordnungFalsch = 1;
    w.FragenZuordnungstexte = 0;
    w.FragenZuordnungsziele = 0;
    w.FragenZeitlimit = 1;
    w.FragenZLimitMin = "0";
    w.FragenZLimitSek = "45";
    const UebOptionen o = OptionenUebernehmen(w, DokArt::Einzelfragen);
    EXPECT_EQ(o.AbfrageModus, 0);
    EXPECT_EQ(o.ZuordnungRichtig, 0);
    EXPECT_EQ(o.ZuordnungFalsch, 1);
    EXPECT_EQ(o.Zuordnungstexte, 0);
    EXPECT_EQ(o.Zuordnungsziele, 0);
    EXPECT_EQ(o.ZeitLimitIndex, 1);
    EXPECT_EQ(o.ZeitLimitWert, 45);
}
