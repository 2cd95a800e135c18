// What the scene measures and places for one object before it draws it.
#pragma once
#include "Zeichenhilfen.h"

#include <QFont>
#include <QRect>
#include <QString>

struct ObjektMass
{
    int seite = 1; // side of the box used (KAusrAkt, or the one it would get)
    bool textGemessen = false;
    QString text;     // as drawn: placeholders expanded, image tag cut out
    QString bildName; // question image (question boxes only)
    QFont font;
    TextKasten kasten;
    int bw = 0, bh = 0;   // box size
    int bw0 = 0, bh0 = 0; // size the text alone would need
    int tw = 0, dx = 0;   // text width, its offset inside the box
    QRect box;            // the placed box, scene pixels
    QRect flaggenfeld;    // room of the question image (question boxes with one)

    // The lines of text that carry characters, in scene pixels: the box
    // without the empty lines that leave room for a flag. Empty when the
    // box shows no text.
    QRect Textflaeche() const;
};

// A box of bw x bh on side seite (1 right, 2 above, 3 left, 4 below) of the
// reference point (lx, ly).
QRect KastenPlatzieren(int seite, int lx, int ly, int bw, int bh, double s);
