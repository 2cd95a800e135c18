// Tests of object boxes: placement, sizes, layers, zoom and question texts.
#include "Fragentext.h"
#include "Runden.h"
#include "SzenenHilfe.h"
#include "Zeichenhilfen.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

TEST(Objektbox, TextboxWirdNachSeitePlatziertUndVermerkt)
{
    SzenenTest t;
    for (int seite = 1; seite <= 4; ++seite) {
        DokObjekt o = Objekt(ObjektTyp::Beschriftung, 0.5, 0.5, "Hausdach");
        o.KAusr = seite;
        o.Abdeckung = 0;
        t.zustand.Dok.Objekte << o;
    }
    t.szene.SzeneAufbauen();
    const QFontMetrics fm(ArialPixel(22));
    const int bw = fm.horizontalAdvance("Hausdach"), bh = fm.height() + 4;
    const int lx = 435, ly = 325;
    EXPECT_EQ(SzenenBox(t, 0), QRect(lx + 7, ly - rnd(bh / 2.0), bw, bh));
    EXPECT_EQ(SzenenBox(t, 1), QRect(lx - rnd(bw / 2.0), ly - bh - 2, bw, bh));
    EXPECT_EQ(SzenenBox(t, 2), QRect(lx - bw - 7, ly - rnd(bh / 2.0), bw, bh));
    EXPECT_EQ(SzenenBox(t, 3), QRect(lx - rnd(bw / 2.0), ly + 2, bw, bh));
    const DokObjekt &o = t.Obj(0);
    EXPECT_EQ(o.KAusrAkt, 1);
    EXPECT_EQ(o.PixLinks, lx + 7);
    EXPECT_EQ(o.PixOben, ly - rnd(bh / 2.0));
    EXPECT_DOUBLE_EQ(o.HalbBreite, (rnd(bw / 2.0) + 7) / 870.0);
    EXPECT_DOUBLE_EQ(o.HalbHoehe, (rnd(bh / 2.0) + 2) / 650.0);
}

TEST(Objektbox, GroessenRichtenSichNachZustandUndZoom)
{
    SzenenTest t;
    DokObjekt kurz = Objekt(ObjektTyp::Beschriftung, 0.2, 0.2, "a");
    DokObjekt geloest = Objekt(ObjektTyp::Beschriftung, 0.2, 0.4, "Ein langer Text");
    geloest.Abdeckung = AbdeckungsArt::Geloest;
    DokObjekt offen = Objekt(ObjektTyp::Beschriftung, 0.2, 0.6, "Ein langer Text");
    offen.Abdeckung = AbdeckungsArt::OffeneFrage;
    DokObjekt leer = Objekt(ObjektTyp::TextOhneAbdeckung, 0.6, 0.6, "");
    DokObjekt info = Objekt(ObjektTyp::Infopunkt, 0.6, 0.2, "Hallo", 2);
    t.zustand.Dok.Objekte << kurz << geloest << offen << leer << info;
    t.szene.ZoomSetzen(4); // s = 2
    t.szene.SzeneAufbauen();
    // A short text still gets the minimum width 30 s.
    EXPECT_EQ(SzenenBox(t, 0).width(), 60);
    // Quiz marks have a fixed, unscaled size.
    EXPECT_EQ(SzenenBox(t, 1).size(), QSize(34, 38));
    EXPECT_EQ(SzenenBox(t, 2).size(), QSize(60, 60));
    EXPECT_EQ(SzenenBox(t, 4).size(), QSize(60, 60));
    // Empty text: no box, nothing to hit.
    EXPECT_EQ(t.Obj(3).Rahmen.Left, t.Obj(3).Rahmen.Right);
}

TEST(Objektbox, AutomatischeSeite)
{
    SzenenTest t;
    t.zustand.Dok.BasisBild = Einfarbig(1000, 500, Qt::gray); // display 870 x 435, aspect 2
    auto mit = [&](double sx, double sy, double kx, double ky) {
        DokObjekt o = Objekt(ObjektTyp::Beschriftung, kx, ky, "x");
        o.Sx = sx;
        o.Sy = sy;
        o.KAusr = 0;
        t.zustand.Dok.Objekte << o;
    };
    mit(0.5, 0.5, 0.5, 0.5);   // on its anchor: right
    mit(0.5, 0.5, 0.5, 0.3);   // straight above
    mit(0.5, 0.5, 0.5, 0.7);   // straight below
    mit(0.5, 0.5, 0.3, 0.5);   // left
    mit(0.5, 0.5, 0.6, 0.65);  // dy' = 0.075 < dx = 0.1: right, the picture is wide
    mit(0.5, 0.5, 0.45, 0.75); // dy' = 0.125 > 0.05: below
    t.szene.SzeneAufbauen();
    const int erwartet[] = {1, 2, 4, 3, 1, 4};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(t.Obj(i).KAusrAkt, erwartet[i]) << i;

    // Decided once: a new view with another aspect keeps the sides.
    t.szene.SteuerGroesse = QSize(300, 650);
    t.szene.ZoomSetzen(2);
    t.szene.SzeneAufbauen();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(t.Obj(i).KAusrAkt, erwartet[i]) << i;
}

TEST(Objektbox, FragenteileNurZurAktuellenFrage)
{
    SzenenTest t;
    Dokument &d = t.zustand.Dok;
    d.DokTyp = DokArt::Einzelfragen;
    d.AnzFrageNummern = 2;
    for (int k = 1; k <= 2; ++k) {
        DokObjekt a = Objekt(ObjektTyp::Antwort, 0.225, 0.6, k == 1 ? "Eins" : "Zwei");
        a.FrageNummer = k;
        DokObjekt f = Objekt(ObjektTyp::FrageText, 0.1, 0.4, "Frage?");
        f.FrageNummer = k;
        d.Objekte << a << f;
    }
    t.zustand.AktFrage = 7; // out of range: back to 1
    t.szene.SzeneAufbauen();
    EXPECT_EQ(t.zustand.AktFrage, 1);
    EXPECT_GT(SzenenBox(t, 0).width(), 0);
    EXPECT_EQ(SzenenBox(t, 2).width(), 0);
    // The question box starts 3 pixels right of the picture's left tenth.
    EXPECT_EQ(SzenenBox(t, 1).left(), 87 + 3);
    EXPECT_EQ(t.szene.ObjektAn(SzenenBox(t, 0).center().x(), SzenenBox(t, 0).center().y()), 0);

    // No questions at all: AktFrage -1.
    d.AnzFrageNummern = 0;
    t.szene.SzeneAufbauen();
    EXPECT_EQ(t.zustand.AktFrage, -1);
}

TEST(Objektbox, SichtbarkeitDerEbenen)
{
    SzenenTest t;
    DokObjekt o = Objekt(ObjektTyp::Beschriftung, 0.5, 0.5, "x");
    for (int e : {0, 1, 2, 5}) {
        o.Ebene = e;
        t.zustand.Dok.Objekte << o;
    }
    t.szene.Ebene1Check = false;
    EXPECT_TRUE(t.szene.EbeneSichtbar(0));
    EXPECT_FALSE(t.szene.EbeneSichtbar(1));
    EXPECT_TRUE(t.szene.EbeneSichtbar(2));
    EXPECT_FALSE(t.szene.EbeneSichtbar(3));
    EXPECT_FALSE(t.szene.EbeneSichtbar(4));
    t.szene.Zustand.AnsichtModus = AnsichtArt::Quiz;
    EXPECT_TRUE(t.szene.EbeneSichtbar(1));
    EXPECT_TRUE(t.szene.EbeneSichtbar(3));
}

TEST(Objektbox, MarkerFolgtDemObjektNurImQuiz)
{
    SzenenTest t;
    DokObjekt o = Objekt(ObjektTyp::Beschriftung, 0.5, 0.5, "Ziel");
    o.Sx = 0.2;
    o.Sy = 0.2;
    t.zustand.Dok.Objekte << o;
    t.szene.SzeneAufbauen();
    t.szene.MarkerSetzen(0, 2);
    EXPECT_FALSE(t.szene.MoveAnkerSichtbar); // mode 2
    EXPECT_EQ(t.szene.MarkerIndex, -1);

    t.szene.Zustand.AnsichtModus = AnsichtArt::Quiz;
    t.szene.SzeneAufbauen();
    t.szene.MarkerSetzen(0, 0);
    EXPECT_TRUE(t.szene.MoveAnkerSichtbar);
    EXPECT_EQ(t.szene.MoveAnker, QRect(174 - 6, 130 - 6, 13, 13));
    t.szene.MarkerSetzen(0, 2);
    const QRect b = SzenenBox(t, 0);
    EXPECT_EQ(t.szene.MoveAnker, QRect(b.left() - 4, b.top() - 4, b.width() + 8, b.height() + 8));
    // Presenting the view again places the stored marker again.
    t.szene.AnsichtZeigen();
    EXPECT_TRUE(t.szene.MoveAnkerSichtbar);
    EXPECT_EQ(t.szene.MarkerBezug, 2);
    t.szene.MarkerSetzen(-1, 2);
    EXPECT_FALSE(t.szene.MoveAnkerSichtbar);
    EXPECT_EQ(t.szene.MarkerBezug, -1);
}

TEST(Fragentext, PlatzhalterUndBildTag)
{
    QString t = FragePlatzhalterErsetzen("<@flaggenfrage><@img=fr.png> und <@euromünzfrage>");
    EXPECT_EQ(BildTagAusschneiden(t), "fr.png");
    EXPECT_EQ(t, "Wie heißt das Land zu dieser Flagge? und Zu welchem Land der Eurozone gehört diese Seite der "
                 "Münze?");
    QString ohneEnde = "Text <@img=fr.png";
    EXPECT_EQ(BildTagAusschneiden(ohneEnde), "");
    EXPECT_EQ(ohneEnde, "Text <@img=fr.png");
    EXPECT_EQ(FragePlatzhalterErsetzen("<@FLAGGENFRAGE>"), "<@FLAGGENFRAGE>");
}

TEST(Fragentext, BildnamenBleibenImFlaggenordner)
{
    EXPECT_EQ(FlaggenDatei("/prog/", "de.png"), "/prog/Flaggen/de.png");
    EXPECT_EQ(FlaggenDatei("/prog", "de.png"), "/prog/Flaggen/de.png");
    EXPECT_EQ(FlaggenDatei("/prog/", "../geheim.png"), "");
    EXPECT_EQ(FlaggenDatei("/prog/", "a/b.png"), "");
    EXPECT_EQ(FlaggenDatei("/prog/", "a\\b.png"), "");
    EXPECT_EQ(FlaggenDatei("/prog/", "/etc/passwd"), "");
    EXPECT_EQ(FlaggenDatei("/prog/", ""), "");
}

TEST(Objektbox, JedeZoomstufeSkaliertSchriftUndScheiben)
{
    SzenenTest t;
    DokObjekt text = Objekt(ObjektTyp::Beschriftung, 0.3, 0.3, "Beschriftung");
    DokObjekt offen = Objekt(ObjektTyp::Beschriftung, 0.3, 0.6, "x");
    offen.Abdeckung = AbdeckungsArt::OffeneFrage;
    DokObjekt knopf = Objekt(ObjektTyp::NaechsteFrage, 0.6, 0.6, "", 2);
    t.zustand.Dok.Objekte << text << offen << knopf;
    for (int stufe = 0; stufe <= 4; ++stufe) {
        t.szene.ZoomSetzen(stufe);
        t.szene.SzeneAufbauen();
        const double s = t.szene.Massstab();
        EXPECT_DOUBLE_EQ(s, 1.0 + 0.25 * stufe);
        const QFontMetrics fm(ArialPixel(rnd(22 * s)));
        EXPECT_EQ(SzenenBox(t, 0).size(),
                  QSize(qMax(fm.horizontalAdvance("Beschriftung"), rnd(30 * s)), fm.height() + 4))
            << stufe;
        EXPECT_EQ(SzenenBox(t, 1).size(), QSize(rnd(30 * s), rnd(30 * s))) << stufe;
        EXPECT_EQ(SzenenBox(t, 2).size(), QSize(rnd(30 * s), rnd(30 * s))) << stufe;
        // The scene grows with the zoom (refitting may lose a pixel to
        // rounding); the display keeps the control size.
        EXPECT_NEAR(t.szene.SzenenBild.width(), 870 * t.szene.ZoomFaktor, 1) << stufe;
        EXPECT_EQ(t.szene.AnzeigeBild.size(), QSize(870, 650)) << stufe;
    }
}
