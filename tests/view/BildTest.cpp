// Tests of the scene's drawing: covers, discs, solutions, quiz marks, flags.
#include "BildDatei.h"
#include "Runden.h"
#include "SzenenHilfe.h"
#include "Zeichenhilfen.h"

#include <QDir>
#include <QTemporaryDir>

#include <cmath>
#include <functional>

#include <gtest/gtest.h>

namespace {
int Zaehlen(const QImage &b, const QRect &r, const std::function<bool(QColor)> &wie)
{
    int n = 0;
    const QRect q = r.intersected(b.rect());
    for (int y = q.top(); y <= q.bottom(); ++y)
        for (int x = q.left(); x <= q.right(); ++x)
            if (wie(QColor(b.pixel(x, y))))
                ++n;
    return n;
}

// The red of the numbers, dark enough to read on the white disc.
bool Rot(QColor c)
{
    return c.red() >= 190 && c.green() < 60 && c.blue() < 60;
}
} // namespace

TEST(Bild, AbdeckerUndScheibenHabenIhreFarben)
{
    SzenenTest t;
    DokObjekt l = Objekt(ObjektTyp::Beschriftung, 0.3, 0.3, "Ein Abdecker");
    DokObjekt i = Objekt(ObjektTyp::Infopunkt, 0.7, 0.3, "Info", 2);
    DokObjekt k = Objekt(ObjektTyp::Link, 0.7, 0.6, "x", 0);
    t.zustand.Dok.Objekte << l << i << k;
    // In the learning view (as the scene, under the start panel) the info
    // point is blue with a darker rim, the link red-brown.
    t.szene.SzeneAufbauen();
    const QRect ib = SzenenBox(t, 1), kb = SzenenBox(t, 2);
    EXPECT_EQ(t.Szenenfarbe(ib.center().x(), ib.top() + 4), QColor(0, 95, 253));
    // The antialiased rim: 70 % of the fill.
    const QColor rand = t.Szenenfarbe(ib.center().x(), ib.top());
    EXPECT_NEAR(rand.green(), 67, 8);
    EXPECT_NEAR(rand.blue(), 177, 8);
    EXPECT_EQ(t.Szenenfarbe(kb.center().x(), kb.top() + 4), QColor(164, 53, 47));

    // Covers.
    t.szene.Zustand.AnsichtModus = AnsichtArt::Quiz;
    t.szene.SzeneAufbauen();
    const QRect b = SzenenBox(t, 0);
    EXPECT_EQ(t.Szenenfarbe(b.left(), b.top()), QColor(70, 125, 187));
    EXPECT_EQ(t.Szenenfarbe(b.left() + 3, b.center().y()), QColor(202, 228, 255));
    // Layer 2 is not drawn in a quiz; a badge on layer 0 is grey there.
    EXPECT_EQ(t.Szenenfarbe(ib.center().x(), ib.top() + 4), QColor(0, 128, 0));
    EXPECT_EQ(t.Szenenfarbe(kb.center().x(), kb.top() + 4), QColor(192, 192, 192));
    t.szene.Zustand.AnsichtModus = AnsichtArt::Startseite;
    t.szene.SzeneAufbauen();
    // The display itself stays empty in mode 2.
    EXPECT_EQ(QColor(t.szene.AnzeigeBild.pixel(10, 10)), QColor(174, 194, 212));
}

TEST(Bild, NummernscheibeAufDemAbdecker)
{
    SzenenTest t;
    t.zustand.Dok.Objekte << Objekt(ObjektTyp::Beschriftung, 0.3, 0.3, "Ein langer Abdecker");
    t.szene.NummerierungSetzen(NummerierArt::Geordnet, false);
    t.szene.SzeneAufbauen();
    const QRect b = SzenenBox(t, 0);
    // White disc with a red number in the middle of the box.
    const QRect scheibe(b.center().x() - 14, b.center().y() - 14, 28, 28);
    EXPECT_GT(Zaehlen(t.szene.SzenenBild, scheibe, [](QColor c) { return c == QColor(Qt::white); }), 100);
    EXPECT_GT(Zaehlen(t.szene.SzenenBild, scheibe, Rot), 10);

    // Mode 0: only the "?", no disc.
    t.szene.NummerierungSetzen(NummerierArt::Fragezeichen, true);
    EXPECT_EQ(Zaehlen(t.szene.SzenenBild, b, [](QColor c) { return c == QColor(Qt::white); }), 0);
    EXPECT_GT(Zaehlen(t.szene.SzenenBild, b, [](QColor c) { return c.value() < 60; }), 10);
}

TEST(Bild, OhneIllustrationIstDerGrundWeiss)
{
    SzenenTest t;
    t.zustand.Dok.Objekte << Objekt(ObjektTyp::Beschriftung, 0.3, 0.3, "Auf Ebene 0", 0);
    t.szene.SzeneAufbauen();
    EXPECT_EQ(t.Szenenfarbe(5, 5), QColor(0, 128, 0));
    t.szene.EbenenSetzen(false, true, true);
    EXPECT_EQ(Zaehlen(t.szene.SzenenBild, t.szene.SzenenBild.rect(), [](QColor c) { return c != Qt::white; }), 0);

    // In a quiz the picture and every layer are shown.
    t.szene.Zustand.AnsichtModus = AnsichtArt::Quiz;
    t.szene.SzeneAufbauen();
    EXPECT_EQ(t.Szenenfarbe(5, 5), QColor(0, 128, 0));
    EXPECT_EQ(t.Szenenfarbe(SzenenBox(t, 0).left() + 3, SzenenBox(t, 0).center().y()), QColor(202, 228, 255));
}

TEST(Bild, LoesungsueberlagerungZeigtNurFesteTexteUndRoteLoesungen)
{
    SzenenTest t;
    DokObjekt l = Objekt(ObjektTyp::Beschriftung, 0.3, 0.3, "Loesung");
    l.Sx = 0.1;
    l.Sy = 0.1;
    l.Sline = 1;
    t.zustand.Dok.Objekte << l << Objekt(ObjektTyp::TextOhneAbdeckung, 0.3, 0.7, "Fest")
                          << Objekt(ObjektTyp::Infopunkt, 0.7, 0.7, "i", 1);
    t.szene.SzeneAufbauen();
    const DokObjekt vorher = t.Obj(0);

    QImage blatt = NeueFlaeche(870, 650, Qt::white);
    t.szene.ObjektZeichnen(blatt, 0, 2, false, false, true);
    t.szene.ObjektZeichnen(blatt, 1, 2, false, false, true);
    t.szene.ObjektZeichnen(blatt, 2, 2, false, false, true);
    const QRect oben(0, 0, 870, 325), unten(0, 325, 870, 325);
    EXPECT_GT(Zaehlen(blatt, oben, Rot), 20);
    EXPECT_EQ(Zaehlen(blatt, oben, [](QColor c) { return c.value() < 60; }), 0); // no line, no box
    EXPECT_GT(Zaehlen(blatt, unten, [](QColor c) { return c.value() < 60; }), 20);
    EXPECT_EQ(Zaehlen(blatt, blatt.rect(), [](QColor c) { return c.blue() > 200 && c.red() < 100; }), 0);
    // Drawing a sheet does not move the view's boxes.
    EXPECT_EQ(t.Obj(0).Rahmen, vorher.Rahmen);

    // Variant 3 adds the answer box with its double border.
    QImage loesung = NeueFlaeche(870, 650, QColor(230, 230, 230));
    t.szene.ObjektZeichnen(loesung, 0, 3, false, false, true);
    const QRect b = SzenenBox(t, 0);
    EXPECT_EQ(QColor(loesung.pixel(b.right() + 10, b.center().y())), QColor(Qt::white));
}

TEST(Bild, VerbindungslinieOhneLaengeZeichnetNichts)
{
    // Anchor and reference point on the same pixel: the line draws nothing
    // (no dot), on whichever side the box lies.
    for (int seite = 1; seite <= 4; ++seite) {
        SzenenTest t;
        DokObjekt l = Objekt(ObjektTyp::TextOhneAbdeckung, 0.4, 0.4, "Punkt");
        l.Sx = l.Kx;
        l.Sy = l.Ky;
        l.Sline = 1;
        l.KAusr = seite;
        t.zustand.Dok.Objekte << l;
        t.szene.SzeneAufbauen();
        QImage mit = NeueFlaeche(870, 650, Qt::white), ohne = NeueFlaeche(870, 650, Qt::white);
        t.szene.ObjektZeichnen(mit, 0, 0, false, false, true);
        t.szene.ObjektZeichnen(ohne, 0, 0, false, false, false);
        EXPECT_EQ(mit, ohne) << seite;
    }
    // A real line still is one.
    SzenenTest t;
    DokObjekt l = Objekt(ObjektTyp::TextOhneAbdeckung, 0.4, 0.4, "Linie");
    l.Sx = 0.1;
    l.Sy = 0.1;
    l.Sline = 1;
    t.zustand.Dok.Objekte << l;
    t.szene.SzeneAufbauen();
    QImage mit = NeueFlaeche(870, 650, Qt::white), ohne = NeueFlaeche(870, 650, Qt::white);
    t.szene.ObjektZeichnen(mit, 0, 0, false, false, true);
    t.szene.ObjektZeichnen(ohne, 0, 0, false, false, false);
    EXPECT_NE(mit, ohne);
}

TEST(Bild, EinzelnesNeuzeichnenBeruehrtNurDieBox)
{
    SzenenTest t;
    for (int i = 0; i < 6; ++i)
        t.zustand.Dok.Objekte << Objekt(ObjektTyp::Beschriftung, 0.15 + 0.12 * i, 0.2 + 0.1 * i, "Text");
    t.szene.Zustand.AnsichtModus = AnsichtArt::Quiz;
    t.szene.SzeneAufbauen();
    const QImage anzeige = t.szene.AnzeigeBild.copy(), objekte = t.szene.ObjekteBild.copy();
    const QImage hintergrund = t.szene.HintergrundBild.copy();

    t.Obj(3).Abdeckung = 0;
    t.szene.ObjektNeuZeichnen(3);
    const QRect box = SzenenBox(t, 3).translated(-t.szene.ScrollX, -t.szene.ScrollY);
    int geaendert = 0;
    for (int y = 0; y < anzeige.height(); ++y)
        for (int x = 0; x < anzeige.width(); ++x)
            if (anzeige.pixel(x, y) != t.szene.AnzeigeBild.pixel(x, y)) {
                ++geaendert;
                ASSERT_TRUE(box.contains(x, y)) << x << "," << y;
            }
    EXPECT_GT(geaendert, 20);
    EXPECT_NE(objekte, t.szene.ObjekteBild);
    EXPECT_EQ(hintergrund, t.szene.HintergrundBild);
    // The display and the clean copy agree inside the box.
    t.szene.SauberAusschnittAuffrischen();
    EXPECT_EQ(t.szene.AnzeigeBild.copy(box), t.szene.SauberAusschnitt.copy(box));
}

TEST(Bild, QuizzeichenHakenKreuzUndGeraeumt)
{
    SzenenTest t;
    t.zustand.Dok.BasisBild = Einfarbig(870, 650, Qt::white);
    DokObjekt a = Objekt(ObjektTyp::Beschriftung, 0.2, 0.3, "a");
    a.Abdeckung = AbdeckungsArt::Geloest;
    DokObjekt b = Objekt(ObjektTyp::Beschriftung, 0.5, 0.3, "b");
    b.Abdeckung = AbdeckungsArt::Aufgegeben;
    DokObjekt c = Objekt(ObjektTyp::Beschriftung, 0.8, 0.3, "c");
    c.Abdeckung = AbdeckungsArt::Unbewertet;
    t.zustand.Dok.Objekte << a << b << c;
    t.szene.Zustand.AnsichtModus = AnsichtArt::Quiz;
    t.szene.SzeneAufbauen();
    const QImage &s = t.szene.SzenenBild;
    const QRect ra = SzenenBox(t, 0).adjusted(-5, -5, 5, 5), rb = SzenenBox(t, 1).adjusted(-5, -5, 5, 5);
    EXPECT_GT(Zaehlen(s, ra, [](QColor c) { return c == QColor(0, 196, 0); }), 50);
    EXPECT_GT(Zaehlen(s, rb, [](QColor c) { return c == QColor(220, 0, 0); }), 50);
    const QRect rc = SzenenBox(t, 2);
    EXPECT_GT(Zaehlen(s, rc, [](QColor c) { return c == QColor(128, 128, 128); }), 5);
}

TEST(Bild, FlaggeNurImQuizUndNurAusDemFlaggenordner)
{
    QTemporaryDir prog;
    ASSERT_TRUE(QDir(prog.path()).mkdir("Flaggen"));
    ASSERT_TRUE(PngSchreibenDatei(prog.path() + "/Flaggen/rot.png", Einfarbig(270, 160, QColor(250, 0, 0))));
    ASSERT_TRUE(PngSchreibenDatei(prog.path() + "/draussen.png", Einfarbig(270, 160, QColor(250, 0, 0))));

    for (const QString &name : {QString("rot.png"), QString("../draussen.png")}) {
        for (int modus : {2, 3}) {
            SzenenTest t;
            t.zustand.Dok.BasisBild = Einfarbig(870, 650, Qt::white);
            t.zustand.Dok.DokTyp = DokArt::Einzelfragen;
            t.zustand.Dok.AnzFrageNummern = 1;
            DokObjekt f = Objekt(ObjektTyp::FrageText, 0.1, 0.4, "<@flaggenfrage><@img=" + name + ">");
            f.FrageNummer = 1;
            t.zustand.Dok.Objekte << f;
            t.szene.ProgOrdner = prog.path();
            t.szene.Zustand.AnsichtModus = AnsichtArt(modus);
            t.szene.SzeneAufbauen();
            // (0.1, 0.25) is (87, 163); the image starts 6 pixels right of it.
            const bool erwartet = modus == 3 && name == "rot.png";
            EXPECT_EQ(t.Szenenfarbe(87 + 6 + 100, 163 + 80) == QColor(250, 0, 0), erwartet)
                << name.toStdString() << " " << modus;
            if (erwartet) {
                EXPECT_EQ(t.Szenenfarbe(87 + 4, 163 + 50), QColor(Qt::black)); // the frame
            }
            // The question text is drawn in both modes, the tag never.
            const QRect b = SzenenBox(t, 0);
            EXPECT_GT(Zaehlen(t.szene.SzenenBild, QRect(b.left(), b.top(), b.width(), 30),
                              [](QColor c) { return c.value() < 60; }),
                      20);
        }
    }
}

TEST(Bild, FragezeichenSchrumpftInFlachenAbdeckern)
{
    SzenenTest t;
    t.zustand.Dok.BasisBild = Einfarbig(870, 650, Qt::white);
    DokObjekt o = Objekt(ObjektTyp::Beschriftung, 0.3, 0.3, "flach");
    o.Fsize = -8; // 6-pixel text: the box is far lower than a 22-pixel "?"
    t.zustand.Dok.Objekte << o;
    t.szene.NummerierungSetzen(NummerierArt::Fragezeichen, false);
    t.szene.SzeneAufbauen();
    const QRect b = SzenenBox(t, 0);
    EXPECT_LE(b.height(), 14);
    // Nothing dark above or below the box: the "?" fits inside.
    const QRect ueber(b.left(), b.top() - 12, b.width(), 12), unter(b.left(), b.bottom() + 1, b.width(), 12);
    auto dunkel = [](QColor c) { return c.value() < 100; };
    EXPECT_EQ(Zaehlen(t.szene.SzenenBild, ueber, dunkel), 0);
    EXPECT_EQ(Zaehlen(t.szene.SzenenBild, unter, dunkel), 0);
    EXPECT_GT(Zaehlen(t.szene.SzenenBild, b.adjusted(1, 1, -1, -1), dunkel), 3);
}

TEST(Bild, EinzelabfrageZeigtNurDasAktuelleZielMitNummer)
{
    SzenenTest t;
    t.zustand.Dok.BasisBild = Einfarbig(870, 650, Qt::white);
    for (int i = 0; i < 3; ++i) {
        DokObjekt o = Objekt(ObjektTyp::Beschriftung, 0.2 + 0.3 * i, 0.5, "Ziel");
        o.Abdeckung = AbdeckungsArt::OffeneFrage;
        o.Nummer = i + 1;
        t.zustand.Dok.Objekte << o;
    }
    t.szene.Zustand.AnsichtModus = AnsichtArt::Quiz;
    t.szene.AbfrageModus = 2;
    t.szene.FragenFolge = {{0, 1}};
    t.szene.AktFolgeIndex = 0;
    t.szene.SzeneAufbauen();
    auto rot = [&](int i) { return Zaehlen(t.szene.SzenenBild, SzenenBox(t, i), Rot); };
    auto grau = [&](int i) {
        return Zaehlen(t.szene.SzenenBild, SzenenBox(t, i), [](QColor c) { return c == QColor(208, 208, 208); });
    };
    EXPECT_EQ(rot(0), 0);
    EXPECT_GT(grau(0), 100);
    EXPECT_GT(rot(1), 10);
    EXPECT_EQ(grau(1), 0);

    // Other query modes number every target.
    t.szene.AbfrageModus = 1;
    t.szene.ObjekteNeuZeichnen();
    EXPECT_GT(rot(0), 10);
    EXPECT_GT(rot(2), 10);
}

TEST(Bild, UnsinnigeWerteAusDemDokumentZeichnenOhneAbsturz)
{
    SzenenTest t;
    t.zustand.Dok.RandErw = {std::nan(""), 1e300, -3, 11};
    DokObjekt a = Objekt(ObjektTyp::Beschriftung, std::nan(""), 1e300, "Wert");
    a.Fsize = 1000000;
    a.KAusrAkt = 99;
    a.TAusr = -5;
    a.Nummer = 2000000000;
    DokObjekt b = Objekt(ObjektTyp::FrageText, -1e300, 0.5, "<@img=");
    b.Fsize = -1000000;
    DokObjekt c = Objekt(ObjektTyp::Luecke, 0.5, 0.5, "");
    c.Abdeckung = 0;
    t.zustand.Dok.Objekte << a << b << c;
    t.zustand.Dok.Lueckentext = "<@REB=99>x <<a>> <@POSX=99%><@LINIE>";
    t.zustand.Dok.DokTyp = DokArt::Lueckentext;
    t.szene.SzeneAufbauen();
    t.szene.Zustand.AnsichtModus = AnsichtArt::Quiz;
    t.szene.SzeneAufbauen();
    // The picture is the green base without border.
    EXPECT_EQ(t.szene.SzenenBild.size(), QSize(870, 650));
    t.szene.Klick(QPoint(435, 325));
}
