// Question lines and gaps made from a selection.
#include "FragenZeilen.h"
#include "LueckenAuswahl.h"
#include "Lueckentext.h"

#include <gtest/gtest.h>

namespace {

struct LueckenFall
{
    const char *name;
    QString text;
    int start, laenge;
    QString erwartet; // empty: refused
};

class LueckeAusAuswahlTest : public testing::TestWithParam<LueckenFall>
{
};

TEST_P(LueckeAusAuswahlTest, EnclosesTheWordOrRefuses)
{
    const LueckenFall &f = GetParam();
    const LueckenErgebnis e = LueckeAusAuswahl(f.text, f.start, f.laenge);
    if (f.erwartet.isEmpty()) {
        EXPECT_FALSE(e.Fehler.isEmpty());
        EXPECT_TRUE(e.Text.isEmpty());
    } else {
        EXPECT_TRUE(e.Fehler.isEmpty()) << e.Fehler.toStdString();
        EXPECT_EQ(e.Text, f.erwartet);
        EXPECT_EQ(e.Text.mid(e.Ende - 2, 2), ">>");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, LueckeAusAuswahlTest,
    testing::Values(LueckenFall{"Wort", "Die Fahne ist rot.", 14, 3, "Die Fahne ist <<rot>>."},
                    LueckenFall{"BlanksStayOutside", "Die Fahne ist rot.", 9, 5, "Die Fahne <<ist>> rot."},
                    LueckenFall{"SecondGap", "A <<b>> c d", 10, 1, "A <<b>> c <<d>>"},
                    LueckenFall{"PunctuationStaysOutside", "Sie ist rot.", 8, 4, "Sie ist <<rot>>."},
                    LueckenFall{"QuotesStayOutside", "Er sagt \"Ja,\" laut", 8, 5, "Er sagt \"<<Ja>>,\" laut"},
                    LueckenFall{"OnlyPunctuation", "a ... b", 2, 3, ""}, LueckenFall{"Empty", "Die Fahne", 3, 0, ""},
                    LueckenFall{"OnlyBlanks", "Die  Fahne", 3, 2, ""},
                    LueckenFall{"AcrossLines", "rot\ngelb", 0, 8, ""},
                    LueckenFall{"InsideGap", "A <<blau>> c", 5, 2, ""}, LueckenFall{"AcrossGap", "A <<b>> c", 0, 6, ""},
                    LueckenFall{"Tag", "A <b>c</b>", 2, 4, ""}, LueckenFall{"PastTheEnd", "abc", 2, 5, ""},
                    LueckenFall{"Negative", "abc", -1, 2, ""}),
    [](const testing::TestParamInfo<LueckenFall> &i) { return std::string(i.param.name); });

TEST(LueckenAbgleichen, GapObjectsFollowTheTextAndKeepOtherObjects)
{
    struct Fall
    {
        QString text;
        QStringList woerter;
    };
    const Fall faelle[] = {{"<<a>> b <<c>>", {"a", "c"}},
                           {"<<a>> <<x>> <<c>> <<d>>", {"a", "x", "c", "d"}},
                           {"nichts", {}},
                           {"<< a >>", {"a"}}};
    Dokument d;
    d.DokTyp = DokArt::Lueckentext;
    DokObjekt info;
    info.Typ = ObjektTyp::Infopunkt;
    info.Cap = "Info";
    d.Objekte << info;
    for (const Fall &f : faelle) {
        d.Lueckentext = f.text;
        LueckenAbgleichen(d);
        QStringList woerter;
        for (const DokObjekt &o : d.Objekte)
            if (o.Typ == ObjektTyp::Luecke)
                woerter << o.Cap;
        EXPECT_EQ(woerter, f.woerter) << f.text.toStdString();
        EXPECT_EQ(d.AnzFrageNummern, f.woerter.size());
        EXPECT_EQ(d.Objekte.first().Cap, "Info");
        EXPECT_EQ(woerter, LueckenWoerter(f.text));
    }
}

TEST(FragenZeilen, ReadAndWrittenAsTheQuizSplitsThem)
{
    struct Fall
    {
        QString text;
        QList<FragenZeile> zeilen;
        QString geschrieben;
    };
    const Fall faelle[] = {
        {"A//B\r\nC // D", {{"A", "B"}, {"C", "D"}}, "A//B\r\nC//D"},
        {"  \n nur Frage \n\n", {{"nur Frage", ""}}, "nur Frage"},
        {"x//y//z", {{"x", "y//z"}}, "x//y//z"},
        {"<@img=de.png>  Welches   Land?//Deutschland",
         {{"<@img=de.png>  Welches   Land?", "Deutschland"}},
         "<@img=de.png> Welches Land?//Deutschland"},
        {"", {}, ""},
    };
    for (const Fall &f : faelle) {
        EXPECT_EQ(FragenZeilenLesen(f.text), f.zeilen) << f.text.toStdString();
        EXPECT_EQ(FragenZeilenText(f.zeilen), f.geschrieben) << f.text.toStdString();
    }
}

TEST(FragenZeilen, ChecksWhatALineCannotHold)
{
    struct Fall
    {
        FragenZeile z;
        bool ok;
    };
    const Fall faelle[] = {{{"Frage", "Antwort"}, true}, {{"Frage", ""}, true},  {{"", "Antwort"}, false},
                           {{"   ", "x"}, false},        {{"a//b", "c"}, false}, {{"a", "b//c"}, false}};
    for (const Fall &f : faelle)
        EXPECT_EQ(FragenZeilePruefen(f.z).isEmpty(), f.ok)
            << f.z.Frage.toStdString() << "|" << f.z.Antwort.toStdString();
}

} // namespace

#include "AssistentSchritte.h"

TEST(AssistentSchritte, EachStateOfTheDocumentShowsItsStep)
{
    struct Fall
    {
        const char *name;
        bool da;
        int luecken;
        bool geaendert;
        QString datei;
        AssistentSchritt schritt;
    };
    const Fall faelle[] = {
        {"none", false, 0, false, {}, AssistentSchritt::Anlegen},
        {"empty", true, 0, true, {}, AssistentSchritt::Inhalte},
        {"emptySaved", true, 0, false, "a.tvl", AssistentSchritt::Inhalte},
        {"unsaved", true, 2, true, {}, AssistentSchritt::Speichern},
        {"changed", true, 2, true, "a.tvl", AssistentSchritt::Speichern},
        {"saved", true, 2, false, "a.tvl", AssistentSchritt::Ausprobieren},
    };
    for (const Fall &f : faelle) {
        Dokument d;
        d.DokTyp = DokArt::Lueckentext;
        for (int i = 0; i < f.luecken; ++i)
            d.Objekte << LueckenObjekt("x");
        d.Geaendert = f.geaendert;
        d.DateiName = f.datei;
        EXPECT_EQ(AktuellerSchritt(d, f.da), f.schritt) << f.name;
        EXPECT_FALSE(SchrittHinweis(f.schritt, d.DokTyp).isEmpty());
    }
}
