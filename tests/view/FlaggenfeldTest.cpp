// The single question's card in the quiz: the heading's place, the flag centred in its frame, outlined and scaled.
#include "BildDatei.h"
#include "Flaggenfeld.h"
#include "ObjektMass.h"
#include "Runden.h"
#include "SzenenHilfe.h"

#include <QDir>
#include <QFontMetrics>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A flag quiz card of one question: the heading "Frage:" and the question
// box are both question boxes (kind 11), as the document model builds them.
struct KartenTest : SzenenTest
{
    QTemporaryDir prog;

    explicit KartenTest(QSize steuer, const QString &bild = "flagge.png")
    {
        EXPECT_TRUE(QDir(prog.path()).mkdir("Flaggen"));
        zustand.Dok.BasisBild = Einfarbig(870, 650, QColor(0, 128, 0));
        zustand.Dok.DokTyp = DokArt::Einzelfragen;
        zustand.Dok.AnzFrageNummern = 1;
        DokObjekt kopf = Objekt(ObjektTyp::FrageText, 0.1, 0.175, "Frage:");
        kopf.FrageNummer = 1;
        DokObjekt frage = Objekt(ObjektTyp::FrageText, 0.1, 0.4, "<@flaggenfrage><@img=" + bild + ">");
        frage.FrageNummer = 1;
        zustand.Dok.Objekte << kopf << frage;
        szene.ProgOrdner = prog.path();
        szene.SteuerGroesse = steuer;
        szene.Zustand.AnsichtModus = AnsichtArt::Quiz;
    }
    void Flagge(const QImage &bild, const QString &name = "flagge.png")
    {
        ASSERT_TRUE(PngSchreibenDatei(prog.path() + "/Flaggen/" + name, bild));
    }
};

QImage Zweifarbig(int w, int h, QColor links, QColor rechts)
{
    QImage b = Einfarbig(w, h, links);
    QPainter(&b).fillRect(QRect(w / 2, 0, w - w / 2, h), rechts);
    return b;
}

// Columns of row y, from x0 on, whose colour is c.
QList<int> Spalten(const QImage &b, int y, QColor c)
{
    QList<int> l;
    for (int x = 0; x < b.width(); ++x)
        if (QColor(b.pixel(x, y)) == c)
            l << x;
    return l;
}

} // namespace

// The heading "Frage:" holds no image: it gets no room for a flag, so its
// one line sits on its reference point instead of ten lines above it (off
// the picture's top at the smallest window). The question with its image
// keeps the room.
TEST(Fragekarte, HeadingWithoutImageGetsNoRoomForAFlag)
{
    for (const QSize steuer : {QSize(552, 557), QSize(870, 650), QSize(1560, 900)}) {
        KartenTest t(steuer);
        t.Flagge(Einfarbig(280, 175, Qt::red));
        t.szene.SzeneAufbauen();
        const double s = t.szene.Massstab();
        const int H = t.szene.SzenenBild.height();
        const int zeile = QFontMetrics(ArialPixel(rnd(21 * s))).height();
        const DokObjekt &kopf = t.zustand.Dok.Objekte[0], &frage = t.zustand.Dok.Objekte[1];
        const int kopfOben = rnd(kopf.Rahmen.Top * H), kopfUnten = rnd(kopf.Rahmen.Bottom * H);
        EXPECT_EQ(kopfUnten - kopfOben, zeile + 4) << steuer.width();
        EXPECT_GE(kopfOben, rnd(0.175 * H) - zeile) << steuer.width();
        EXPECT_GE(kopfOben, 0) << steuer.width();
        // The question box is eleven lines high: its text and the room.
        EXPECT_EQ(rnd(frage.Rahmen.Bottom * H) - rnd(frage.Rahmen.Top * H), 11 * zeile + 4) << steuer.width();
        // The measured text lines are the one line with characters.
        const ObjektMass m = t.szene.ObjektMessen(1, t.szene.SzenenBild.size(), s, true);
        EXPECT_EQ(m.Textflaeche().height(), zeile);
        EXPECT_EQ(m.Textflaeche().top(), rnd(frage.Rahmen.Top * H) + 2);
    }
    // A text with an unfinished tag holds no image either.
    KartenTest t(QSize(870, 650), "offen.png");
    t.zustand.Dok.Objekte[1].Cap = "Wie heißt das? <@img=offen.png";
    t.szene.SzeneAufbauen();
    const DokObjekt &frage = t.zustand.Dok.Objekte[1];
    const int zeile = QFontMetrics(ArialPixel(21)).height();
    EXPECT_EQ(rnd(frage.Rahmen.Bottom * 650) - rnd(frage.Rahmen.Top * 650), zeile + 4);
}

// A square white flag (the Vatican's shape, Japan's white ground) sits in
// the middle of its 280 x 175 room, not at its left, and a grey outline
// on its edge parts it from the card.
TEST(Fragekarte, FlagIsCentredInItsFrameWithAGreyOutline)
{
    KartenTest t(QSize(870, 650));
    t.Flagge(Einfarbig(175, 175, Qt::white));
    t.szene.SzeneAufbauen();
    const QImage &b = t.szene.SzenenBild;
    // (0.1, 0.25) is (87, 162): room x 93..372, y 162..336, frame 2 outside.
    const int mitte = 162 + 87;
    const QList<int> schwarz = Spalten(b, mitte, Qt::black);
    ASSERT_EQ(schwarz, (QList<int>{91, 374})) << "frame";
    const QList<int> grau = Spalten(b, mitte, FlaggenUmrissFarbe());
    ASSERT_EQ(grau.size(), 2);
    const QList<int> weiss = Spalten(b, mitte, Qt::white);
    ASSERT_EQ(weiss.size(), 173);
    EXPECT_EQ(weiss.first(), grau[0] + 1);
    EXPECT_EQ(weiss.last(), grau[1] - 1);
    // Equal ground on both sides, within a pixel.
    const int linksFrei = grau[0] - schwarz[0], rechtsFrei = schwarz[1] - grau[1];
    EXPECT_LE(std::abs(linksFrei - rechtsFrei), 1) << linksFrei << " " << rechtsFrei;
    // The top and bottom edges are outlined too: the flag fills the room's height.
    EXPECT_EQ(QColor(b.pixel(mitte, 162)), FlaggenUmrissFarbe());
    EXPECT_EQ(QColor(b.pixel(mitte, 336)), FlaggenUmrissFarbe());
    EXPECT_EQ(QColor(b.pixel(mitte, 160)), QColor(Qt::black));
    EXPECT_EQ(QColor(b.pixel(mitte, 338)), QColor(Qt::black));

    // A flat flag is centred vertically.
    KartenTest f(QSize(870, 650));
    f.Flagge(Einfarbig(280, 110, Qt::white));
    f.szene.SzeneAufbauen();
    QList<int> zeilen;
    for (int y = 150; y < 350; ++y)
        if (QColor(f.szene.SzenenBild.pixel(93 + 140, y)) == FlaggenUmrissFarbe())
            zeilen << y;
    EXPECT_EQ(zeilen, (QList<int>{162 + 32, 162 + 32 + 109}));
}

// On a large window the flag and its frame grow with the scene's unit, as
// the room the question's empty lines leave for them does; the picture is
// resampled smoothly, so a hard edge in the flag gets blended pixels.
TEST(Fragekarte, FlagAndFrameScaleWithTheScene)
{
    for (const QSize steuer : {QSize(1305, 975), QSize(552, 557)}) {
        KartenTest t(steuer);
        t.Flagge(Zweifarbig(280, 175, Qt::red, Qt::white));
        t.szene.SzeneAufbauen();
        const QImage &b = t.szene.SzenenBild;
        const double s = t.szene.Massstab();
        const QPoint ecke(rnd(0.1 * b.width()), rnd(0.25 * b.height()));
        const QRect feld = Flaggenfeld(ecke, s);
        EXPECT_EQ(feld.width(), rnd(280 * s));
        EXPECT_EQ(feld.height(), rnd(175 * s));
        const int y = feld.center().y();
        const QList<int> schwarz = Spalten(b, y, Qt::black);
        ASSERT_EQ(schwarz, (QList<int>{feld.left() - 2, feld.right() + 2})) << steuer.width();
        // The flag fills the room (it has the room's proportion).
        EXPECT_EQ(QColor(b.pixel(feld.left(), y)), FlaggenUmrissFarbe());
        EXPECT_EQ(QColor(b.pixel(feld.right(), y)), FlaggenUmrissFarbe());
        EXPECT_EQ(QColor(b.pixel(feld.left() + 3, y)), QColor(Qt::red));
        EXPECT_EQ(QColor(b.pixel(feld.right() - 3, y)), QColor(Qt::white));
        int gemischt = 0;
        for (int x = feld.left() + 1; x < feld.right(); ++x) {
            const QColor c(b.pixel(x, y));
            if (c.red() == 255 && c.green() > 0 && c.green() < 255)
                ++gemischt;
        }
        EXPECT_GE(gemischt, 1) << "hard edge kept at " << steuer.width();
        EXPECT_LE(gemischt, 3) << "blurred at " << steuer.width();
    }
}

// The field arithmetic on its own: the designed size at unit 1, images
// larger than the room shrink to fit it, never beyond it.
TEST(Fragekarte, FlagFieldGeometry)
{
    const QRect feld = Flaggenfeld(QPoint(87, 163), 1.0);
    EXPECT_EQ(feld, QRect(93, 163, 280, 175));
    EXPECT_EQ(Flaggenrahmen(feld), QRect(QPoint(91, 161), QPoint(374, 339)));
    EXPECT_EQ(FlaggeImFeld(QSize(175, 175), 1.0, feld), QRect(93 + 52, 163, 175, 175));
    EXPECT_EQ(FlaggeImFeld(QSize(560, 175), 1.0, feld), QRect(93, 163 + 44, 280, 87));
    EXPECT_EQ(FlaggeImFeld(QSize(280, 175), 2.0, Flaggenfeld(QPoint(0, 0), 2.0)), QRect(12, 0, 560, 350));
    EXPECT_TRUE(FlaggeImFeld(QSize(), 1.0, feld).isNull());
}
