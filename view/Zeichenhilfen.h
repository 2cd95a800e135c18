// Small raster helpers shared by the scene, the markup layout and the quiz.
#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;

// Small raster helpers shared by the scene, the markup layout and the quiz:
// opaque block copies, bordered rectangles, disc badges and text boxes that
// measure and draw like a classic multi-line text box.

// The program's fonts: "Arial" at an em height in pixels.
QFont ArialPixel(int emPixel, bool fett = false);
// The em height of an object's text in scale units, 2 Fsize + 22. Fsize
// comes from the file: it is bounded first (the font stops at 2000 pixels
// anyway), so the arithmetic cannot overflow.
int SchriftEinheiten(qint32 fsize);
// Em height in pixels of a point size on a 96-dpi surface.
int PunktZuPixel(int punkt);

// A new 96-dpi paint surface.
QImage NeueFlaeche(int breite, int hoehe, QColor grund = Qt::white);
// Copies quelle's rectangle into ziel with its top-left at zielPos, pixel for
// pixel (no blending); parts outside either image are left out.
void BlockKopieren(QImage &ziel, QPoint zielPos, const QImage &quelle, QRect quellRect);

// ziel becomes a copy of quelle, reusing ziel's memory when it has the same
// size and format (fresh allocations of large images cost page faults).
void BildUebernehmen(QImage &ziel, const QImage &quelle);

// A filled rectangle with a one-pixel border inside r (right/bottom exclusive).
void RechteckZeichnen(QPainter &p, const QRect &r, QColor rand, QColor fuellung);
// An unfilled one-pixel frame inside r.
void RahmenZeichnen(QPainter &p, const QRect &r, QColor rand);

// A disc inscribed in r (36-point polygon, antialiased) with its text centred.
void ScheibeZeichnen(QPainter &p, const QRect &r, QColor fuellung, QColor rand, const QString &text, const QFont &font,
                     QColor textFarbe);
// 70 % of a colour plus 30 % black, each channel rounded.
QColor Abgedunkelt(QColor c);

// Writes text with its cell top at y; ausrichtung Qt::AlignLeft/HCenter/Right
// says whether x is its left end, centre or right end.
void TextAus(QPainter &p, int x, int y, const QString &text, Qt::Alignment ausrichtung = Qt::AlignLeft);

// A symbol glyph (check mark, cross) as an antialiased path whose bounding
// box is centred on (cx, cy).
void SymbolZeichnen(QPainter &p, QChar zeichen, int punkt, QColor farbe, int cx, int cy);

// Multi-line text laid out like DrawText: lines at CR LF / LF, with
// umbrechen also at blanks to fit breite; every line is one cell high.
struct TextKasten
{
    QStringList zeilen;
    int breite = 0; // widest line
    int hoehe = 0;  // lines x cell height

    static TextKasten Messen(const QFont &font, const QString &text, bool umbrechen, int breite);
    // Draws the lines into r with the horizontal alignment (0 left, 1 centre, 2 right).
    void Zeichnen(QPainter &p, const QRect &r, int tAusr) const;
};
