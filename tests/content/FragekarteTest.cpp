#include "InhaltHilfen.h"
#include "Nummerierung.h"
#include "Runden.h"
#include "Szene.h"
#include "TestDienste.h"
#include "Zufall.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// Draws question k of a flag document in a control exactly as large as the
// fitted picture (so the picture has no offset): in the quiz's look (mode
// 3), or in the learning view (mode 2), which places the question text the
// same way but draws no flag over it.
QImage Karte(DokumentZustand &z, int k, QSize groesse, int modus)
{
    TestMeldungen meldungen;
    StdZufall zufall(1);
    Dienste dienste;
    dienste.meldungen = &meldungen;
    dienste.zufall = &zufall;
    Szene szene(z, dienste);
    szene.ProgOrdner = InhaltOrdner();
    szene.SteuerGroesse = groesse;
    szene.ZoomSetzen(0);
    szene.AnsichtModus = modus;
    z.AktFrage = k;
    szene.NummerierungSetzen(1, false);
    for (int i = 0; i < z.Dok.Objekte.size(); ++i)
        if (IstAbdeckbar(z.Dok, i))
            z.Dok.Objekte[i].Abdeckung = modus == 3 ? AbdeckungsArt::OffeneFrage : AbdeckungsArt::Abgedeckt;
    szene.SzeneAufbauen();
    EXPECT_TRUE(meldungen.protokoll.empty()) << "question " << k;
    return szene.Ansicht(modus == 2).convertToFormat(QImage::Format_RGB32);
}

bool Schwarz(QRgb p)
{
    return qRed(p) < 90 && qGreen(p) < 90 && qBlue(p) < 90;
}

// The quiz lays widgets over the picture (question counter, answer grid) at
// places derived from the picture's size; the card's proportion must keep
// the question line between the counter and the flag frame, and the frame
// above the answers, for every flag, from the smallest window up.
TEST(Fragekarte, QuestionFlagAndAnswersNeverCollide)
{
    DokumentZustand z;
    z.Dok = InhaltDokument("flaggen-der-welt.tvl");
    const QSize bild = z.Dok.BasisBild.size();
    const QStringList antworten = Antworten(z.Dok);
    // Every flag at the picture size of a 900 x 650 window; the first few
    // from the smallest window to a full screen.
    for (const int breite : {713, 700, 800, 1000, 1264}) {
        const QSize groesse(breite, rnd(double(breite) * bild.height() / bild.width()));
        const int W = groesse.width(), H = groesse.height();
        const int fx = rnd(0.1 * W), fy = rnd(0.25 * H);
        const int rahmenOben = fy - 2, rahmenUnten = fy + 177;
        const int rasterOben = rnd(0.58 * H) + 45;                // answer grid origin
        const int zaehlerUnten = rnd(0.3 * rasterOben) - 30 + 33; // counter panel, 33 high
        EXPECT_LT(rahmenUnten, rasterOben) << W;
        const int anzahl = breite == 713 ? int(antworten.size()) : 5;
        for (int k = 1; k <= anzahl; ++k) {
            const QImage text = Karte(z, k, groesse, 2);
            const QImage karte = Karte(z, k, groesse, 3);
            ASSERT_EQ(text.size(), groesse);
            ASSERT_EQ(karte.size(), groesse);
            // The glyph rows of the question line, left of the globe, where
            // no flag hides them.
            int oben = -1, unten = -1;
            for (int y = H / 10; y < rahmenOben + 30; ++y)
                for (int x = fx + 3; x < fx + 280; ++x)
                    if (Schwarz(text.pixel(x, y))) {
                        if (oben < 0)
                            oben = y;
                        unten = y;
                        break;
                    }
            ASSERT_GE(oben, 0) << "no question text, " << W << " question " << k;
            EXPECT_GT(oben, zaehlerUnten) << W << " " << qPrintable(antworten[k - 1]);
            EXPECT_LT(unten, rahmenOben) << W << " " << qPrintable(antworten[k - 1]);
            // The frame is drawn, which the scene skips when the flag
            // cannot be loaded.
            EXPECT_TRUE(Schwarz(karte.pixel(fx + 140, rahmenOben))) << W << " " << k;
            EXPECT_TRUE(Schwarz(karte.pixel(fx + 4, rahmenUnten - 1))) << W << " " << k;
        }
    }
}

} // namespace
