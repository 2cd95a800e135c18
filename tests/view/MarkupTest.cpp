// Tests of the markup layout: tags, tabs, wrapping and gaps.
#include "Markup.h"

#include <gtest/gtest.h>

namespace {
// A canvas with fixed metrics: every character 10 pixels wide, every cell
// 20 pixels high. Records what is drawn.
class MessLeinwand : public IMarkupLeinwand
{
public:
    struct Text
    {
        int x, y;
        QString text;
        QColor farbe;
        bool fett;
    };
    struct Strich
    {
        int x1, y1, x2, y2;
    };
    QList<Text> texte;
    QList<Strich> striche;
    QFont font;

    void SchriftSetzen(const QFont &f) override { font = f; }
    QFont Schrift() const override { return font; }
    int TextBreite(const QString &t) override { return 10 * int(t.size()); }
    int TextHoehe(const QString &) override { return 20; }
    void TextAus(int x, int y, const QString &t, const QColor &f) override { texte.append({x, y, t, f, font.bold()}); }
    void Linie(int x1, int y1, int x2, int y2, const QColor &) override { striche.append({x1, y1, x2, y2}); }

    QString Alles() const
    {
        QString s;
        for (const Text &t : texte)
            s += t.text;
        return s;
    }
};

// h0 = 20: line height 25 (28 with gaps), first line 9 below Y.
int Schreiben(MessLeinwand &l, const QString &text, int variante = 0, int breite = 1000, int x = 0,
              MarkupUmgebung *u = nullptr)
{
    MarkupUmgebung leer;
    return MarkupSchreiben(l, {.Text = text, .X = x, .Breite = breite, .Hoehe = 500, .Variante = variante},
                           u ? *u : leer);
}
} // namespace

TEST(Markup, LeererAbsatzIstEineZeile)
{
    MessLeinwand l;
    EXPECT_EQ(Schreiben(l, ""), 9 + 25);
    EXPECT_EQ(Schreiben(l, "", MarkupVariante::Arbeitsblatt), 9 + 28);
    MarkupUmgebung u;
    EXPECT_EQ(MarkupSchreiben(l, {.Text = "Hallo", .Y = 100, .Breite = 1000, .Hoehe = 500}, u), 134);
}

TEST(Markup, TagsOhneRuecksichtAufGrossKleinschreibung)
{
    MessLeinwand l;
    Schreiben(l, "<b>fett</B> normal <I>x</i><u>y</U>");
    EXPECT_EQ(l.Alles().trimmed(), "fett normal xy");
    ASSERT_GE(l.texte.size(), 2);
    EXPECT_EQ(l.texte[0].text, "fett");
    EXPECT_TRUE(l.texte[0].fett);
    EXPECT_EQ(l.texte[0].x, 0);
    EXPECT_FALSE(l.texte[1].fett);
    EXPECT_EQ(l.texte[1].x, 40);
}

TEST(Markup, TabulatorAbsolutUndFeldRechtsbuendig)
{
    MessLeinwand l;
    Schreiben(l, "ab<@POSX=50%>cd", 0, 600, 100);
    ASSERT_EQ(l.texte.size(), 2);
    EXPECT_EQ(l.texte[0].x, 100);
    EXPECT_EQ(l.texte[1].x, 300); // 50 % of the area, not of the part right of the margin
    EXPECT_EQ(l.texte[1].text.trimmed(), "cd");

    MessLeinwand einstellig;
    Schreiben(einstellig, "<@POSX=5%>x");
    EXPECT_EQ(einstellig.Alles().trimmed(), "<@POSX=5%>x");

    // Blanks narrower than digits, so right alignment shows.
    struct Schmal : MessLeinwand
    {
        int TextBreite(const QString &t) override { return 10 * int(t.size()) - 5 * int(t.count(' ')); }
    } feld;
    Schreiben(feld, "<@REB=03>  7|");
    ASSERT_GE(feld.texte.size(), 2);
    EXPECT_EQ(feld.texte[0].text, "  7");
    EXPECT_EQ(feld.texte[0].x, 10); // field of three digit widths, its end at 30
    EXPECT_EQ(feld.texte[1].x, 30);
}

TEST(Markup, FarbeUndLinieWerdenNichtGedruckt)
{
    MessLeinwand l;
    Schreiben(l, "a<@col=ff00Aa>b</@COL>c");
    EXPECT_EQ(l.Alles().trimmed(), "abc");
    EXPECT_EQ(l.texte[1].x, 10);
    EXPECT_EQ(l.texte[1].farbe, QColor(Qt::black));

    MessLeinwand linie;
    const int y = Schreiben(linie, "ab<@LINIE>cd", 0, 300);
    ASSERT_EQ(linie.striche.size(), 1);
    EXPECT_EQ(linie.striche[0].x1, 20);
    EXPECT_EQ(linie.striche[0].y1, 9 + 25 / 2 - 1);
    EXPECT_EQ(linie.striche[0].x2, 300);
    // The text after a rule starts a new line.
    EXPECT_EQ(linie.texte.last().x, 0);
    EXPECT_EQ(linie.texte.last().y, 9 + 25);
    EXPECT_EQ(y, 9 + 50);
}

TEST(Markup, UmbruchAnLeerstellenOhneLeereZusatzzeile)
{
    MessLeinwand l;
    const int y = Schreiben(l, "aaaa bbbb cccc", 0, 100);
    ASSERT_EQ(l.texte.size(), 2);
    EXPECT_EQ(l.texte[0].text, "aaaa bbbb ");
    EXPECT_EQ(l.texte[1].text.trimmed(), "cccc");
    EXPECT_EQ(l.texte[1].y, 9 + 25);
    EXPECT_EQ(y, 9 + 50);
}

TEST(Markup, ZuBreitesWortWirdNachDemUeberstehendenZeichenGeteilt)
{
    for (const QString &text : {QString("abcdefghijkl"), QString("<b>abcdefghijkl")}) {
        MessLeinwand l;
        const int y = Schreiben(l, text, 0, 50);
        QStringList zeilen;
        for (const auto &t : l.texte)
            if (!t.text.trimmed().isEmpty())
                zeilen << t.text.trimmed();
        EXPECT_EQ(zeilen, QStringList({"abcdef", "ghijkl"})) << text.toStdString();
        EXPECT_EQ(y, 9 + 50) << text.toStdString();
    }
}

TEST(Markup, LueckeSetztDasLueckenobjektUndHaeltDenPunkt)
{
    QList<DokObjekt> objekte(3);
    objekte[0].Typ = ObjektTyp::TextOhneAbdeckung;
    objekte[1].Typ = ObjektTyp::Luecke;
    objekte[2].Typ = ObjektTyp::Luecke;
    MarkupUmgebung u;
    u.Objekte = &objekte;
    MessLeinwand l;
    Schreiben(l, "Wort <<Basel>>. Ende", MarkupVariante::Lernansicht, 1000, 0, &u);
    // Gap width max(" Basel", " XX") = 60 at x 50: its middle at 80.
    EXPECT_DOUBLE_EQ(objekte[1].Kx, 80 / 1000.0);
    EXPECT_DOUBLE_EQ(objekte[1].Ky, (9 + 20 + 4) / 500.0);
    EXPECT_EQ(objekte[1].Sx, objekte[1].Kx);
    EXPECT_EQ(objekte[1].Sy, objekte[1].Ky);
    EXPECT_EQ(u.LueckenZeiger, 2);
    // The gap text itself is not drawn; the full stop follows the field.
    EXPECT_FALSE(l.Alles().contains("Basel"));
    ASSERT_GE(l.texte.size(), 2);
    EXPECT_EQ(l.texte[1].text, ".");
    EXPECT_EQ(l.texte[1].x, 110);

    // A second gap takes the next object, a third finds none.
    Schreiben(l, "<<a>> <<b>>", MarkupVariante::Lernansicht, 1000, 0, &u);
    EXPECT_EQ(u.LueckenZeiger, -1);
}

TEST(Markup, PunktBleibtAuchBeimUmbruchAnDerLuecke)
{
    QList<DokObjekt> objekte(1);
    objekte[0].Typ = ObjektTyp::Luecke;
    MarkupUmgebung u;
    u.Objekte = &objekte;
    MessLeinwand l;
    // "aaaa bb " is 80 wide; the gap " cccc" does not fit and moves as a whole.
    Schreiben(l, "aaaa bb <<cccc>>. x", MarkupVariante::Lernansicht, 100, 0, &u);
    EXPECT_DOUBLE_EQ(objekte[0].Kx, 25 / 100.0);
    EXPECT_DOUBLE_EQ(objekte[0].Ky, (9 + 28 + 24) / 500.0);
    bool punkt = false;
    for (const auto &t : l.texte)
        if (t.text == ".") {
            punkt = true;
            EXPECT_EQ(t.x, 50);
            EXPECT_EQ(t.y, 9 + 28);
        }
    EXPECT_TRUE(punkt);
}

TEST(Markup, LueckenInDenArbeitsblattVarianten)
{
    const QString text = "Wort <<Basel>>";
    MessLeinwand v1, v2, v3, v0;
    Schreiben(v1, text, MarkupVariante::Arbeitsblatt);
    Schreiben(v2, text, MarkupVariante::Loesung);
    Schreiben(v3, text, MarkupVariante::Loesungsblatt);
    Schreiben(v0, text, MarkupVariante::Text);

    EXPECT_EQ(v1.Alles().trimmed(), "Wort");
    ASSERT_EQ(v1.striche.size(), 1);
    EXPECT_EQ(v1.striche[0].x1, 50);
    EXPECT_EQ(v1.striche[0].x2, 50 + 110); // "   Basel   "
    EXPECT_EQ(v1.striche[0].y1, 9 + 20);

    ASSERT_EQ(v2.texte.size(), 1);
    EXPECT_EQ(v2.texte[0].text, "   Basel");
    EXPECT_EQ(v2.texte[0].farbe, QColor(255, 0, 0));
    EXPECT_TRUE(v2.striche.isEmpty());

    EXPECT_EQ(v3.striche.size(), 1);
    EXPECT_TRUE(v3.Alles().contains("Wort"));
    EXPECT_TRUE(v3.Alles().contains("   Basel"));

    // Without gap handling the marks are text.
    EXPECT_EQ(v0.Alles().trimmed(), "Wort <<Basel>>");
}

TEST(Markup, MessenZeichnetNichts)
{
    MessLeinwand l;
    const int y = Schreiben(l, "aaaa bbbb cccc", -1, 100);
    EXPECT_TRUE(l.texte.isEmpty());
    EXPECT_EQ(y, 9 + 50);
}

TEST(Markup, InfotextBildHatDieHoeheDesTextes)
{
    QImage ziel;
    InfotextZeichnen(ziel, {"Erste Zeile", "<b>Zweite</b> Zeile"}, 300, 14, QColor(240, 240, 240));
    EXPECT_EQ(ziel.width(), 300);
    EXPECT_GT(ziel.height(), 30);
    EXPECT_LT(ziel.height(), 120);
    bool dunkel = false;
    for (int y = 0; y < ziel.height() && !dunkel; ++y)
        for (int x = 0; x < 100; ++x)
            if (qGray(ziel.pixel(x, y)) < 80)
                dunkel = true;
    EXPECT_TRUE(dunkel);
}

TEST(Markup, PunktAmZeilenendeBleibtBeiDerLuecke)
{
    QList<DokObjekt> objekte(1);
    objekte[0].Typ = ObjektTyp::Luecke;
    MarkupUmgebung u;
    u.Objekte = &objekte;
    MessLeinwand l;
    // "aaaa " and the gap " cccc" fill the line exactly; the full stop
    // stays behind the gap, the next word wraps.
    Schreiben(l, "aaaa <<cccc>>. x", MarkupVariante::Lernansicht, 100, 0, &u);
    ASSERT_GE(l.texte.size(), 3);
    EXPECT_EQ(l.texte[1].text, ".");
    EXPECT_EQ(l.texte[1].x, 100);
    EXPECT_EQ(l.texte[1].y, 9);
    EXPECT_EQ(l.texte.last().text.trimmed(), "x");
    EXPECT_EQ(l.texte.last().x, 0);
    EXPECT_EQ(l.texte.last().y, 9 + 28);
}
