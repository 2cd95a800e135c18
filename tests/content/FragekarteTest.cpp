#include "InhaltHilfen.h"
#include "Nummerierung.h"
#include "Runden.h"
#include "Szene.h"
#include "TestDienste.h"
#include "Zufall.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// Draws question k of a flag document into the quiz's picture control
// (LernKartPicImg) of the given size: in the quiz's look (mode 3), or in the
// learning view (mode 2), which places the question text the same way but
// draws no flag over it.
QImage Karte(DokumentZustand &z, int k, QSize steuer, int modus)
{
    TestMeldungen meldungen;
    StdZufall zufall(1);
    Dienste dienste;
    dienste.meldungen = &meldungen;
    dienste.zufall = &zufall;
    Szene szene(z, dienste);
    szene.ProgOrdner = InhaltOrdner();
    szene.SteuerGroesse = steuer;
    szene.ZoomSetzen(0);
    szene.AnsichtModus = modus;
    z.AktFrage = k;
    szene.NummerierungSetzen(1, false);
    for (int i = 0; i < z.Dok.Objekte.size(); ++i)
        if (IstAbdeckbar(z.Dok, i))
            z.Dok.Objekte[i].Abdeckung = modus == 3 ? AbdeckungsArt::OffeneFrage : AbdeckungsArt::Abgedeckt;
    szene.SzeneAufbauen();
    EXPECT_TRUE(meldungen.protokoll.empty()) << "question " << k;
    QImage bild = szene.Ansicht(modus == 2).convertToFormat(QImage::Format_RGB32);
    if (modus == 2) {
        // The scene itself is the fitted picture; put it where the control
        // shows it, centred.
        QImage steuerBild(steuer, QImage::Format_RGB32);
        steuerBild.fill(Qt::white);
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                steuerBild.setPixel(x + (steuer.width() - bild.width()) / 2,
                                    y + (steuer.height() - bild.height()) / 2, bild.pixel(x, y));
        bild = steuerBild;
    }
    return bild;
}

bool Schwarz(QRgb p)
{
    return qRed(p) < 90 && qGreen(p) < 90 && qBlue(p) < 90;
}

// Rows holding a black run at least `laenge` pixels long. The flag frame is
// 284 pixels wide and a flag at most 280, with a pixel of ground between
// them, so runs of 282 are the frame's top and bottom edges only.
QList<int> LangeSchwarzeZeilen(const QImage &bild, int laenge)
{
    QList<int> zeilen;
    for (int y = 0; y < bild.height(); ++y) {
        int lauf = 0, bester = 0;
        for (int x = 0; x < bild.width(); ++x) {
            lauf = Schwarz(bild.pixel(x, y)) ? lauf + 1 : 0;
            bester = std::max(bester, lauf);
        }
        if (bester >= laenge)
            zeilen << y;
    }
    return zeilen;
}

struct Quizfenster
{
    const char *name;
    QSize steuer; // LernKartPicImg in the quiz: the exercise panel's height,
                  // its width less the 155 pixels of the instruction column
    bool alleFragen;
};

// The quiz lays widgets over the picture (question counter, answer grid) at
// places derived from the picture's size; the card's proportion must keep
// the question line between the counter and the flag frame, and the frame
// above the answers, for every flag and window size. The answer grid origin
// is the picture point (0.1, 0.58) in panel pixels moved 45 down; the
// counter, 33 high, sits at 0.3 of the origin's top less 30.
TEST(Fragekarte, QuestionFlagAndAnswersNeverCollide)
{
    DokumentZustand z;
    z.Dok = InhaltDokument("flaggen-der-welt.tvl");
    const QSize bild = z.Dok.BasisBild.size();
    const QStringList antworten = Antworten(z.Dok);
    const Quizfenster fenster[] = {
        {"900 x 650 window", {552, 557}, true},
        {"larger window", {760, 640}, false},
        {"full screen", {1560, 900}, false},
    };
    for (const Quizfenster &f : fenster) {
        const QSize steuer = f.steuer;
        const QSize passend = bild.scaled(steuer, Qt::KeepAspectRatio);
        const int W = passend.width(), H = passend.height();
        const int oy = (steuer.height() - H) / 2;
        const int rahmenOben = oy + rnd(0.25 * H) - 2; // as drawn in the picture
        const int rasterOben = oy + rnd(0.58 * H) + 45;
        const int zaehlerUnten = rnd(0.3 * rasterOben) - 30 + 33;
        const int anzahl = f.alleFragen ? int(antworten.size()) : 5;
        for (int k = 1; k <= anzahl; ++k) {
            const QString wo = QString("%1, %2").arg(QString::fromLatin1(f.name), antworten[k - 1]);
            const QImage text = Karte(z, k, steuer, 2);
            const QImage karte = Karte(z, k, steuer, 3);
            ASSERT_EQ(karte.size(), steuer);
            // The glyph rows of the question line, in the upper half.
            int oben = -1, unten = -1;
            for (int y = oy + H / 8; y < oy + H / 2; ++y)
                for (int x = 0; x < W; ++x)
                    if (Schwarz(text.pixel(x + (steuer.width() - W) / 2, y))) {
                        if (oben < 0)
                            oben = y;
                        unten = y;
                        break;
                    }
            ASSERT_GE(oben, 0) << "no question text, " << qPrintable(wo);
            EXPECT_GT(oben, zaehlerUnten) << qPrintable(wo);
            EXPECT_LT(unten, rahmenOben) << qPrintable(wo);
            EXPECT_LT(rahmenOben + 178, rasterOben) << qPrintable(wo);
            // The scene draws the frame (only when the flag could be
            // loaded) where the picture's fractions put it.
            const QList<int> rahmen = LangeSchwarzeZeilen(karte, 282);
            ASSERT_EQ(rahmen.size(), 2) << "flag frame not drawn, " << qPrintable(wo);
            if (k == 1) { // once per window is enough to tell
                EXPECT_EQ(rahmen.first(), rahmenOben) << "flag frame misplaced, " << qPrintable(wo);
            }
        }
    }
}

// The answer grid has fixed pixel cells from 10 % of the picture's width,
// so at the smallest window it reaches almost to the picture's right edge;
// all six answer places must lie on the card, not beside it.
TEST(Fragekarte, AnswerGridLiesOnTheCardAtEveryWindowSize)
{
    const Dokument dok = InhaltDokument("flaggen-der-welt.tvl");
    const QImage &basis = dok.BasisBild;
    const QRgb karte = basis.pixel(100, 400); // plain card, far from the watermark
    for (const QSize steuer : {QSize(552, 557), QSize(760, 640), QSize(1560, 900)}) {
        const QSize passend = basis.size().scaled(steuer, Qt::KeepAspectRatio);
        const int W = passend.width(), H = passend.height();
        const int links = rnd(0.1 * W) + 4, oben = rnd(0.58 * H) + 45;
        const int rechts = links + 2 * 170 + 150 - 1, unten = oben + 66 + 46 - 1;
        for (const QPoint ecke : {QPoint(links, oben), QPoint(rechts, oben), QPoint(links, unten),
                                  QPoint(rechts, unten)}) {
            const QPoint imBild(ecke.x() * basis.width() / W, ecke.y() * basis.height() / H);
            ASSERT_TRUE(basis.rect().contains(imBild)) << steuer.width() << " x " << steuer.height();
            EXPECT_EQ(basis.pixel(imBild), karte)
                << steuer.width() << " x " << steuer.height() << " at " << ecke.x() << "," << ecke.y();
        }
    }
}

} // namespace
