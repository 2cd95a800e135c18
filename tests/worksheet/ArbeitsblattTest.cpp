// The page content of worksheets, solution sheets and overlays.
#include "BlattHilfe.h"

#include "BlattLeinwand.h"
#include "TestObjekte.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

int ZVon(int em)
{
    return QFontMetrics(BlattLeinwand::Schrift(em)).height();
}

QString Fragen(int n)
{
    QStringList z;
    for (int i = 1; i <= n; ++i)
        z << QString("Wie lautet Frage %1?//Antwort %1").arg(i);
    return z.join("\r\n");
}

} // namespace

TEST(Arbeitsblatt, KopfTitelUndAufgabeLiegenUntereinander)
{
    BlattTest t;
    t.Einzelfragen("Hauptstadt von Peru?//Lima");
    ArbeitsblattOptionen o;
    o.Titel = "Südamerika";
    const Blatt b = t.Bauen(o);
    const int z18 = ZVon(18), z30 = ZVon(30);

    const auto name = TexteMit(b, "Name:"), klasse = TexteMit(b, "Klasse:"), datum = TexteMit(b, "Datum:");
    ASSERT_EQ(name.size(), 1);
    ASSERT_EQ(klasse.size(), 1);
    ASSERT_EQ(datum.size(), 1);
    EXPECT_EQ(name[0].x, 0);
    EXPECT_EQ(klasse[0].x, 500);
    EXPECT_EQ(datum[0].x, 750);
    EXPECT_EQ(name[0].y, 0);
    // The three rules lie one line unit below the text top.
    QList<QPair<int, int>> regeln;
    for (const BlattElement &e : b.Alle(BlattElement::Art::Linie))
        if (e.y == z18 && e.y2 == z18)
            regeln << qMakePair(e.x, e.x2);
    EXPECT_EQ(regeln, (QList<QPair<int, int>>{{0, 500}, {500, 750}, {750, 1000}}));

    // Title: 2.5 z18 + 0.5 z30 down, centred, bold, framed from -0.3 z to 1.3 z.
    const auto titel = TexteMit(b, "Südamerika");
    ASSERT_EQ(titel.size(), 1);
    const int ty = qRound(2.5 * z18) + qRound(0.5 * z18);
    EXPECT_EQ(titel[0].y, ty);
    EXPECT_EQ(titel[0].x, 500);
    EXPECT_TRUE(titel[0].ausrichtung & Qt::AlignHCenter);
    EXPECT_TRUE(titel[0].fett);
    EXPECT_EQ(titel[0].emHoehe, 30);
    bool rahmen = false;
    for (const BlattElement &e : b.Alle(BlattElement::Art::Rahmen))
        rahmen |= e.x == 0 && e.x2 == 1000 && e.y == ty - qRound(0.3 * z30) && e.y2 == ty + qRound(1.3 * z30);
    EXPECT_TRUE(rahmen);

    // The task follows two title units below.
    const auto aufgabe = TexteMit(b, "Aufgabe: Fülle die freien Felder aus!");
    ASSERT_EQ(aufgabe.size(), 1);
    EXPECT_EQ(aufgabe[0].y, ty + 2 * z30);
    EXPECT_EQ(aufgabe[0].emHoehe, 25);

    // Footer at 1625 - z15 with its rule and the address on the right.
    const auto fuss = TexteMit(b, QString::fromUtf8(ArbeitsblattFussText));
    ASSERT_EQ(fuss.size(), 1);
    EXPECT_EQ(fuss[0].y, 1625 - ZVon(15));
    bool adresse = false;
    for (const BlattElement &e : b.Elemente)
        adresse |= e.art == BlattElement::Art::Text && e.y == fuss[0].y && e.x == 1000
                   && (e.ausrichtung & Qt::AlignRight);
    EXPECT_TRUE(adresse);
}

TEST(Arbeitsblatt, OhneKopfTitelUndAufgabeBeginntDieAntwortlisteOben)
{
    BlattTest t;
    t.Einzelfragen("Eins?//Beta\r\nZwei?//alpha\r\nDrei?//Gamma");
    const Blatt b = t.Bauen(OhneKopf());
    ASSERT_FALSE(b.Elemente.isEmpty());
    const BlattElement &erstes = b.Elemente.first();
    EXPECT_EQ(erstes.art, BlattElement::Art::Text);
    EXPECT_EQ(erstes.y, 0);
    // Sorted without regard to case, joined by " - ".
    EXPECT_EQ(erstes.text, "alpha - Beta - Gamma");
    EXPECT_EQ(erstes.emHoehe, 22);
}

TEST(Arbeitsblatt, AchtKurzeAntwortenStehenInEinerZeile)
{
    BlattTest t;
    t.Dok().DokTyp = DokArt::Lueckentext;
    t.Dok().Lueckentext = "Text";
    const QStringList woerter{"Hut", "Ast", "Rad", "Ei", "Zug", "Bus", "Ohr", "Tor"};
    for (const QString &w : woerter)
        t.Dok().Objekte << Objekt(ObjektTyp::Luecke, 0.5, 0.5, w);
    const Blatt b = t.Bauen(OhneKopf());
    const auto zeile = TexteMit(b, "Ast - Bus - Ei - Hut - Ohr - Rad - Tor - Zug");
    ASSERT_EQ(zeile.size(), 1);
    EXPECT_EQ(zeile[0].y, 0);
}

TEST(Arbeitsblatt, UmlauteStehenBeiIhremGrundbuchstabenAuchImCLocale)
{
    BlattTest t;
    t.Dok().DokTyp = DokArt::Lueckentext;
    t.Dok().Lueckentext = "Text";
    for (const char *w : {"Zug", "Öl", "Ast", "Ähre", "Rad"})
        t.Dok().Objekte << Objekt(ObjektTyp::Luecke, 0.5, 0.5, QString::fromUtf8(w));
    const Blatt b = t.Bauen(OhneKopf());
    EXPECT_EQ(TexteMit(b, "Ähre - Ast - Öl - Rad - Zug").size(), 1);
}

TEST(Arbeitsblatt, LangeAntwortlistenBrechenBei1000Um)
{
    BlattTest t;
    QStringList z;
    for (int i = 0; i < 40; ++i)
        z << QString("F%1?//Antwortwort%1").arg(i, 2, 10, QChar('0'));
    t.Einzelfragen(z.join("\n"));
    const Blatt b = t.Bauen(OhneKopf());
    const int z22 = ZVon(22);
    QString alles;
    int zeilen = 0;
    for (const BlattElement &e : b.Elemente) {
        if (e.art != BlattElement::Art::Text || e.emHoehe != 22)
            continue;
        EXPECT_EQ(e.y, zeilen * qRound(1.25 * z22));
        EXPECT_LE(QFontMetrics(BlattLeinwand::Schrift(22)).horizontalAdvance(e.text), 1000);
        alles += e.text;
        ++zeilen;
    }
    EXPECT_GT(zeilen, 2);
    EXPECT_EQ(alles.count('-'), 39);
    EXPECT_TRUE(alles.startsWith("Antwortwort00 - Antwortwort01"));
}

TEST(Arbeitsblatt, DreissigFragenEndenMitDerLetztenDiePasstUndLaufenAbFrageWeiter)
{
    BlattTest t;
    t.Einzelfragen(Fragen(30));
    ArbeitsblattOptionen o = OhneKopf(BlattArt::Loesungsblatt);
    o.Textvorgabe = false;
    const Blatt erstes = t.Bauen(o);
    const int z25 = ZVon(25);

    QList<int> nummern;
    int letzteAntwortUnten = 0;
    for (const BlattElement &e : erstes.Elemente) {
        if (e.art == BlattElement::Art::Text && e.text.startsWith(QString::number(nummern.size() + 1) + ". "))
            nummern << nummern.size() + 1;
        if (e.art == BlattElement::Art::Linie && e.x == 0 && e.x2 == 1000 && e.y < 1625 - ZVon(15))
            letzteAntwortUnten = e.y;
    }
    ASSERT_GT(nummern.size(), 3);
    ASSERT_LT(nummern.size(), 30);
    const int naechste = nummern.size() + 1;
    // The last question stays above the limit, the next would not have.
    EXPECT_LT(letzteAntwortUnten, 1625 - qRound(1.5 * z25));
    const int proFrage = letzteAntwortUnten / nummern.size();
    EXPECT_GE(letzteAntwortUnten + proFrage, 1625 - qRound(1.5 * z25) - 2);
    EXPECT_TRUE(TexteMit(erstes, QString("%1. Wie lautet Frage %1?").arg(naechste)).isEmpty());

    // The next sheet starts with the next question, numbered as in the document.
    o.AbFrage = naechste;
    const Blatt zweites = t.Bauen(o);
    QStringList fragen;
    for (const QString &s : zweites.Texte())
        if (s.contains("Wie lautet"))
            fragen << s;
    ASSERT_FALSE(fragen.isEmpty());
    EXPECT_EQ(fragen.first(), QString("%1. Wie lautet Frage %1?").arg(naechste));
    EXPECT_EQ(fragen.last(), "30. Wie lautet Frage 30?");
    EXPECT_EQ(fragen.size(), 30 - naechste + 1);
}

TEST(Arbeitsblatt, FrageOhneTrennerZeigtStricheAufDemLoesungsblatt)
{
    BlattTest t;
    t.Einzelfragen("Nur eine Frage ohne Antwort\r\nMit Antwort?//Ja");
    ArbeitsblattOptionen o = OhneKopf(BlattArt::Loesungsblatt);
    o.Textvorgabe = false;
    const Blatt loesung = t.Bauen(o);
    const auto striche = TexteMit(loesung, "---");
    ASSERT_EQ(striche.size(), 1);
    EXPECT_EQ(striche[0].farbe, QColor(255, 0, 0));
    EXPECT_EQ(TexteMit(loesung, "Ja").size(), 1);

    // The worksheet keeps the same places but shows no answers.
    o.Art = BlattArt::Arbeitsblatt;
    const Blatt blatt = t.Bauen(o);
    EXPECT_TRUE(TexteMit(blatt, "---").isEmpty());
    EXPECT_TRUE(TexteMit(blatt, "Ja").isEmpty());
    EXPECT_EQ(TexteMit(blatt, "1. Nur eine Frage ohne Antwort").size(), 1);
    EXPECT_EQ(TexteMit(blatt, "1. Nur eine Frage ohne Antwort")[0].y,
              TexteMit(loesung, "1. Nur eine Frage ohne Antwort")[0].y);
    // The overlay: only the red answers, at the solution sheet's places.
    o.Art = BlattArt::Auflegefolie;
    const Blatt folie = t.Bauen(o);
    EXPECT_EQ(folie.Texte(), (QStringList{"---", "Ja"}));
    EXPECT_EQ(TexteMit(folie, "Ja")[0].y, TexteMit(loesung, "Ja")[0].y);
    EXPECT_TRUE(folie.Alle(BlattElement::Art::Linie).isEmpty());
    EXPECT_TRUE(folie.Alle(BlattElement::Art::Rahmen).isEmpty());
}

TEST(Arbeitsblatt, LueckentextZeigtLinienLoesungenOderBeides)
{
    BlattTest t;
    t.Dok().DokTyp = DokArt::Lueckentext;
    t.Dok().Lueckentext = "Die Flagge Italiens ist <<grün>>, weiß und rot.";
    t.Dok().Objekte << Objekt(ObjektTyp::Luecke, 0.5, 0.5, "grün");
    ArbeitsblattOptionen o = OhneKopf();
    o.Textvorgabe = false;
    const Blatt blatt = t.Bauen(o);
    o.Art = BlattArt::Loesungsblatt;
    const Blatt loesung = t.Bauen(o);
    o.Art = BlattArt::Auflegefolie;
    const Blatt folie = t.Bauen(o);

    EXPECT_TRUE(blatt.Texte().contains("Die Flagge Italiens ist"));
    EXPECT_FALSE(blatt.Texte().join("").contains("grün"));
    EXPECT_TRUE(loesung.Texte().contains("grün"));
    EXPECT_EQ(folie.Texte(), QStringList{"grün"});
    const auto a = TexteMit(loesung, "grün"), b = TexteMit(folie, "grün");
    EXPECT_EQ(a[0].x, b[0].x);
    EXPECT_EQ(a[0].y, b[0].y);
    // The gap line of the worksheet lies under the solution, which starts
    // three blanks into the field (as a shift, not as blanks in the text).
    const QFontMetrics fm(BlattLeinwand::Schrift(30));
    bool unterLoesung = false;
    for (const BlattElement &e : blatt.Alle(BlattElement::Art::Linie))
        unterLoesung |= e.x + fm.horizontalAdvance("   ") == a[0].x && e.x2 > a[0].x + fm.horizontalAdvance("grün")
                        && e.y > a[0].y && e.y < a[0].y + 40;
    EXPECT_TRUE(unterLoesung);
}

TEST(Arbeitsblatt, FolieEinesBeschriftungsdokumentsIstWeissMitRotenLoesungen)
{
    BlattTest t;
    QImage bild(800, 500, QImage::Format_RGB32);
    bild.fill(QColor(0, 90, 0));
    t.Dok().BasisBild = bild;
    t.Dok().Objekte << Objekt(ObjektTyp::Beschriftung, 0.3, 0.3, "Kreuz")
                    << Objekt(ObjektTyp::Beschriftung, 0.6, 0.7, "Stern");
    ArbeitsblattOptionen o = OhneKopf();
    o.Textvorgabe = false;
    const Blatt blatt = t.Bauen(o);
    o.Art = BlattArt::Auflegefolie;
    const Blatt folie = t.Bauen(o);

    const auto b1 = blatt.Alle(BlattElement::Art::Bild), b2 = folie.Alle(BlattElement::Art::Bild);
    ASSERT_EQ(b1.size(), 1);
    ASSERT_EQ(b2.size(), 1);
    // Same place and size on both pages.
    EXPECT_EQ(QRect(b1[0].x, b1[0].y, b1[0].x2 - b1[0].x, b1[0].y2 - b1[0].y),
              QRect(b2[0].x, b2[0].y, b2[0].x2 - b2[0].x, b2[0].y2 - b2[0].y));
    EXPECT_EQ(b1[0].x2 - b1[0].x, 1000);
    EXPECT_EQ(b1[0].y2 - b1[0].y, 625);
    // The overlay's picture holds only white and the red solutions.
    const QImage &f = b2[0].bild;
    int rot = 0, anderes = 0;
    for (int y = 0; y < f.height(); ++y)
        for (int x = 0; x < f.width(); ++x) {
            const QColor c(f.pixel(x, y));
            if (c == Qt::white)
                continue;
            if (c.red() > 120 && c.green() < c.red() && c.blue() < c.red() && qAbs(c.green() - c.blue()) < 40)
                ++rot;
            else
                ++anderes;
        }
    EXPECT_GT(rot, 50);
    EXPECT_EQ(anderes, 0);
    // The worksheet's picture keeps the green background; the red solutions
    // of the overlay fall where the worksheet has its answer boxes (not
    // green there).
    const QImage &w = b1[0].bild;
    int ueberGruen = 0, rotGesamt = 0;
    for (int y = 0; y < f.height(); ++y)
        for (int x = 0; x < f.width(); ++x) {
            const QColor c(f.pixel(x, y));
            if (c == Qt::white)
                continue;
            ++rotGesamt;
            if (QColor(w.pixel(x, y)) == QColor(0, 90, 0))
                ++ueberGruen;
        }
    EXPECT_EQ(ueberGruen, 0) << rotGesamt;
    EXPECT_TRUE(folie.Texte().isEmpty());
}

TEST(Blatt, LinieUndRahmenBehaltenIhreEckenFarbeUndArt)
{
    Blatt b;
    b.Linie(10, 20, 300, 20, Qt::red);
    b.Rahmen(5, 6, 70, 80, QColor(1, 2, 3));
    ASSERT_EQ(b.Elemente.size(), 2);
    const BlattElement &l = b.Elemente[0], &r = b.Elemente[1];
    EXPECT_EQ(l.art, BlattElement::Art::Linie);
    EXPECT_EQ(QRect(QPoint(l.x, l.y), QPoint(l.x2, l.y2)), QRect(QPoint(10, 20), QPoint(300, 20)));
    EXPECT_EQ(l.farbe, QColor(Qt::red));
    EXPECT_EQ(r.art, BlattElement::Art::Rahmen);
    EXPECT_EQ(QRect(QPoint(r.x, r.y), QPoint(r.x2, r.y2)), QRect(QPoint(5, 6), QPoint(70, 80)));
    EXPECT_EQ(r.farbe, QColor(1, 2, 3));
    EXPECT_EQ(b.Alle(BlattElement::Art::Rahmen).size(), 1);
}
