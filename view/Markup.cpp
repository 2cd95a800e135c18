// The markup layout: what each tag does, word wrap and drawing of paragraphs (the tags themselves: MarkupTags).
#include "Markup.h"

#include "MarkupTags.h"
#include "Runden.h"
#include "Zeichenhilfen.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>

PainterLeinwand::PainterLeinwand(QPainter &p) : p(p) {}

void PainterLeinwand::SchriftSetzen(const QFont &font)
{
    p.setFont(font);
}

QFont PainterLeinwand::Schrift() const
{
    return p.font();
}

int PainterLeinwand::TextBreite(const QString &text)
{
    return QFontMetrics(p.font()).horizontalAdvance(text);
}

int PainterLeinwand::TextHoehe(const QString &)
{
    return QFontMetrics(p.font()).height();
}

void PainterLeinwand::TextAus(int x, int y, const QString &text, const QColor &farbe)
{
    p.setPen(farbe);
    p.drawText(x, y + QFontMetrics(p.font()).ascent(), text);
}

void PainterLeinwand::Linie(int x1, int y1, int x2, int y2, const QColor &farbe)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(farbe, 0));
    p.drawLine(x1, y1, x2, y2);
    p.restore();
}

QStringList TextZeilen(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace('\r', '\n');
    return t.split('\n');
}

namespace {

// One layout pass over one paragraph; the fields are the layout state.
class Satz
{
public:
    Satz(IMarkupLeinwand &l, int breite, const QColor &farbe, int variante, const QString &text, int X, int hoehe,
         MarkupUmgebung &u)
        : l(l), Breite(breite), Farbe(farbe), Variante(variante), T(text), X(X), Hoehe(hoehe), u(u)
    {
        letzteNichtLeer = int(T.size()) - 1;
        while (letzteNichtLeer >= 0 && T[letzteNichtLeer] == ' ')
            --letzteNichtLeer;
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
    int letzteNichtLeer = -1; // last character of T that is not a blank

    // The tag scan is remembered: no tag starts in [tagVon, tagBei) under
    // tagMarke, and tagBei is a tag or the end of the text.
    LueckenMarke tagMarke = LueckenMarke::Keine;
    int tagVon = -1, tagBei = -1;

    // Advances of single characters in eighths of a pixel for each of the
    // eight styles (bit 0 bold, 1 italic, 2 underlined), only to guess where
    // a run will overflow.
    int stilBits = 0;
    QHash<char16_t, int> achtel[8];

    // The last width measured, of T[gemessenVon, gemessenBis): the output of
    // a line is mostly the run its last probe measured.
    int gemessenVon = -1, gemessenBis = -1, gemesseneBreite = 0;
    int breite(int von, int bis)
    {
        if (von != gemessenVon || bis != gemessenBis) {
            gemesseneBreite = l.TextBreite(T.mid(von, bis - von));
            gemessenVon = von;
            gemessenBis = bis;
        }
        return gemesseneBreite;
    }

    LueckenMarke marke() const
    {
        return Variante <= 0 ? LueckenMarke::Keine : inLuecke ? LueckenMarke::Zu : LueckenMarke::Auf;
    }

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
            x += breite(von, bis);
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
        stilBits = an ? stilBits | (1 << bit) : stilBits & ~(1 << bit);
        gemessenVon = -1;
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
    // angehaengt: the width of punctuation glued to the gap's end.
    void luecke(const QString &lueckenText, int angehaengt);
    bool tag();
    int naechsterTag(int von);
    bool ueberlaeuft(int bis);
    int geschaetzterUeberlauf(int von, int bis);
    int ersterUeberlauf(int von, int bis);
    void zeichen();
};

void Satz::luecke(const QString &lueckenText, int angehaengt)
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
        // On a worksheet the gap is wider than its text; with the punctuation
        // glued to it, it would reach past the right edge (and the frame)
        // where the text alone still fitted. It starts the next line instead.
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

bool Satz::tag()
{
    const std::optional<MarkupTag> t = MarkupTagBei(T, pos, marke());
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

int Satz::naechsterTag(int von)
{
    const LueckenMarke m = marke();
    if (m == tagMarke && von >= tagVon && von <= tagBei)
        return tagBei;
    int k = von;
    while (k < T.size() && !MarkupTagBei(T, k, m))
        ++k;
    tagMarke = m;
    tagVon = von;
    tagBei = k;
    return k;
}

// Whether the pending run up to and including T[bis] reaches past the right edge.
bool Satz::ueberlaeuft(int bis)
{
    return x + breite(start, bis + 1) > Breite;
}

// Where the run probably overflows first in [von, bis) (bis - 1 when it
// probably fits), from the advances of its characters.
int Satz::geschaetzterUeberlauf(int von, int bis)
{
    const qint64 frei = (qint64(Breite) - x) * 8;
    QHash<char16_t, int> &a = achtel[stilBits];
    qint64 summe = 0;
    for (int k = start; k < bis; ++k) {
        auto it = a.constFind(T[k].unicode());
        if (it == a.cend())
            it = a.insert(T[k].unicode(), l.TextBreite(QString(8, T[k])));
        summe += *it;
        if (k >= von && summe > frei)
            return k;
    }
    return bis - 1;
}

// The first position in [von, bis) at which the run overflows; bis if none.
// Measuring every position would be quadratic in the line length, so this
// starts at a guess (for a short stretch: its end), gallops away from it
// and bisects what is left. It
// relies on a run never getting narrower as it grows (true for fonts without
// shaping that shrinks glyphs, and for every canvas summing advances); then
// the answer is exactly the first overflow, however good the guess. Should a
// canvas break that rule, the answer is still a position where the run
// overflows right after one where it did not: a sensible break, found in
// bounded steps.
int Satz::ersterUeberlauf(int von, int bis)
{
    int passt = von - 1; // the run fits up to here
    int zuBreit = bis;   // the run overflows here (bis: not seen yet)
    if (bis - von <= 16) {
        // A few characters between tags, or a short paragraph, mostly fit:
        // one measurement, no guess.
        if (!ueberlaeuft(bis - 1))
            return bis;
        zuBreit = bis - 1;
    } else if (const int schaetzung = qBound(von, geschaetzterUeberlauf(von, bis), bis - 1); ueberlaeuft(schaetzung)) {
        zuBreit = schaetzung;
        for (int schritt = 1; zuBreit - schritt > passt; schritt = qMin(schritt * 2, bis)) {
            if (!ueberlaeuft(zuBreit - schritt)) {
                passt = zuBreit - schritt;
                break;
            }
            zuBreit -= schritt;
        }
    } else {
        passt = schaetzung;
        for (int schritt = 1; passt < bis - 1; schritt = qMin(schritt * 2, bis)) {
            const int p = passt + qMin(schritt, bis - 1 - passt);
            if (ueberlaeuft(p)) {
                zuBreit = p;
                break;
            }
            passt = p;
        }
    }
    while (zuBreit - passt > 1) {
        const int mitte = passt + (zuBreit - passt) / 2;
        if (ueberlaeuft(mitte))
            zuBreit = mitte;
        else
            passt = mitte;
    }
    return zuBreit;
}

// Plain characters from pos up to the next tag: they join the pending run
// until it no longer fits, where the line breaks.
void Satz::zeichen()
{
    const int ende = qMax(pos + 1, naechsterTag(pos));
    const int ueber = ersterUeberlauf(pos, ende);
    // The last blank that still fitted is where a line may end.
    if (!inLuecke) {
        for (int k = ueber - 1; k >= pos; --k)
            if (T[k] == ' ') {
                umbruch = k;
                break;
            }
    }
    if (ueber >= ende) {
        pos = ende - 1;
        return;
    }
    pos = ueber;
    // A line break. Go back to the last break position, unless the line is
    // still empty and that position lies before the run: then the word is
    // wider than the area and is split after this character.
    if (umbruch >= 0 && !(x == X && umbruch < start))
        pos = umbruch;
    const bool nurLeer = letzteNichtLeer <= pos;
    ausgeben(start, pos + 1, !nurLeer);
    if (nurLeer) {
        // Only the trailing blanks are left: they add no line.
        pos = int(T.size()) - 1;
        start = int(T.size());
        return;
    }
    start = pos + 1;
    umbruch = pos;
}

int Satz::Lauf(int Y)
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

int MarkupSchreiben(IMarkupLeinwand &leinwand, const MarkupAbsatz &absatz, MarkupUmgebung &umgebung)
{
    const int Schriftgrad = absatz.Schriftgrad;
    const int Schrifthoehe = absatz.Schrifthoehe;
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

    const QString text = absatz.Text.trimmed() + QLatin1Char(' ');
    Satz satz(leinwand, absatz.Breite, absatz.Farbe, absatz.Variante, text, absatz.X, absatz.Hoehe, umgebung);
    return satz.Lauf(absatz.Y);
}

void InfotextZeichnen(QImage &Ziel, const QStringList &Zeilen, int Breite, int Schriftgrad, const QColor &Hintergrund)
{
    const int breite = qMax(1, Breite);
    QImage kratz = NeueFlaeche(breite, 3000, Hintergrund);
    int y = 0;
    {
        QPainter p(&kratz);
        p.setFont(ArialPixel(PunktZuPixel(Schriftgrad)));
        PainterLeinwand l(p);
        MarkupUmgebung u;
        for (const QString &z : Zeilen)
            y = MarkupSchreiben(l, {.Text = z, .Y = y, .Breite = breite, .Hoehe = 3000, .Schriftgrad = Schriftgrad}, u);
    }
    Ziel = kratz.copy(0, 0, breite, qBound(1, y, 3000));
}
