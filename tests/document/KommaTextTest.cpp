// Tests of captions stored as comma texts and read back as lines.
#include "DokumentDatei.h"

#include <gtest/gtest.h>

TEST(KommaText, LinesWithBlanksQuotesOrCommasAreQuoted)
{
    EXPECT_EQ(KommaTextAusZeilen("a b\nc"), "\"a b\",c");
    EXPECT_EQ(KommaTextAusZeilen("Paris"), "Paris");
    EXPECT_EQ(KommaTextAusZeilen("a,b"), "\"a,b\"");
    EXPECT_EQ(KommaTextAusZeilen("sag \"hi\""), "\"sag \"\"hi\"\"\"");
    EXPECT_EQ(KommaTextAusZeilen("x\"y"), "\"x\"\"y\"");
    EXPECT_EQ(KommaTextAusZeilen("tab\there"), "\"tab\there\"");
    EXPECT_EQ(KommaTextAusZeilen(QString("nul") + QChar(0) + "x"), QString("\"nul") + QChar(0) + "x\"");
    EXPECT_EQ(KommaTextAusZeilen("Köln\r\nGenève"), "Köln,Genève");
}

TEST(KommaText, EmptyCaptionsAndEmptyLines)
{
    EXPECT_EQ(KommaTextAusZeilen(""), "");       // no line at all
    EXPECT_EQ(KommaTextAusZeilen("\n"), "\"\""); // one empty line
    EXPECT_EQ(KommaTextAusZeilen("a\n\nb"), "a,,b");
    EXPECT_EQ(KommaTextAusZeilen("a\n"), "a"); // a final break starts no line
    EXPECT_EQ(ZeilenAusKommaText("\"\""), "");
    EXPECT_EQ(ZeilenAusKommaText(""), "");
    EXPECT_EQ(ZeilenAusKommaText("a,,b"), "a\n\nb");
}

TEST(KommaText, ReadingSplitsAtCommasAndBlanks)
{
    EXPECT_EQ(ZeilenAusKommaText("\"a b\",c"), "a b\nc");
    EXPECT_EQ(ZeilenAusKommaText("  a ,  b  "), "a\nb");
    EXPECT_EQ(ZeilenAusKommaText("a b"), "a\nb"); // an unquoted blank ends a part
    EXPECT_EQ(ZeilenAusKommaText("\"sag \"\"hi\"\"\""), "sag \"hi\"");
    EXPECT_EQ(ZeilenAusKommaText("\"a\"b,c"), "a\nb\nc");
    EXPECT_EQ(ZeilenAusKommaText("\"offen"), "offen");                  // unterminated quote runs to the end
    EXPECT_EQ(ZeilenAusKommaText("\"  innen  \""), "innen");            // the whole result is trimmed
    EXPECT_EQ(ZeilenAusKommaText(QString("a") + QChar(0) + ",b"), "a"); // NUL ends the text
}

TEST(KommaText, TrailingBlankLinesAreLost)
{
    EXPECT_EQ(KommaTextAusZeilen("a\n\n\n"), "a,,");
    EXPECT_EQ(ZeilenAusKommaText(KommaTextAusZeilen("a\n\n\n")), "a");
    EXPECT_EQ(ZeilenAusKommaText(KommaTextAusZeilen("\n\na")), "a");
}

TEST(KommaText, CaptionsSurviveTheRoundTrip)
{
    for (const QString &cap : {QString("a b\nc"), QString("Vereinigte Staaten\nvon Amerika"), QString("x,y\n\"z\""),
                               QString("eins\n\nzwei"), QString("Élysée"), QString("-\n--\n,")}) {
        EXPECT_EQ(ZeilenAusKommaText(KommaTextAusZeilen(cap)), cap) << cap.toStdString();
    }
}
