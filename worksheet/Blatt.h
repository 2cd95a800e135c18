// The worksheet page as a display list of vector primitives in page units.
#pragma once
#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

// One drawing step. Coordinates are page units (1000 wide, y down).
struct BlattElement
{
    // Passmarke: a registration mark's stroke, drawn as a line.
    enum class Art { Text, Linie, Rahmen, Bild, Passmarke };
    Art art = Art::Text;
    // Text: x is the left end, centre or right end by `ausrichtung`, y the
    // cell top. Linie: (x, y) to (x2, y2). Rahmen: an unfilled frame whose
    // outline runs along left/top and right-1/bottom-1 of (x, y)-(x2, y2).
    // Bild: the picture stretched into (x, y)-(x2, y2).
    int x = 0, y = 0, x2 = 0, y2 = 0;
    QColor farbe = Qt::black;
    // Text only.
    QString text;
    int emHoehe = 18; // em height in page units
    bool fett = false, kursiv = false, unterstrichen = false;
    Qt::Alignment ausrichtung = Qt::AlignLeft;
    // Bild only.
    QImage bild;
};

// The whole page: 1001 x 1625 units, a white sheet under the elements
// unless it is transparent.
class Blatt
{
public:
    static constexpr int Breite = 1001;
    static constexpr int Hoehe = 1625;

    QList<BlattElement> Elemente;
    // Single questions: the number of the first question left off because
    // the sheet was full, 0 when the sheet reaches the last question.
    int NaechsteFrage = 0;
    // The background is transparent where nothing is drawn (the overlay).
    bool Durchsichtig = false;

    void Text(int x, int y, const QString &text, int emHoehe, const QColor &farbe, bool fett = false,
              Qt::Alignment ausrichtung = Qt::AlignLeft, bool kursiv = false, bool unterstrichen = false);
    void Linie(int x1, int y1, int x2, int y2, const QColor &farbe = Qt::black);
    void Passmarke(int x1, int y1, int x2, int y2, const QColor &farbe);
    void Rahmen(int links, int oben, int rechts, int unten, const QColor &farbe = Qt::black);
    void Bild(const QRect &ziel, const QImage &bild);

    // Every text in drawing order (what a reader of the page finds).
    QStringList Texte() const;
    // The elements of one kind.
    QList<BlattElement> Alle(BlattElement::Art art) const;
};
