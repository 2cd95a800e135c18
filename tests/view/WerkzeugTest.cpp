// Tests of the drawing tools: pen, marker, tick, eraser and keyword field.
#include "SzenenHilfe.h"
#include "Texteingabe.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {
struct MerkAnzeige : ISzenenAnzeige
{
    QRect bereich;
    int ganz = 0;
    Werkzeug werkzeug = Werkzeug::Zeiger;
    void Auffrischen() override { ++ganz; }
    void BereichAuffrischen(const QRect &r) override { bereich = r; }
    void WerkzeugGeaendert(Werkzeug w) override { werkzeug = w; }
};

// The learning view over a white picture with a black bar in its upper
// half (rows 100..199) and a red square at (600..699, 400..499).
struct Zeichnen : SzenenTest
{
    MerkAnzeige anzeige;
    Zeichnen()
    {
        QImage bild = Einfarbig(870, 650, Qt::white);
        QPainter p(&bild);
        p.fillRect(0, 100, 870, 100, Qt::black);
        p.fillRect(600, 400, 100, 100, QColor(255, 0, 0));
        p.end();
        zustand.Dok.BasisBild = bild;
        szene.Anzeige = &anzeige;
        szene.Zustand.AnsichtModus = AnsichtArt::Startseite;
        szene.LernansichtSichtbar = true;
        szene.SzeneAufbauen();
    }
    QColor Anzeige(int x, int y) const { return QColor(szene.AnzeigeBild.pixel(x, y)); }
    // Press at a, drag to b, release there, as the mouse would.
    void Strich(QPoint a, QPoint b)
    {
        szene.WerkzeugBewegung(a, false);
        szene.WerkzeugDruck(a);
        szene.WerkzeugBewegung(b, true);
        szene.WerkzeugLos(b, false);
    }
    int Zaehle(QColor c) const
    {
        int n = 0;
        for (int y = 0; y < szene.AnzeigeBild.height(); ++y)
            for (int x = 0; x < szene.AnzeigeBild.width(); ++x)
                n += QColor(szene.AnzeigeBild.pixel(x, y)) == c;
        return n;
    }
};
} // namespace

TEST(Zeichenwerkzeuge, StiftklickOhneBewegungZeichnetEinenPunkt)
{
    Zeichnen t;
    const int ganzVorher = t.anzeige.ganz;
    t.szene.WerkzeugWaehlen(Werkzeug::Stift);
    EXPECT_EQ(t.anzeige.werkzeug, Werkzeug::Stift);
    // Right after loading there is no last point: the first move draws
    // nothing even with the button held.
    t.szene.LetzterX = t.szene.LetzterY = -1;
    t.szene.WerkzeugBewegung(QPoint(300, 400), true);
    EXPECT_EQ(t.Zaehle(QColor(255, 0, 0)), 100 * 100);
    t.szene.WerkzeugBewegung(QPoint(300, 400), false);
    t.szene.WerkzeugDruck(QPoint(300, 400));
    t.szene.WerkzeugLos(QPoint(300, 400), false);
    EXPECT_EQ(t.Anzeige(300, 400), QColor(255, 0, 0));
    const int punkt = t.Zaehle(QColor(255, 0, 0)) - 100 * 100;
    // A round dot of width 5.
    EXPECT_GE(punkt, 9);
    EXPECT_LE(punkt, 30);
    EXPECT_TRUE(t.anzeige.bereich.contains(QPoint(300, 400)));
    EXPECT_LE(t.anzeige.bereich.width(), 12);
    EXPECT_EQ(t.anzeige.ganz, ganzVorher) << "only the changed part is repainted";
}

TEST(Zeichenwerkzeuge, StiftStrichVerbindetDieBewegungen)
{
    Zeichnen t;
    t.szene.WerkzeugWaehlen(Werkzeug::Stift);
    t.Strich(QPoint(100, 300), QPoint(200, 300));
    for (int x = 100; x <= 200; x += 10)
        EXPECT_EQ(t.Anzeige(x, 300), QColor(255, 0, 0)) << x;
    EXPECT_EQ(t.Anzeige(150, 305), Qt::white); // width 5: rows 298..302
    // The scene is untouched until a scroll commits the drawing.
    EXPECT_EQ(t.Szenenfarbe(150, 300), Qt::white);
}

TEST(Zeichenwerkzeuge, MarkerVerknuepftMitDemBildStattEsZuVerdecken)
{
    Zeichnen t;
    t.szene.WerkzeugWaehlen(Werkzeug::GelbMarker);
    t.Strich(QPoint(50, 150), QPoint(50, 350));   // over black and white
    t.Strich(QPoint(650, 450), QPoint(660, 450)); // over red
    EXPECT_EQ(t.Anzeige(50, 150), QColor(0, 0, 0));
    EXPECT_EQ(t.Anzeige(50, 300), QColor(255, 255, 0));
    EXPECT_EQ(t.Anzeige(62, 300), QColor(255, 255, 0)); // width 25
    EXPECT_EQ(t.Anzeige(650, 450), QColor(255, 0, 0));

    t.szene.WerkzeugWaehlen(Werkzeug::GruenMarker);
    t.Strich(QPoint(400, 150), QPoint(400, 350));
    EXPECT_EQ(t.Anzeige(400, 150), QColor(0, 0, 0));
    EXPECT_EQ(t.Anzeige(400, 300), QColor(0, 255, 0));
    // Yellow under green leaves green only.
    t.Strich(QPoint(40, 300), QPoint(60, 300));
    EXPECT_EQ(t.Anzeige(50, 300), QColor(0, 255, 0));
}

TEST(Zeichenwerkzeuge, HaekchenStempeltEinmalJeDruck)
{
    Zeichnen t;
    const QColor gruen(0, 196, 0);
    t.szene.WerkzeugWaehlen(Werkzeug::Haekchen);
    t.szene.WerkzeugBewegung(QPoint(300, 400), false);
    t.szene.WerkzeugDruck(QPoint(300, 400));
    const int einer = t.Zaehle(gruen);
    EXPECT_GT(einer, 50);
    EXPECT_TRUE(t.szene.StempelGesetzt);
    // Held and moved: no second stamp.
    t.szene.WerkzeugBewegung(QPoint(500, 400), true);
    t.szene.WerkzeugBewegung(QPoint(560, 300), true);
    EXPECT_EQ(t.Zaehle(gruen), einer);
    t.szene.WerkzeugLos(QPoint(560, 300), false);
    EXPECT_FALSE(t.szene.StempelGesetzt);
    // Pressed again: a second stamp of the same size.
    t.szene.WerkzeugDruck(QPoint(500, 500));
    EXPECT_EQ(t.Zaehle(gruen), 2 * einer);

    t.szene.WerkzeugLos(QPoint(500, 500), false);
    t.szene.WerkzeugWaehlen(Werkzeug::Kreuz);
    t.szene.WerkzeugDruck(QPoint(200, 500));
    EXPECT_GT(t.Zaehle(QColor(220, 0, 0)), 50);
}

TEST(Zeichenwerkzeuge, RadiererStelltDenAbdeckerWiederHer)
{
    Zeichnen t;
    t.zustand.Dok.Objekte << Objekt(0, 0.4, 0.6, "Gruen");
    t.szene.SzeneAufbauen();
    const QPoint mitte = t.BoxMitte(0);
    const QRect quadrat(mitte - QPoint(16, 16), QSize(32, 32));
    const QImage abdecker = t.szene.AnzeigeBild.copy(quadrat);
    // The cover lies there, not the white picture.
    EXPECT_NE(abdecker, Einfarbig(32, 32, Qt::white).convertToFormat(abdecker.format()));

    t.szene.WerkzeugWaehlen(Werkzeug::Stift);
    t.Strich(mitte - QPoint(5, 0), mitte + QPoint(5, 0));
    EXPECT_EQ(t.Anzeige(mitte.x(), mitte.y()), QColor(255, 0, 0));
    // Committed into the scene by a scroll step: the eraser removes it too.
    t.szene.Scrollen(1, 0);
    EXPECT_EQ(t.Szenenfarbe(mitte.x(), mitte.y()), QColor(255, 0, 0));
    t.szene.WerkzeugWaehlen(Werkzeug::Radierer);
    t.szene.WerkzeugBewegung(mitte, false);
    t.szene.WerkzeugDruck(mitte);
    EXPECT_EQ(t.szene.AnzeigeBild.copy(quadrat), abdecker);
    EXPECT_EQ(t.anzeige.bereich, QRect(mitte - QPoint(16, 16), QSize(32, 32)));
}

TEST(Zeichenwerkzeuge, AlleZeichnungenEntfernenAuchUebernommene)
{
    Zeichnen t;
    t.szene.WerkzeugWaehlen(Werkzeug::Stift);
    t.Strich(QPoint(100, 300), QPoint(200, 300));
    t.szene.Scrollen(0, 1);
    t.Strich(QPoint(100, 500), QPoint(200, 500));
    t.szene.AlleZeichnungenEntfernen();
    EXPECT_EQ(t.Anzeige(150, 300), Qt::white);
    EXPECT_EQ(t.Anzeige(150, 500), Qt::white);
    EXPECT_EQ(t.Szenenfarbe(150, 300), Qt::white);
}

TEST(Zeichenwerkzeuge, SchlagwortFeldMeldetSichUndSchreibtBlau)
{
    Zeichnen t;
    t.szene.WerkzeugWaehlen(Werkzeug::Text);
    t.szene.WerkzeugBewegung(QPoint(300, 400), false);
    const WerkzeugSchritt s = t.szene.WerkzeugDruck(QPoint(300, 400));
    EXPECT_TRUE(s.texteingabe);
    EXPECT_EQ(s.punkt, QPoint(300, 400));
    EXPECT_TRUE(s.geaendert.isEmpty());

    const QImage vorher = t.szene.AnzeigeBild.copy();
    EXPECT_TRUE(t.szene.SchlagwortSchreiben(QPoint(300, 400), QString()).isEmpty());
    EXPECT_EQ(t.szene.AnzeigeBild, vorher); // Enter on an empty field draws nothing
    const QRect r = t.szene.SchlagwortSchreiben(QPoint(300, 400), "Wappen");
    EXPECT_TRUE(r.contains(QPoint(310, 410)));
    int blau = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            blau += QColor(t.szene.AnzeigeBild.pixel(x, y)) == Szene::SchlagwortFarbe;
    EXPECT_GT(blau, 40);
    EXPECT_EQ(t.Anzeige(299, 399), Qt::white); // the text starts at its top-left
}

TEST(Zeichenwerkzeuge, ZeigerUndHandZeichnenNicht)
{
    Zeichnen t;
    const QImage vorher = t.szene.AnzeigeBild.copy();
    for (Werkzeug w : {Werkzeug::Zeiger, Werkzeug::Hand}) {
        t.szene.WerkzeugWaehlen(w);
        t.Strich(QPoint(100, 300), QPoint(200, 300));
    }
    EXPECT_EQ(t.szene.AnzeigeBild, vorher);
}

TEST(Zeichenwerkzeuge, TabelleNenntNeunWerkzeugeMitIhrenStiften)
{
    QStringList knoepfe;
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(int(WerkzeugTabelle[i].werkzeug), i + 1);
        knoepfe << WerkzeugTabelle[i].knopf;
    }
    knoepfe.removeDuplicates();
    EXPECT_EQ(knoepfe.size(), 9);
    EXPECT_EQ(StiftVon(Werkzeug::Stift).breite, 5);
    EXPECT_FALSE(StiftVon(Werkzeug::Stift).maske);
    EXPECT_EQ(StiftVon(Werkzeug::GruenMarker).farbe, QColor(0, 255, 0));
    EXPECT_TRUE(StiftVon(Werkzeug::GelbMarker).maske);
    EXPECT_EQ(StiftVon(Werkzeug::GelbMarker).breite, 25);
}

TEST(Texteingabe, PlatzUndWachstumImBild)
{
    const QRect bild(9, 8, 870, 650);
    const QPoint versatz(0, 50); // a 870 x 550 bitmap centred vertically
    // Placed with its bottom-left at the point.
    QRect r = TexteingabePlatzieren(60, 17, bild, versatz, 870, QPoint(300, 400));
    EXPECT_EQ(r, QRect(300, 383, 95, 17));
    // Growing text keeps the corner and widens to the right ...
    r = TexteingabePlatzieren(160, 17, bild, versatz, 870, QPoint(300, 400));
    EXPECT_EQ(r, QRect(300, 383, 195, 17));
    // ... until the right edge pushes it back left.
    r = TexteingabePlatzieren(700, 17, bild, versatz, 870, QPoint(300, 400));
    EXPECT_EQ(r.right() + 1, 9 + 870);
    // Never wider than the bitmap, never left of its start.
    r = TexteingabePlatzieren(2000, 17, bild, versatz, 870, QPoint(300, 400));
    EXPECT_EQ(r, QRect(9, 383, 870, 17));
    // Above the bitmap's top or below its bottom: clamped into its rows.
    r = TexteingabePlatzieren(60, 17, bild, versatz, 870, QPoint(300, 20));
    EXPECT_EQ(r.top(), 8 + 50);
    r = TexteingabePlatzieren(60, 17, bild, versatz, 870, QPoint(300, 900));
    EXPECT_EQ(r.top() + r.height(), 8 + 650 - 50);
}

TEST(Zeichenwerkzeuge, RadiererNimmtDenAktuellenZustandEinesUmgeschaltetenAbdeckers)
{
    Zeichnen t;
    t.zustand.Dok.Objekte << Objekt(0, 0.4, 0.6, "Gruen");
    t.szene.SzeneAufbauen();
    t.szene.Scrollen(0, 1); // the clean copy is refreshed only on demand
    const QPoint mitte = t.BoxMitte(0);
    const QRect quadrat(mitte - QPoint(16, 16), QSize(32, 32));
    const QImage abgedeckt = t.szene.AnzeigeBild.copy(quadrat);
    // Uncovered with the pointer: the label's text shows now.
    ASSERT_EQ(t.szene.Klick(mitte).aktion, KlickAktion::Umgeschaltet);
    const QImage aufgedeckt = t.szene.AnzeigeBild.copy(quadrat);
    ASSERT_NE(aufgedeckt, abgedeckt);
    t.szene.WerkzeugWaehlen(Werkzeug::Stift);
    t.Strich(mitte - QPoint(8, 0), mitte + QPoint(8, 0));
    t.szene.WerkzeugWaehlen(Werkzeug::Radierer);
    t.szene.WerkzeugBewegung(mitte, false);
    t.szene.WerkzeugDruck(mitte);
    EXPECT_EQ(t.szene.AnzeigeBild.copy(quadrat), aufgedeckt);
    // Toggled back while the clean copy is fresh: it follows as well.
    t.szene.WerkzeugWaehlen(Werkzeug::Zeiger);
    t.szene.Klick(mitte);
    t.szene.WerkzeugWaehlen(Werkzeug::Stift);
    t.Strich(mitte - QPoint(8, 0), mitte + QPoint(8, 0));
    t.szene.WerkzeugWaehlen(Werkzeug::Radierer);
    t.szene.WerkzeugDruck(mitte);
    EXPECT_EQ(t.szene.AnzeigeBild.copy(quadrat), abgedeckt);
}
