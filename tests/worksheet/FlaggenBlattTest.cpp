// Worksheets of the shipped flag quizzes: question sentences and flags
// instead of raw markup, and sheets that continue without gaps.
#include "BlattHilfe.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QString FlaggenFrage = QString::fromUtf8("Wie heißt das Land zu dieser Flagge?");

// The question numbers on a sheet, in page order.
QList<int> Nummern(const Blatt &b)
{
    static const QRegularExpression re("^(\\d+)\\. (.*)$");
    QList<int> n;
    for (const QString &t : b.Texte()) {
        const auto m = re.match(t);
        if (m.hasMatch())
            n << m.captured(1).toInt();
    }
    return n;
}

} // namespace

TEST(FlaggenBlatt, FragenZeigenDenSatzUndDieFlaggeStattDesMarkups)
{
    BlattTest t;
    ASSERT_TRUE(t.Laden("flaggen-europa.tvl"));
    for (BlattArt art : {BlattArt::Arbeitsblatt, BlattArt::Loesungsblatt}) {
        ArbeitsblattOptionen o;
        o.Titel = t.Dok().Titel;
        o.Art = art;
        const Blatt b = t.Bauen(o);
        EXPECT_FALSE(b.Texte().join("\n").contains("<@")) << b.Texte().join("\n").toStdString();
        const QList<int> nummern = Nummern(b);
        ASSERT_GE(nummern.size(), 3);
        for (int n : nummern)
            EXPECT_EQ(TexteMit(b, QString("%1. %2").arg(n).arg(FlaggenFrage)).size(), 1) << n;
        // One flag per question, under its question text, in true proportions.
        const auto bilder = b.Alle(BlattElement::Art::Bild);
        ASSERT_EQ(bilder.size(), nummern.size());
        for (int k = 0; k < bilder.size(); ++k) {
            const BlattElement &e = bilder[k];
            const auto frage = TexteMit(b, QString("%1. %2").arg(nummern[k]).arg(FlaggenFrage));
            ASSERT_EQ(frage.size(), 1);
            EXPECT_GT(e.y, frage[0].y);
            EXPECT_EQ(e.x, 20);
            const double seiten = double(e.bild.width()) / e.bild.height();
            EXPECT_NEAR(double(e.x2 - e.x) / (e.y2 - e.y), seiten, 0.05);
            // A thin grey outline around it.
            bool umrandet = false;
            for (const BlattElement &r : b.Alle(BlattElement::Art::Rahmen))
                umrandet |= r.x == e.x - 1 && r.y == e.y - 1 && r.x2 == e.x2 + 1 && r.farbe != Qt::black;
            EXPECT_TRUE(umrandet);
        }
        // The solution sheet names the countries in red under the flags.
        if (art == BlattArt::Loesungsblatt) {
            const QStringList antworten = [&] {
                QStringList a;
                for (const auto &f : FragenAusText(t.Dok().Fragentext))
                    a << f.Antwort;
                return a;
            }();
            for (int n : nummern) {
                const auto a = TexteMit(b, antworten[n - 1]);
                ASSERT_FALSE(a.isEmpty()) << n;
                EXPECT_EQ(a.last().farbe, QColor(255, 0, 0));
                EXPECT_GT(a.last().y, bilder[nummern.indexOf(n)].y2);
            }
        }
    }
}

TEST(FlaggenBlatt, FolgeblaetterDeckenJedeFrageGenauEinmalAb)
{
    BlattTest t;
    ASSERT_TRUE(t.Laden("flaggen-europa.tvl"));
    const int anzahl = int(FragenAusText(t.Dok().Fragentext).size());
    ASSERT_GT(anzahl, 20);
    ArbeitsblattOptionen o;
    o.Titel = t.Dok().Titel;
    QList<int> alle;
    for (int blaetter = 0; blaetter < anzahl && o.AbFrage <= anzahl; ++blaetter) {
        const Blatt b = t.Bauen(o);
        const QList<int> n = Nummern(b);
        ASSERT_FALSE(n.isEmpty()) << "Blatt ab Frage " << o.AbFrage << " ist leer";
        EXPECT_EQ(n.first(), o.AbFrage);
        EXPECT_EQ(b.Alle(BlattElement::Art::Bild).size(), n.size());
        alle << n;
        o.AbFrage = n.last() + 1;
    }
    QList<int> erwartet;
    for (int i = 1; i <= anzahl; ++i)
        erwartet << i;
    EXPECT_EQ(alle, erwartet);
}

TEST(FlaggenBlatt, FrageOhneBildBleibtWieBisher)
{
    BlattTest t;
    t.Einzelfragen("<@flaggenfrage>//Irgendwo\r\nHauptstadt von "
                   "Peru?//Lima\r\n<@flaggenfrage><@img=../data/pennor.png>//X");
    ArbeitsblattOptionen o = OhneKopf();
    o.Textvorgabe = false;
    const Blatt b = t.Bauen(o);
    EXPECT_EQ(TexteMit(b, "1. " + FlaggenFrage).size(), 1);
    EXPECT_EQ(TexteMit(b, "2. Hauptstadt von Peru?").size(), 1);
    // A name leaving the flag folder is never loaded: its room and outline
    // stay, no picture.
    EXPECT_EQ(TexteMit(b, "3. " + FlaggenFrage).size(), 1);
    EXPECT_TRUE(b.Alle(BlattElement::Art::Bild).isEmpty());
    // Questions without a picture are as tall as before: 1 and 2 equally.
    const int y1 = TexteMit(b, "1. " + FlaggenFrage)[0].y, y2 = TexteMit(b, "2. Hauptstadt von Peru?")[0].y,
              y3 = TexteMit(b, "3. " + FlaggenFrage)[0].y;
    EXPECT_GT(y2, y1);
    EXPECT_EQ(y3 - y2, y2 - y1);
}
