// The paragraph layout measured character by character, kept as the reference the fast layout must match.
#include "MarkupZeichenweise.h"

#include "MarkupTags.h"
#include "Runden.h"
#include "Zeichenhilfen.h"

namespace {

// The layout as it was: every character measures the whole pending run again.
class SatzZeichenweise
{
public:
    SatzZeichenweise(IMarkupLeinwand &l, int breite, const QColor &farbe, int variante, const QString &text, int X,
                     int hoehe, MarkupUmgebung &u)
        : l(l), Breite(breite), Farbe(farbe), Variante(variante), T(text), X(X), Hoehe(hoehe), u(u)
    {
    }

    int Lauf(int Y);

private:
    IMarkupLeinwand &l;
    const int Breite;
    const QColor Farbe;
    const int Variante;
    const QString T;
    const int X;
    const int Hoehe;
    MarkupUmgebung &u;

    int x = 0, y = 0, lh = 0, h0 = 0;
    int start = 0;    // first character of the pending run
    int umbruch = -1; // a line may end after this character; -1 none yet
    int pos = 0;
    bool inLuecke = false;

    bool zeichnen() const
    {
        if (u.AnsichtModus == AnsichtArt::Quiz)
            return true;
        if (Variante == 0 || Variante == 1 || Variante == 3)
            return true;
        return Variante == 99 && u.IllustrationSichtbar;
    }
    // Outputs T[von, bis) at the pen; with zeilenEnde the pen moves to the
    // next line and pos skips the blanks that follow.
    void ausgeben(int von, int bis, bool zeilenEnde)
    {
        if (bis > von) {
            const QString lauf = T.mid(von, bis - von);
            if (zeichnen())
                l.TextAus(x, y, lauf, Farbe);
            x += l.TextBreite(lauf);
        }
        if (zeilenEnde) {
            x = X;
            y += lh;
            while (pos + 1 < T.size() && T[pos + 1] == ' ')
                ++pos;
        }
    }
    void stil(int bit, bool an)
    {
        QFont f = l.Schrift();
        if (bit == 0)
            f.setBold(an);
        else if (bit == 1)
            f.setItalic(an);
        else
            f.setUnderline(an);
        l.SchriftSetzen(f);
    }
    // Common start of a tag of laenge characters at pos.
    void tagAnfang() { ausgeben(start, pos, false); }
    void tagEnde(int laenge)
    {
        pos += laenge - 1;
        start = pos + 1;
        umbruch = pos;
    }
    void luecke(const QString &lueckenText, int angehaengt);
    bool tag();
    void zeichen();
};

void SatzZeichenweise::luecke(const QString &lueckenText, int angehaengt)
{
    int b;
    if (Variante == 99) {
        b = qMax(l.TextBreite(QStringLiteral(" ") + lueckenText), l.TextBreite(QStringLiteral(" XX")));
        int gefunden = -1;
        if (u.Objekte && u.LueckenZeiger >= 0) {
            for (int k = u.LueckenZeiger; k < u.Objekte->size(); ++k)
                if ((*u.Objekte)[k].Typ == ObjektTyp::Luecke) {
                    gefunden = k;
                    break;
                }
            u.LueckenZeiger = gefunden >= 0 ? gefunden + 1 : -1;
        }
        if (gefunden >= 0 && Breite > 0 && Hoehe > 0) {
            DokObjekt &o = (*u.Objekte)[gefunden];
            o.Kx = (x + b / 2.0) / Breite;
            o.Ky = (y + l.TextHoehe(QStringLiteral("X")) + 4.0) / Hoehe;
            o.Sx = o.Kx;
            o.Sy = o.Ky;
        }
    } else {
        const QString rand = QStringLiteral("   ");
        b = qMax(l.TextBreite(rand + lueckenText + rand), l.TextBreite(QStringLiteral(" XX")));
        // A worksheet gap with its glued punctuation never passes the edge.
        if (Variante >= 1 && Variante <= 3 && x > X && x + b + angehaengt > Breite) {
            x = X;
            y += lh;
        }
        if (Variante == 1 || Variante == 3)
            l.Linie(x, y + h0, x + b, y + h0, Qt::black);
        if (Variante == 2 || Variante == 3)
            l.TextAus(x, y, rand + lueckenText, QColor(255, 0, 0));
    }
    x += b;
}

bool SatzZeichenweise::tag()
{
    const LueckenMarke marke = Variante <= 0 ? LueckenMarke::Keine : inLuecke ? LueckenMarke::Zu : LueckenMarke::Auf;
    const std::optional<MarkupTag> t = MarkupTagBei(T, pos, marke);
    if (!t)
        return false;
    switch (t->Art) {
    case MarkupTagArt::Fett:
    case MarkupTagArt::FettAus:
    case MarkupTagArt::Kursiv:
    case MarkupTagArt::KursivAus:
    case MarkupTagArt::Unterstrichen:
    case MarkupTagArt::UnterstrichenAus: {
        const int k = int(t->Art) - int(MarkupTagArt::Fett);
        tagAnfang();
        stil(k / 2, k % 2 == 0);
        tagEnde(t->Laenge);
        break;
    }
    case MarkupTagArt::LueckeAuf:
        tagAnfang();
        tagEnde(t->Laenge);
        inLuecke = true;
        break;
    case MarkupTagArt::LueckeZu: {
        const QString lueckenText = T.mid(start, pos - start);
        const int nach = pos + t->Laenge;
        const bool satzzeichen = nach < T.size() && QStringLiteral("!,.:;?").contains(T[nach]);
        luecke(lueckenText, satzzeichen ? l.TextBreite(T.mid(nach, 1)) : 0);
        inLuecke = false;
        tagEnde(t->Laenge);
        // Punctuation right after a gap stays glued to it.
        if (pos + 1 < T.size() && QStringLiteral("!,.:;?").contains(T[pos + 1])) {
            ++pos;
            ausgeben(pos, pos + 1, false);
            start = pos + 1;
            umbruch = pos;
        }
        break;
    }
    case MarkupTagArt::Farbe:
    case MarkupTagArt::FarbeAus:
        tagAnfang();
        tagEnde(t->Laenge);
        break;
    case MarkupTagArt::Linie: {
        tagAnfang();
        const int ly = y + lh / 2 - 1;
        l.Linie(x, ly, Breite, ly, Farbe);
        x = Breite;
        tagEnde(t->Laenge);
        break;
    }
    case MarkupTagArt::Tab:
        tagAnfang();
        x = rnd(t->Zahl / 100.0 * Breite);
        tagEnde(t->Laenge);
        break;
    case MarkupTagArt::Feld: {
        tagAnfang();
        const int n = t->Zahl;
        tagEnde(t->Laenge);
        const QString feld = T.mid(pos + 1, n);
        x += n * l.TextBreite(QStringLiteral("0")) - l.TextBreite(feld);
        ausgeben(pos + 1, pos + 1 + int(feld.size()), false);
        // Scanning goes on after the field; a later break must not repeat it.
        pos += int(feld.size());
        start = pos + 1;
        umbruch = pos;
        break;
    }
    }
    return true;
}

void SatzZeichenweise::zeichen()
{
    const int w = l.TextBreite(T.mid(start, pos - start + 1));
    if (x + w > Breite) {
        // A line break. Go back to the last break position, unless the line
        // is still empty and that position lies before the run: then the
        // word is wider than the area and is split after this character.
        if (umbruch >= 0 && !(x == X && umbruch < start))
            pos = umbruch;
        bool nurLeer = true;
        for (int k = pos + 1; k < T.size(); ++k)
            if (T[k] != ' ') {
                nurLeer = false;
                break;
            }
        ausgeben(start, pos + 1, !nurLeer);
        if (nurLeer) {
            // Only the trailing blanks are left: they add no line.
            pos = int(T.size()) - 1;
            start = int(T.size());
            return;
        }
        start = pos + 1;
        umbruch = pos;
    } else if (T[pos] == ' ' && !inLuecke) {
        umbruch = pos;
    }
}

int SatzZeichenweise::Lauf(int Y)
{
    h0 = l.TextHoehe(QStringLiteral("0"));
    lh = rnd(h0 * 1.25);
    if (Variante > 0)
        lh = rnd(lh * 1.1);
    y = Y + rnd(h0 * 1.25 * 0.02 / 0.055);
    x = X;
    for (pos = 0; pos < T.size(); ++pos) {
        if (!tag())
            zeichen();
    }
    pos = int(T.size()) - 1;
    ausgeben(start, int(T.size()), true);
    return y;
}

} // namespace

int MarkupZeichenweise(IMarkupLeinwand &leinwand, int Breite, const QColor &Farbe, int Variante, int Schrifthoehe,
                       int Schriftgrad, const QString &Text, int Y, int X, int Hoehe, MarkupUmgebung &umgebung)
{
    QFont f = leinwand.Schrift();
    f.setFamily(QStringLiteral("Arial"));
    f.setBold(false);
    f.setItalic(false);
    f.setUnderline(false);
    f.setKerning(false);
    if (Schriftgrad != 0)
        f.setPixelSize(qMax(1, PunktZuPixel(Schriftgrad)));
    if (Schrifthoehe < 0)
        f.setPixelSize(-Schrifthoehe);
    else if (Schrifthoehe > 0)
        f.setPixelSize(qMax(1, rnd(Schrifthoehe * 2048.0 / 2355.0))); // cell height -> em height
    leinwand.SchriftSetzen(f);

    const QString text = Text.trimmed() + QLatin1Char(' ');
    SatzZeichenweise satz(leinwand, Breite, Farbe, Variante, text, X, Hoehe, umgebung);
    return satz.Lauf(Y);
}
