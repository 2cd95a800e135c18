// The fast paragraph layout against the character-by-character reference: same lines, positions and pixels.
#include "Markup.h"
#include "MarkupZeichenweise.h"
#include "Zeichenhilfen.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <random>

namespace {

using Layout = int (*)(IMarkupLeinwand &, int, const QColor &, int, int, int, const QString &, int, int, int,
                       MarkupUmgebung &);

// The layout under test with the reference's single arguments.
int AbsatzSchreiben(IMarkupLeinwand &l, int Breite, const QColor &Farbe, int Variante, int Schrifthoehe,
                    int Schriftgrad, const QString &Text, int Y, int X, int Hoehe, MarkupUmgebung &u)
{
    return MarkupSchreiben(l,
                           {.Text = Text,
                            .X = X,
                            .Y = Y,
                            .Breite = Breite,
                            .Hoehe = Hoehe,
                            .Farbe = Farbe,
                            .Variante = Variante,
                            .Schrifthoehe = Schrifthoehe,
                            .Schriftgrad = Schriftgrad},
                           u);
}

// Records every drawing call as a line of text; the measuring calls are
// only counted, since the fast layout measures less often.
class Protokoll
{
public:
    QStringList zeilen;
    qint64 gemesseneZeichen = 0;

    void Text(const QFont &f, int x, int y, const QString &t, const QColor &farbe)
    {
        zeilen << QStringLiteral("T %1 %2 [%3] %4 %5%6%7 %8")
                      .arg(x)
                      .arg(y)
                      .arg(t, farbe.name())
                      .arg(f.bold())
                      .arg(f.italic())
                      .arg(f.underline())
                      .arg(f.pixelSize());
    }
    void Strich(int x1, int y1, int x2, int y2, const QColor &farbe)
    {
        zeilen << QStringLiteral("L %1 %2 %3 %4 %5").arg(x1).arg(y1).arg(x2).arg(y2).arg(farbe.name());
    }
};

// Deterministic widths with variety: each character has its own advance in
// quarter pixels, bold and italic add to it, the sum is rounded once.
class MessLeinwand : public IMarkupLeinwand
{
public:
    Protokoll p;
    QFont font;
    // Eight equal letters in a row, which the layout measures only to guess
    // a break, can be made to lie: -1 far too narrow, 1 far too wide.
    int luege = 0;

    void SchriftSetzen(const QFont &f) override { font = f; }
    QFont Schrift() const override { return font; }
    int TextBreite(const QString &t) override
    {
        p.gemesseneZeichen += t.size();
        if (luege != 0 && t.size() == 8 && t != QString(8, ' ') && t == QString(8, t[0]))
            return luege < 0 ? 0 : 5000;
        int viertel = 0;
        for (const QChar c : t)
            viertel += 3 + (c.unicode() * 7) % 29 + (font.bold() ? 3 : 0) + (font.italic() ? 1 : 0);
        return (viertel + 2) / 4;
    }
    int TextHoehe(const QString &) override { return 17 + font.pixelSize() / 8; }
    void TextAus(int x, int y, const QString &t, const QColor &f) override { p.Text(font, x, y, t, f); }
    void Linie(int x1, int y1, int x2, int y2, const QColor &f) override { p.Strich(x1, y1, x2, y2, f); }
};

// The real painter canvas, with its calls recorded on the way through.
class MitschnittLeinwand : public IMarkupLeinwand
{
public:
    explicit MitschnittLeinwand(QPainter &painter) : echt(painter) {}
    Protokoll p;
    PainterLeinwand echt;

    void SchriftSetzen(const QFont &f) override { echt.SchriftSetzen(f); }
    QFont Schrift() const override { return echt.Schrift(); }
    int TextBreite(const QString &t) override { return echt.TextBreite(t); }
    int TextHoehe(const QString &t) override { return echt.TextHoehe(t); }
    void TextAus(int x, int y, const QString &t, const QColor &f) override
    {
        p.Text(echt.Schrift(), x, y, t, f);
        echt.TextAus(x, y, t, f);
    }
    void Linie(int x1, int y1, int x2, int y2, const QColor &f) override
    {
        p.Strich(x1, y1, x2, y2, f);
        echt.Linie(x1, y1, x2, y2, f);
    }
};

struct Fall
{
    QString text;
    int breite = 300, x = 0, variante = 0, schrifthoehe = 0, schriftgrad = 0, modus = 2;
    bool illustration = true;
};

QString Beschreibung(const Fall &f)
{
    return QStringLiteral("Breite %1, X %2, Variante %3, Höhe %4, Grad %5, Modus %6, Illustration %7, Text [%8]")
        .arg(f.breite)
        .arg(f.x)
        .arg(f.variante)
        .arg(f.schrifthoehe)
        .arg(f.schriftgrad)
        .arg(f.modus)
        .arg(f.illustration)
        .arg(f.text);
}

QList<DokObjekt> Luecken()
{
    QList<DokObjekt> o(7);
    for (int i = 0; i < o.size(); ++i)
        o[i].Typ = i % 3 == 1 ? 0 : ObjektTyp::Luecke;
    return o;
}

// Lays one paragraph out; the result is the drawing record, the returned
// y and where the gap objects ended up.
QStringList Ausfuehren(Layout layout, IMarkupLeinwand &l, Protokoll &p, const Fall &f)
{
    QList<DokObjekt> objekte = Luecken();
    MarkupUmgebung u;
    u.Objekte = &objekte;
    u.AnsichtModus = AnsichtArt(f.modus);
    u.IllustrationSichtbar = f.illustration;
    const int y =
        layout(l, f.breite, QColor(10, 20, 30), f.variante, f.schrifthoehe, f.schriftgrad, f.text, 5, f.x, 400, u);
    QStringList r = p.zeilen;
    r << QStringLiteral("Y %1 Zeiger %2").arg(y).arg(u.LueckenZeiger);
    for (const DokObjekt &o : objekte)
        r << QStringLiteral("O %1 %2 %3 %4").arg(o.Kx).arg(o.Ky).arg(o.Sx).arg(o.Sy);
    return r;
}

// Texts built from the pieces real documents consist of, plus stray tag
// characters and blank runs.
class Zufallstext
{
public:
    explicit Zufallstext(unsigned saat) : zufall(saat) {}

    int Zahl(int bis) { return int(zufall() % unsigned(bis)); }

    QString Wort(int laenge)
    {
        static const QString zeichen = QStringLiteral("abcdefghijklmnopqrstuvwxyzäöüßMWIil0123456789-.,!?;:");
        QString w;
        for (int i = 0; i < laenge; ++i)
            w += zeichen[Zahl(int(zeichen.size()))];
        return w;
    }

    QString Text()
    {
        static const QStringList tags = {"<b>",
                                         "</B>",
                                         "<i>",
                                         "</I>",
                                         "<U>",
                                         "</u>",
                                         "<<",
                                         ">>",
                                         "<@COL=fF00a9>",
                                         "</@COL>",
                                         "<@LINIE>",
                                         "<@POSX=37%>",
                                         "<@posx=90%>",
                                         "<",
                                         ">",
                                         "<@REB=04>ab",
                                         "<@REB=12>x y z",
                                         "<@REB=03>"};
        QString t = Zahl(4) == 0 ? QString(Zahl(3) + 1, ' ') : QString();
        const int teile = Zahl(40);
        for (int i = 0; i < teile; ++i) {
            switch (Zahl(9)) {
            case 0:
            case 1:
            case 2:
                t += Wort(1 + Zahl(9));
                break;
            case 3:
                t += Wort(20 + Zahl(60)); // wider than most areas
                break;
            case 4:
                t += QString(1 + Zahl(4), ' ');
                break;
            case 5:
            case 6:
                t += tags[Zahl(int(tags.size()))];
                break;
            case 7:
                t += "<<" + Wort(Zahl(12)) + (Zahl(2) ? " " + Wort(Zahl(6)) : QString()) + ">>"
                     + QString("!,.:;? x")[Zahl(8)];
                break;
            default:
                t += ' ';
                t += Wort(2 + Zahl(5));
                break;
            }
        }
        if (Zahl(4) == 0)
            t += QString(Zahl(5) + 1, ' ');
        return t;
    }

    Fall NeuerFall()
    {
        static const int breiten[] = {-5, 0, 1, 12, 40, 90, 160, 300, 700};
        static const int varianten[] = {-1, 0, 1, 2, 3, 99};
        static const int hoehen[] = {0, 0, -20, 30};
        Fall f;
        f.text = Text();
        f.breite = breiten[Zahl(9)];
        f.x = Zahl(3) == 0 ? Zahl(60) : 0;
        f.variante = varianten[Zahl(6)];
        f.schrifthoehe = hoehen[Zahl(4)];
        f.schriftgrad = Zahl(3) == 0 ? 12 : 0;
        f.modus = Zahl(4) == 0 ? 3 : 2;
        f.illustration = Zahl(3) != 0;
        return f;
    }

private:
    std::mt19937 zufall;
};

} // namespace

TEST(MarkupGleichheit, ZufallstexteGleichWieZeichenweise)
{
    Zufallstext z(20261207);
    for (int i = 0; i < 3000; ++i) {
        const Fall f = z.NeuerFall();
        MessLeinwand neu, alt;
        // The break found must not depend on how good the guess was.
        neu.luege = i % 3 - 1;
        const QStringList a = Ausfuehren(AbsatzSchreiben, neu, neu.p, f);
        const QStringList b = Ausfuehren(MarkupZeichenweise, alt, alt.p, f);
        ASSERT_EQ(a, b) << Beschreibung(f).toStdString() << " Lüge " << neu.luege;
    }
}

TEST(MarkupGleichheit, LangeTexteGleichUndLinearGemessen)
{
    Zufallstext z(7);
    // One word far wider than the area, and ordinary words, in long lines.
    const QString ohneLuecke = z.Wort(20000);
    QString woerter;
    while (woerter.size() < 20000)
        woerter += z.Wort(1 + z.Zahl(12)) + QString(1 + z.Zahl(2), ' ');
    for (const QString &text : {ohneLuecke, woerter}) {
        Fall f;
        f.text = text;
        f.breite = 8000; // several hundred characters a line
        MessLeinwand neu, alt;
        ASSERT_EQ(Ausfuehren(AbsatzSchreiben, neu, neu.p, f), Ausfuehren(MarkupZeichenweise, alt, alt.p, f));
        // Measuring the whole run again for every character costs hundreds
        // of times the text; with a good guess of the break the fast layout
        // measures each line about three times (two probes and the output).
        EXPECT_GT(alt.p.gemesseneZeichen, 100 * text.size());
        EXPECT_LT(neu.p.gemesseneZeichen, 5 * text.size());
    }
}

TEST(MarkupGleichheit, MalerLeinwandGleichePixel)
{
    Zufallstext z(99);
    QList<Fall> faelle;
    Fall f;
    f.text = "Die <b>Hauptstadt</b> von <i>Frankreich</i> ist <<Paris>>. Sie liegt an der <<Seine>>, "
             "einem <U>Fluss</U> mit <@COL=aa0000>vielen</@COL> Brücken.";
    for (int v : {0, 1, 2, 3, 99}) {
        f.variante = v;
        faelle << f;
    }
    f.variante = 0;
    f.text = "Donaudampfschifffahrtsgesellschaftskapitänsmützenabzeichen und noch ein Wort";
    f.breite = 120;
    faelle << f;
    f.text = "ab<@POSX=50%>cd <@REB=05>12 <@LINIE> Ende   ";
    f.breite = 350;
    faelle << f;
    f.text = z.Text() + z.Wort(300) + z.Text();
    faelle << f;
    for (Fall g : faelle) {
        QImage bild[2];
        QStringList protokoll[2];
        const Layout layouts[2] = {AbsatzSchreiben, MarkupZeichenweise};
        for (int i = 0; i < 2; ++i) {
            bild[i] = QImage(400, 500, QImage::Format_RGB32);
            bild[i].fill(Qt::white);
            QPainter maler(&bild[i]);
            maler.setFont(ArialPixel(18));
            MitschnittLeinwand l(maler);
            protokoll[i] = Ausfuehren(layouts[i], l, l.p, g);
        }
        EXPECT_EQ(protokoll[0], protokoll[1]) << Beschreibung(g).toStdString();
        QImage leer(bild[0].size(), bild[0].format());
        leer.fill(Qt::white);
        EXPECT_FALSE(bild[0] == leer) << Beschreibung(g).toStdString();
        EXPECT_TRUE(bild[0] == bild[1]) << Beschreibung(g).toStdString();
    }
}

namespace {
// A canvas whose runs get narrower as they grow (every fifth length
// measures nothing): the layout must still end and keep every character.
class LaunischeLeinwand : public MessLeinwand
{
public:
    int TextBreite(const QString &t) override { return t.size() % 5 == 0 ? 0 : 10 * int(t.size()); }
};
} // namespace

TEST(MarkupGleichheit, SchrumpfendeBreiteEndetUndVerliertNichts)
{
    Zufallstext z(3);
    for (int i = 0; i < 200; ++i) {
        QString text;
        for (int k = z.Zahl(30); k >= 0; --k)
            text += z.Wort(1 + z.Zahl(z.Zahl(4) == 0 ? 200 : 10)) + ' ';
        LaunischeLeinwand l;
        MarkupUmgebung u;
        const int y = MarkupSchreiben(l, {.Text = text, .Breite = 150, .Hoehe = 400}, u);
        QString gezeichnet;
        int zeilenY = -1, zeilen = 0;
        for (const QString &zeile : l.p.zeilen) {
            const QStringList teile = zeile.split(' ');
            gezeichnet += zeile.section('[', 1).section(']', 0, 0);
            if (teile[2].toInt() != zeilenY)
                ++zeilen;
            zeilenY = teile[2].toInt();
        }
        gezeichnet.remove(' ');
        EXPECT_EQ(gezeichnet, QString(text).remove(' '));
        // Never more lines than characters, and y below the last one.
        EXPECT_LE(zeilen, text.size());
        EXPECT_GE(y, zeilenY);
    }
}
