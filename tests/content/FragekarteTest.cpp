// Tests that the question card's flag, question and answers never collide.
#include "InhaltHilfen.h"
#include "KartenPruefung.h"
#include "Nummerierung.h"
#include "Runden.h"
#include "Szene.h"
#include "TestDienste.h"
#include "Zufall.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// LernKartPicImg in the quiz: the exercise panel's height, its width less
// the 155 pixels of the instruction column.
const QSize Fenster[] = {KartenPruefung::KleinstesFenster, {760, 640}, {1560, 900}};

const char *const Einzelfragendokumente[] = {
    "flaggen-der-welt.tvl",
    "flaggen-europa.tvl",
    "flaggen-afrika.tvl",
    "flaggen-asien.tvl",
    "flaggen-ozeanien.tvl",
    "flaggen-suedamerika.tvl",
    "flaggen-nord-und-mittelamerika.tvl",
};

// Draws question k of a single-question document into the quiz's picture
// control of the given size, as the quiz shows it (mode 3).
QImage Karte(DokumentZustand &z, int k, QSize steuer)
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
    szene.Zustand.AnsichtModus = AnsichtArt::Quiz;
    z.AktFrage = k;
    szene.NummerierungSetzen(NummerierArt::Geordnet, false);
    for (int i = 0; i < z.Dok.Objekte.size(); ++i)
        if (IstAbdeckbar(z.Dok, i))
            z.Dok.Objekte[i].Abdeckung = AbdeckungsArt::OffeneFrage;
    szene.SzeneAufbauen();
    EXPECT_TRUE(meldungen.protokoll.empty()) << "question " << k;
    return szene.Ansicht().convertToFormat(QImage::Format_RGB32);
}

bool Schwarz(QRgb p)
{
    return qRed(p) < 90 && qGreen(p) < 90 && qBlue(p) < 90;
}

int Frage(const Dokument &dok, const QString &antwort)
{
    return int(Antworten(dok).indexOf(antwort)) + 1;
}

} // namespace

// The quiz lays widgets over the picture (question counter, answer grid) at
// places derived from the picture's size, and the scene draws the question
// and the flag frame at fractions of it; for every question of every
// shipped quiz and every window size none of them may cover another.
TEST(Fragekarte, QuestionFlagAndAnswersNeverCollide)
{
    for (const char *name : Einzelfragendokumente) {
        const Dokument dok = InhaltDokument(name);
        ASSERT_EQ(dok.DokTyp, DokArt::Einzelfragen) << name;
        ASSERT_GT(dok.AnzFrageNummern, 0) << name;
        for (const QSize steuer : Fenster) {
            KartenPruefung pruefung(dok, steuer);
            const QStringList konflikte = pruefung.Konflikte();
            EXPECT_TRUE(konflikte.isEmpty()) << name << " at " << steuer.width() << ":\n"
                                             << qPrintable(konflikte.mid(0, 5).join('\n'));
            // Every question has its text and its flag frame.
            for (int k = 1; k <= dok.AnzFrageNummern; ++k) {
                int texte = 0, rahmen = 0;
                for (const KartenTeil &t : pruefung.Teile(k)) {
                    texte += t.art == KartenTeil::Art::Text || t.art == KartenTeil::Art::Kopf;
                    rahmen += t.art == KartenTeil::Art::Flaggenrahmen;
                }
                ASSERT_EQ(texte, 2) << name << " question " << k; // "Frage:" and the question
                ASSERT_EQ(rahmen, 1) << name << " question " << k;
            }
        }
    }
}

// The check computes what the scene draws: on the drawn card the frame lies
// exactly where the check puts it, every dark pixel outside it belongs to a
// text the check knows of, and every such text is really drawn. Japan's and
// the Vatican's flags are white at their edges; the others span the range
// of proportions.
TEST(Fragekarte, CheckedPartsAreWhereTheCardIsDrawn)
{
    DokumentZustand z;
    z.Dok = InhaltDokument("flaggen-der-welt.tvl");
    const QList<int> fragen{Frage(z.Dok, "Japan"), Frage(z.Dok, "Vatikanstadt"), Frage(z.Dok, "Schweiz"),
                            Frage(z.Dok, "Katar"), Frage(z.Dok, "Nepal")};
    for (const QSize steuer : Fenster) {
        for (const int k : fragen) {
            ASSERT_GT(k, 0);
            KartenPruefung pruefung(z.Dok, steuer);
            QRect rahmen;
            QList<QRect> texte;
            for (const KartenTeil &t : pruefung.Teile(k)) {
                if (t.art == KartenTeil::Art::Flaggenrahmen)
                    rahmen = t.rect;
                else if (t.art == KartenTeil::Art::Text || t.art == KartenTeil::Art::Kopf)
                    texte << t.rect;
            }
            ASSERT_FALSE(rahmen.isEmpty());
            const QImage karte = Karte(z, k, steuer);
            ASSERT_EQ(karte.size(), steuer);
            const QString wo = QString("%1 x %2, question %3").arg(steuer.width()).arg(steuer.height()).arg(k);
            // The frame: black all round exactly on the computed rectangle.
            for (int x = rahmen.left(); x <= rahmen.right(); ++x) {
                ASSERT_TRUE(Schwarz(karte.pixel(x, rahmen.top())) && Schwarz(karte.pixel(x, rahmen.bottom())))
                    << qPrintable(wo) << " x " << x;
            }
            for (int y = rahmen.top(); y <= rahmen.bottom(); ++y) {
                ASSERT_TRUE(Schwarz(karte.pixel(rahmen.left(), y)) && Schwarz(karte.pixel(rahmen.right(), y)))
                    << qPrintable(wo) << " y " << y;
            }
            EXPECT_FALSE(Schwarz(karte.pixel(rahmen.left() - 1, rahmen.center().y()))) << qPrintable(wo);
            EXPECT_FALSE(Schwarz(karte.pixel(rahmen.center().x(), rahmen.top() - 1))) << qPrintable(wo);
            // The texts: dark pixels only inside them, and some in each.
            QList<int> inText(texte.size(), 0);
            // From the card's top edge down: the pennants above it are
            // decoration in dark colours.
            const QRect bild = pruefung.Bild();
            for (int y = bild.top() + bild.height() * 92 / 664; y < karte.height(); ++y) {
                const QRgb *zeile = reinterpret_cast<const QRgb *>(karte.constScanLine(y));
                for (int x = 0; x < karte.width(); ++x) {
                    if (!Schwarz(zeile[x]) || rahmen.contains(x, y))
                        continue;
                    bool gefunden = false;
                    for (int t = 0; t < texte.size(); ++t)
                        if (texte[t].contains(x, y)) {
                            ++inText[t];
                            gefunden = true;
                        }
                    ASSERT_TRUE(gefunden) << qPrintable(wo) << ": dark pixel at " << x << "," << y;
                }
            }
            for (int t = 0; t < texte.size(); ++t)
                EXPECT_GT(inText[t], 20) << qPrintable(wo) << " text " << t;
        }
    }
}

// What the check reports: a question long enough to wrap onto a second
// line runs into the flag frame; a picture much wider than high leaves no
// room for the answers under it.
TEST(Fragekarte, CheckReportsCrowdedCards)
{
    Dokument dok = InhaltDokument("flaggen-europa.tvl");
    for (DokObjekt &o : dok.Objekte)
        if (o.Typ == ObjektTyp::FrageText && o.FrageNummer == 2 && o.Cap.startsWith("<@flaggenfrage>"))
            o.Cap.replace("<@flaggenfrage>", "Welches Land zeigt diese Flagge, die seit vielen Jahren über dem "
                                             "Rathaus der Hauptstadt weht?");
    QStringList k = KartenPruefung(dok, KartenPruefung::KleinstesFenster).Konflikte();
    EXPECT_EQ(k, (QStringList{"Frage 2: Text \"Frage:\" und Text \"Welches Land zeigt diese Flag…\" überdecken sich.",
                              "Frage 2: Text \"Welches Land zeigt diese Flag…\" und Flaggenrahmen überdecken sich."}))
        << qPrintable(k.join('\n'));

    Dokument flach = InhaltDokument("flaggen-europa.tvl");
    flach.BasisBild = QImage(870, 420, QImage::Format_RGB32);
    flach.BasisBild.fill(Qt::white);
    k = KartenPruefung(flach, KartenPruefung::KleinstesFenster).Konflikte();
    EXPECT_TRUE(k.contains("Frage 1: Antwortplatz 4 ragt aus dem Bild.")) << qPrintable(k.join('\n'));
    EXPECT_FALSE(k.contains("Frage 1: Antwortplatz 1 ragt aus dem Bild.")) << qPrintable(k.join('\n'));
}

// The answer grid has fixed pixel cells from 10 % of the picture's width,
// so at the smallest window it reaches almost to the picture's right edge;
// all six answer places must lie on the card, and the card's own right
// edge must still be seen beside them, not cut off by the picture's edge.
TEST(Fragekarte, AnswerGridLiesOnTheCardAtEveryWindowSize)
{
    const Dokument dok = InhaltDokument("flaggen-der-welt.tvl");
    const QImage &basis = dok.BasisBild;
    const QRgb karte = basis.pixel(100, 400); // plain card, far from the watermark
    for (const QSize steuer : Fenster) {
        KartenPruefung pruefung(dok, steuer);
        const QRect bild = pruefung.Bild();
        auto imBild = [&](QPoint p) {
            return QPoint((p.x() - bild.left()) * basis.width() / bild.width(),
                          (p.y() - bild.top()) * basis.height() / bild.height());
        };
        int rechts = 0;
        for (const KartenTeil &t : pruefung.Teile(1)) {
            if (t.art != KartenTeil::Art::Antwort)
                continue;
            rechts = qMax(rechts, t.rect.right());
            const QRect r = t.rect;
            for (const QPoint ecke : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
                const QPoint p = imBild(ecke);
                ASSERT_TRUE(basis.rect().contains(p)) << steuer.width() << " x " << steuer.height();
                EXPECT_EQ(basis.pixel(p), karte)
                    << steuer.width() << " x " << steuer.height() << " at " << qPrintable(t.name);
            }
        }
        // Right of the last answer, before the picture ends: the card's edge.
        const int y = imBild(QPoint(0, bild.top() + bild.height() / 2)).y();
        bool kante = false;
        for (int x = imBild(QPoint(rechts + 1, 0)).x(); x < basis.width(); ++x)
            kante = kante || basis.pixel(x, y) != karte;
        EXPECT_TRUE(kante) << "no card edge right of the answers at " << steuer.width();
    }
}
