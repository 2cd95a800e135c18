// Gaps made from a selection; gap objects kept in step with the text.
#include "LueckenAuswahl.h"

#include "Lueckentext.h"
#include "Nummerierung.h"

LueckenErgebnis LueckeAusAuswahl(const QString &text, int start, int laenge)
{
    LueckenErgebnis e;
    if (start < 0 || laenge < 0 || start > text.size() || laenge > text.size() - start) {
        e.Fehler = QStringLiteral("Die Markierung liegt außerhalb des Textes.");
        return e;
    }
    // Blanks and the punctuation around a word stay outside the gap, as a
    // selection made by keyboard or double click often takes them along.
    const auto aussen = [](QChar c) { return c.isSpace() || QStringLiteral(".,;:!?\"()").contains(c); };
    int a = start, b = start + laenge;
    while (a < b && aussen(text[a]))
        ++a;
    while (b > a && aussen(text[b - 1]))
        --b;
    const QString wort = text.mid(a, b - a);
    if (wort.isEmpty()) {
        e.Fehler = QStringLiteral("Bitte markieren Sie zuerst das Wort, das zur Lücke werden soll.");
        return e;
    }
    if (wort.contains('\n') || wort.contains('\r') || wort.contains(QChar::ParagraphSeparator)) {
        e.Fehler = QStringLiteral("Eine Lücke kann nicht über mehrere Zeilen gehen.");
        return e;
    }
    // Inside a gap when more gaps were opened than closed before the word.
    const QString davor = text.left(a);
    const bool inLuecke = davor.count(QLatin1String("<<")) > davor.count(QLatin1String(">>"));
    if (inLuecke || wort.contains('<') || wort.contains('>')) {
        e.Fehler = QStringLiteral("Die Markierung liegt in einer Lücke oder enthält Steuerzeichen.");
        return e;
    }
    e.Text = text.left(a) + "<<" + wort + ">>" + text.mid(b);
    e.Ende = b + 4;
    return e;
}

void LueckenAbgleichen(Dokument &dok)
{
    const QStringList woerter = LueckenWoerter(dok.Lueckentext);
    qsizetype k = 0;
    for (qsizetype i = 0; i < dok.Objekte.size();) {
        DokObjekt &o = dok.Objekte[i];
        if (o.Typ != ObjektTyp::Luecke) {
            ++i;
        } else if (k < woerter.size()) {
            o.Cap = woerter[k++];
            ++i;
        } else {
            dok.Objekte.removeAt(i);
        }
    }
    for (; k < woerter.size(); ++k)
        dok.Objekte << LueckenObjekt(woerter[k]);
    dok.AnzFrageNummern = AbdeckbareAnzahl(dok);
}
