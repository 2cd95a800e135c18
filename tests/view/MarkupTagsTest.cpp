// The tag grammar of document texts on its own: which tag starts where, and texts without their tags.
#include "MarkupTags.h"

#include <gtest/gtest.h>

namespace {
// Art, length and number of the tag at pos, or "-" for plain text.
QString Tag(const QString &text, int pos = 0, LueckenMarke luecke = LueckenMarke::Keine)
{
    const std::optional<MarkupTag> t = MarkupTagBei(text, pos, luecke);
    if (!t)
        return QStringLiteral("-");
    return QStringLiteral("%1/%2/%3").arg(int(t->Art)).arg(t->Laenge).arg(t->Zahl);
}
QString Erwartet(MarkupTagArt art, int laenge, int zahl = 0)
{
    return QStringLiteral("%1/%2/%3").arg(int(art)).arg(laenge).arg(zahl);
}
} // namespace

TEST(MarkupTags, EveryTagInAnyCase)
{
    EXPECT_EQ(Tag("<b>x"), Erwartet(MarkupTagArt::Fett, 3));
    EXPECT_EQ(Tag("</B>"), Erwartet(MarkupTagArt::FettAus, 4));
    EXPECT_EQ(Tag("<I>"), Erwartet(MarkupTagArt::Kursiv, 3));
    EXPECT_EQ(Tag("</i>"), Erwartet(MarkupTagArt::KursivAus, 4));
    EXPECT_EQ(Tag("<u>"), Erwartet(MarkupTagArt::Unterstrichen, 3));
    EXPECT_EQ(Tag("</U>"), Erwartet(MarkupTagArt::UnterstrichenAus, 4));
    EXPECT_EQ(Tag("<@col=a0B1c2>"), Erwartet(MarkupTagArt::Farbe, 13));
    EXPECT_EQ(Tag("</@Col>"), Erwartet(MarkupTagArt::FarbeAus, 7));
    EXPECT_EQ(Tag("<@linie>"), Erwartet(MarkupTagArt::Linie, 8));
    EXPECT_EQ(Tag("<@PosX=50%>"), Erwartet(MarkupTagArt::Tab, 11, 50));
    EXPECT_EQ(Tag("<@reb=07>abc"), Erwartet(MarkupTagArt::Feld, 9, 7));
    // Found at any position, also at the very end of the text.
    EXPECT_EQ(Tag("ab<B>", 2), Erwartet(MarkupTagArt::Fett, 3));
    EXPECT_EQ(Tag("ab<B>", 1), "-");
    EXPECT_EQ(Tag("ab<B>", 5), "-");
    EXPECT_EQ(Tag("ab<B>", -1), "-");
}

TEST(MarkupTags, DigitTemplatesNeedAllTheirDigits)
{
    EXPECT_EQ(Tag("<@POSX=5%>"), "-"); // one digit is text
    EXPECT_EQ(Tag("<@POSX=5x%>"), "-");
    EXPECT_EQ(Tag("<@REB=3>ab"), "-");
    EXPECT_EQ(Tag("<@COL=12345>"), "-");  // five digits
    EXPECT_EQ(Tag("<@COL=12345G>"), "-"); // not hexadecimal
    EXPECT_EQ(Tag("<@POSX=AB%>"), "-");   // hexadecimal only counts for colours
    EXPECT_EQ(Tag("<@COL=ffffff"), "-");  // cut off
    EXPECT_EQ(Tag("<B"), "-");
    EXPECT_EQ(Tag("<@REB=00>"), Erwartet(MarkupTagArt::Feld, 9, 0));
}

TEST(MarkupTags, GapMarksOnlyWhereTheCallerAllowsThem)
{
    EXPECT_EQ(Tag("<<x>>"), "-");
    EXPECT_EQ(Tag("<<x>>", 0, LueckenMarke::Auf), Erwartet(MarkupTagArt::LueckeAuf, 2));
    EXPECT_EQ(Tag("<<x>>", 0, LueckenMarke::Zu), "-");
    EXPECT_EQ(Tag("<<x>>", 3, LueckenMarke::Zu), Erwartet(MarkupTagArt::LueckeZu, 2));
    EXPECT_EQ(Tag("<<x>>", 3, LueckenMarke::Auf), "-");
    // A style tag is a style tag inside a gap as well.
    EXPECT_EQ(Tag("<b>", 0, LueckenMarke::Zu), Erwartet(MarkupTagArt::Fett, 3));
}

TEST(MarkupTags, InfoTextWithoutTags)
{
    EXPECT_EQ(InfotextOhneMarkup("<b>Fett</B> <@col=ff0000>rot</@COL><@LINIE>\n<@POSX=50%>x"
                                 "<@REB=03>1,5 <@POSX=5%>"),
              "Fett rot\nx1,5 <@POSX=5%>");
    // Every line break style; gap marks are text in the info window.
    EXPECT_EQ(InfotextOhneMarkup("<i>a</i>\r\nb<<c>>\rd<U>"), "a\nb<<c>>\nd");
    EXPECT_EQ(InfotextOhneMarkup(""), "");
}

TEST(MarkupTags, AFieldsCharactersStandAsTheyAre)
{
    // The layout prints the field's characters without looking for tags in
    // them; the plain text says the same.
    EXPECT_EQ(AbsatzOhneMarkup("<@REB=03><B>x</B>"), "<B>x");
    EXPECT_EQ(AbsatzOhneMarkup("a<@REB=05>bc"), "abc"); // a field longer than the text
    EXPECT_EQ(AbsatzOhneMarkup("<@REB=00><B>x"), "x");
    // A tag cut by the end of the text is text.
    EXPECT_EQ(AbsatzOhneMarkup("a</@CO"), "a</@CO");
}

TEST(MarkupTags, StrayAngleBracketsAreText)
{
    const QString spitz(40, '<');
    for (int pos = 0; pos < spitz.size(); ++pos) {
        EXPECT_EQ(Tag(spitz, pos), "-");
        const QString erwartet = pos + 1 < spitz.size() ? Erwartet(MarkupTagArt::LueckeAuf, 2) : "-";
        EXPECT_EQ(Tag(spitz, pos, LueckenMarke::Auf), erwartet);
    }
    // The templates with "@" need it in second place, nowhere else.
    EXPECT_EQ(Tag("<<@COL=000000>", 0), "-");
    EXPECT_EQ(Tag("<<@COL=000000>", 1), Erwartet(MarkupTagArt::Farbe, 13));
    EXPECT_EQ(Tag("<@@REB=12>", 0), "-");
    EXPECT_EQ(Tag("x<@reb=12>", 1), Erwartet(MarkupTagArt::Feld, 9, 12));
    EXPECT_EQ(Tag("<@LINIE", 0), "-");
}
