// Drawing steps of one object: the worksheet's answer box, the line of an uncovered gap, the question buttons.
#include "ObjektMass.h"
#include "SzenenHilfe.h"

#include <gtest/gtest.h>

namespace {
// The smallest rectangle holding every pixel of colour c; empty if none.
QRect Umriss(const QImage &b, QColor c)
{
    QRect r;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (QColor(b.pixel(x, y)) == c)
                r |= QRect(x, y, 1, 1);
    return r;
}
} // namespace

TEST(ObjektZeichnung, AnswerBoxGrowsTowardsTheFreeSide)
{
    // A label on each side of its reference point, drawn alone as a
    // worksheet's answer box on a white sheet.
    for (const int seite : {1, 2, 3, 4}) {
        SzenenTest t;
        DokObjekt o = Objekt(ObjektTyp::Beschriftung, 0.5, 0.5, "Hauptstadt");
        o.KAusr = seite;
        t.zustand.Dok.Objekte << o;
        QImage blatt = Einfarbig(800, 600, Qt::white);
        t.szene.ObjektZeichnen(blatt, 0, 1, false, false, false, 1.0);
        const QRect kasten = t.szene.ObjektMessen(0, blatt.size(), 1.0, false).box;
        const QRect antwort = Umriss(blatt, Qt::black);
        ASSERT_TRUE(antwort.contains(kasten)) << seite;
        const int links = kasten.left() - antwort.left(), rechts = antwort.right() - kasten.right();
        if (seite == 1)
            EXPECT_GT(rechts, links + 10) << "right of the point the box grows to the right";
        else if (seite == 3)
            EXPECT_GT(links, rechts + 10) << "left of the point the box grows to the left";
        else
            EXPECT_NEAR(links, rechts, 1) << seite;
        // The worksheet drawing leaves the screen's bookkeeping alone.
        EXPECT_EQ(t.zustand.Dok.Objekte[0].Rahmen, (Rechteck{-1, -1, -1, -1}));
    }
}

TEST(ObjektZeichnung, AnUncoveredGapStandsOnALine)
{
    SzenenTest t;
    t.zustand.Dok.BasisBild = Einfarbig(870, 650, Qt::white);
    DokObjekt l = Objekt(ObjektTyp::Luecke, 0.4, 0.5, "Nil");
    l.Abdeckung = AbdeckungsArt::Aufgedeckt;
    t.zustand.Dok.Objekte << l;
    t.szene.SzeneAufbauen();
    // Below the blue text a black line as wide as the text or wider.
    const QImage &b = t.szene.SzenenBild;
    const QRect text = Umriss(b, QColor(0, 0, 255));
    const QRect linie = Umriss(b, Qt::black);
    ASSERT_FALSE(text.isEmpty());
    ASSERT_FALSE(linie.isEmpty());
    EXPECT_EQ(linie.height(), 1);
    EXPECT_GT(linie.top(), text.center().y());
    EXPECT_LE(linie.left(), text.left());
    EXPECT_GE(linie.right(), text.right());

    // Covered, the gap shows its cover and no line.
    t.zustand.Dok.Objekte[0].Abdeckung = AbdeckungsArt::Abgedeckt;
    t.szene.SzeneAufbauen();
    EXPECT_TRUE(Umriss(t.szene.SzenenBild, QColor(0, 0, 255)).isEmpty());
    EXPECT_FALSE(Umriss(t.szene.SzenenBild, QColor(202, 228, 255)).isEmpty());
}

TEST(ObjektZeichnung, QuestionButtonsOnlyOutsideAQuiz)
{
    SzenenTest t;
    t.zustand.Dok.BasisBild = Einfarbig(870, 650, Qt::white);
    t.zustand.Dok.DokTyp = DokArt::Einzelfragen;
    for (int typ = ObjektTyp::VorigeFrage; typ <= ObjektTyp::ZufallsFrage; ++typ)
        t.zustand.Dok.Objekte << Objekt(typ, 0.1 + 0.15 * (typ - ObjektTyp::VorigeFrage), 0.9, "", 1);
    t.szene.SzeneAufbauen();
    for (int i = 0; i < t.zustand.Dok.Objekte.size(); ++i) {
        const DokObjekt &o = t.zustand.Dok.Objekte[i];
        const int w = t.szene.SzenenBild.width(), h = t.szene.SzenenBild.height();
        const QRect box(QPoint(int(o.Rahmen.Left * w), int(o.Rahmen.Top * h)),
                        QPoint(int(o.Rahmen.Right * w) - 1, int(o.Rahmen.Bottom * h) - 1));
        EXPECT_EQ(QColor(t.szene.SzenenBild.pixel(box.center().x(), box.top() + 4)), QColor(0, 0, 255)) << i;
    }
    t.szene.Zustand.AnsichtModus = AnsichtArt::Quiz;
    t.szene.SzeneAufbauen();
    EXPECT_TRUE(Umriss(t.szene.SzenenBild, QColor(0, 0, 255)).isEmpty());
}
