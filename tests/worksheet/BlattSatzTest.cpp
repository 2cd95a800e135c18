// Sets of sheets, the sheet's own word list, and pages nothing leaves.
#include "BlattHilfe.h"

#include "BlattLeinwand.h"
#include "TestObjekte.h"
#include "UebTexte.h"

#include <QFontMetricsF>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QList<int> Nummern(const Blatt &b)
{
    static const QRegularExpression re("^(\\d+)\\. ");
    QList<int> n;
    for (const QString &t : b.Texte())
        if (const auto m = re.match(t); m.hasMatch())
            n << m.captured(1).toInt();
    return n;
}

// Every element lies on the page: texts measured in their own font.
void AufDerSeite(const Blatt &b, const std::string &wo)
{
    for (const BlattElement &e : b.Elemente) {
        double links = qMin(e.x, e.x2), rechts = qMax(e.x, e.x2);
        if (e.art == BlattElement::Art::Text) {
            const double w = QFontMetricsF(BlattLeinwand::Schrift(e.emHoehe, e.fett)).horizontalAdvance(e.text);
            links = e.x - (e.ausrichtung & Qt::AlignHCenter ? w / 2 : e.ausrichtung & Qt::AlignRight ? w : 0);
            rechts = links + w;
        }
        EXPECT_GE(links, 0) << wo << " " << e.text.toStdString();
        EXPECT_LE(rechts, 1000.5) << wo << " " << e.text.toStdString();
    }
}

} // namespace

TEST(BlattSatz, FolgeblaetterSchliessenAnUndNennenNurDieAntwortenIhrerFragen)
{
    BlattTest t;
    ASSERT_TRUE(t.Laden("flaggen-europa.tvl"));
    const QList<Einzelfrage> fragen = FragenAusText(t.Dok().Fragentext);
    ArbeitsblattOptionen o;
    o.WortlisteBlatt = true;
    int zuLang = -1;
    const QList<Blatt> satz = ArbeitsblattSatz(o, t.szene, zuLang);
    ASSERT_GT(satz.size(), 2);
    int erste = 1;
    for (int i = 0; i < satz.size(); ++i) {
        const QList<int> n = Nummern(satz[i]);
        ASSERT_FALSE(n.isEmpty());
        EXPECT_EQ(n.first(), erste);
        erste = n.last() + 1;
        EXPECT_EQ(satz[i].NaechsteFrage, i + 1 < satz.size() ? erste : 0);
        EXPECT_EQ(TexteMit(satz[i], BlattZaehlerText(i + 1, int(satz.size()))).size(), 1);
        QStringList antworten, liste;
        for (int k : n)
            antworten << TextNormalisieren(fragen[k - 1].Antwort);
        for (const BlattElement &e : satz[i].Elemente)
            if (e.art == BlattElement::Art::Text && e.emHoehe == 22)
                for (const QString &w : e.text.split(" -", Qt::SkipEmptyParts))
                    liste << w.trimmed();
        liste.sort();
        antworten.sort();
        EXPECT_EQ(liste, antworten) << i;
    }
    EXPECT_EQ(erste, fragen.size() + 1);
}

TEST(BlattSatz, EineFrageZuGrossFuerJedesBlattBeendetDenSatz)
{
    BlattTest t;
    t.Einzelfragen("Kurz?//Ja\r\n" + QString("Wort ").repeated(3000) + "//Nein\r\nNoch eine?//Ja");
    for (bool eigeneListe : {false, true}) {
        ArbeitsblattOptionen o = OhneKopf();
        o.WortlisteBlatt = eigeneListe;
        int zuLang = 0;
        EXPECT_TRUE(ArbeitsblattSatz(o, t.szene, zuLang).isEmpty());
        EXPECT_EQ(zuLang, 2);
        EXPECT_EQ(t.Bauen(o).NaechsteFrage, 2);
    }
}

TEST(Seitenrand, KeinTextUndKeineLinieVerlaesstDieSeite)
{
    const QString wort = QString("Donaudampfschifffahrtskapitän").repeated(3);
    auto zuBreit = [](int em) { // a title just too wide at this size
        QString t = "Flaggen";
        while (QFontMetrics(BlattLeinwand::Schrift(em, true)).horizontalAdvance(t) <= 1000)
            t += " Land";
        return t;
    };
    const struct
    {
        const char *dok;
        QString titel, aufgabe, fragen; // fragen: own single questions
        int titelZeilen, titelSchrift;  // the title's lines and size (29: shrunk, 25 to 29)
    } faelle[] = {
        {"aufbau-einer-flagge.tvl", "Flaggen", {}, {}, 1, 30},
        {"farben-und-zeichen.tvl", zuBreit(30), "Aufgabe: " + wort, {}, 1, 29},
        {"flaggen-europa.tvl", zuBreit(25), wort + " " + wort, {}, 2, 25},
        {nullptr, wort, {}, "Erste?//" + wort + wort + "\r\nZweite?//Kurz", 2, 25},
    };
    for (const auto &f : faelle)
        for (BlattArt art : {BlattArt::Arbeitsblatt, BlattArt::Loesungsblatt, BlattArt::Auflegefolie}) {
            BlattTest t;
            if (f.dok)
                ASSERT_TRUE(t.Laden(f.dok));
            else
                t.Einzelfragen(f.fragen);
            ArbeitsblattOptionen o;
            o.Titel = f.titel;
            if (!f.aufgabe.isEmpty())
                o.Aufgabe = f.aufgabe;
            o.Art = art;
            const Blatt b = t.Bauen(o);
            const std::string wo = (f.dok ? f.dok : "fragen") + std::string(" ") + std::to_string(int(art));
            AufDerSeite(b, wo);
            // A long title shrinks to the task's size, then wraps.
            QStringList titel;
            for (const BlattElement &e : b.Elemente)
                if (e.fett && (e.ausrichtung & Qt::AlignHCenter)) {
                    titel << e.text;
                    EXPECT_TRUE(f.titelSchrift == 29 ? e.emHoehe >= 25 && e.emHoehe <= 29 : e.emHoehe == f.titelSchrift)
                        << wo;
                }
            if (art != BlattArt::Auflegefolie) {
                EXPECT_EQ(titel.size(), f.titelZeilen) << wo;
                EXPECT_EQ(titel.join(' ').remove(' '), QString(f.titel).remove(' ')) << wo;
            }
        }
    // A gap with its comma at the end of a line goes to the next line.
    for (int fuell = 20; fuell <= 60; ++fuell) {
        BlattTest t;
        t.Dok().DokTyp = DokArt::Lueckentext;
        t.Dok().Lueckentext = QString("ab").repeated(fuell) + " <<Lücke>>, und weiter.";
        t.Dok().Objekte << Objekt(ObjektTyp::Luecke, 0.5, 0.5, QString::fromUtf8("Lücke"));
        AufDerSeite(t.Bauen(OhneKopf(BlattArt::Loesungsblatt)), "Lücke " + std::to_string(fuell));
    }
}

TEST(Passmarken, AlleDreiArtenTragenDieselbenMarkenInGegenueberliegendenEcken)
{
    BlattTest t;
    ASSERT_TRUE(t.Laden("aufbau-einer-flagge.tvl"));
    QList<QList<QRect>> marken;
    for (BlattArt art : {BlattArt::Arbeitsblatt, BlattArt::Loesungsblatt, BlattArt::Auflegefolie}) {
        ArbeitsblattOptionen o;
        o.Art = art;
        marken.append(QList<QRect>());
        for (const BlattElement &e : t.Bauen(o).Alle(BlattElement::Art::Passmarke)) {
            const QRect r(QPoint(e.x, e.y), QPoint(e.x2, e.y2));
            EXPECT_TRUE((r.right() == 1000 && r.bottom() < 30) || (r.left() == 0 && r.top() > Blatt::Hoehe - 30));
            EXPECT_EQ(e.farbe, art == BlattArt::Auflegefolie ? QColor(255, 0, 0) : QColor(Qt::black));
            marken.last() << r;
        }
    }
    EXPECT_GE(marken[0].size(), 2);
    EXPECT_EQ(marken[1], marken[0]);
    EXPECT_EQ(marken[2], marken[0]);
}
