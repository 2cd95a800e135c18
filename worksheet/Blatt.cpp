// The display list of the worksheet page.
#include "Blatt.h"

void Blatt::Text(int x, int y, const QString &text, int emHoehe, const QColor &farbe, bool fett,
                 Qt::Alignment ausrichtung, bool kursiv, bool unterstrichen)
{
    if (text.isEmpty())
        return;
    BlattElement e;
    e.art = BlattElement::Art::Text;
    e.x = x;
    e.y = y;
    e.text = text;
    e.emHoehe = emHoehe;
    e.farbe = farbe;
    e.fett = fett;
    e.kursiv = kursiv;
    e.unterstrichen = unterstrichen;
    e.ausrichtung = ausrichtung;
    Elemente.append(std::move(e));
}

namespace {
// A line or a frame: two corners and a colour.
BlattElement Strecke(BlattElement::Art art, int x1, int y1, int x2, int y2, const QColor &farbe)
{
    BlattElement e;
    e.art = art;
    e.x = x1;
    e.y = y1;
    e.x2 = x2;
    e.y2 = y2;
    e.farbe = farbe;
    return e;
}
} // namespace

void Blatt::Linie(int x1, int y1, int x2, int y2, const QColor &farbe)
{
    Elemente.append(Strecke(BlattElement::Art::Linie, x1, y1, x2, y2, farbe));
}

void Blatt::Passmarke(int x1, int y1, int x2, int y2, const QColor &farbe)
{
    Elemente.append(Strecke(BlattElement::Art::Passmarke, x1, y1, x2, y2, farbe));
}

void Blatt::Rahmen(int links, int oben, int rechts, int unten, const QColor &farbe)
{
    Elemente.append(Strecke(BlattElement::Art::Rahmen, links, oben, rechts, unten, farbe));
}

void Blatt::Bild(const QRect &ziel, const QImage &bild)
{
    if (bild.isNull() || ziel.isEmpty())
        return;
    BlattElement e;
    e.art = BlattElement::Art::Bild;
    e.x = ziel.left();
    e.y = ziel.top();
    e.x2 = ziel.left() + ziel.width();
    e.y2 = ziel.top() + ziel.height();
    e.bild = bild;
    Elemente.append(std::move(e));
}

QStringList Blatt::Texte() const
{
    QStringList t;
    for (const BlattElement &e : Elemente)
        if (e.art == BlattElement::Art::Text)
            t << e.text;
    return t;
}

QList<BlattElement> Blatt::Alle(BlattElement::Art art) const
{
    QList<BlattElement> l;
    for (const BlattElement &e : Elemente)
        if (e.art == art)
            l << e;
    return l;
}
