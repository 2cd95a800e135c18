// One object on its way onto a target: what the drawing steps of Szene::ObjektZeichnen share.
#pragma once
#include "ObjektMass.h"

#include "Dokument.h"

#include <QColor>
#include <QImage>
#include <QRect>

struct ObjektZeichnung
{
    ObjektZeichnung(DokObjekt &o, int Index, QImage &Ziel, int Variante, double s, bool aktuell, bool einzel,
                    bool modus3);

    DokObjekt &o;
    const int Index;
    QImage &Ziel;
    const int Variante; // 0 screen, 1 worksheet boxes, 2 solution overlay, 3 solution sheet
    const double s;     // scale unit
    const int W, H;     // target size
    const QColor C;     // colour of text and connecting line
    const bool aktuell; // the object belongs to the question shown
    const bool einzel;  // a single-question document
    const bool modus3;  // a quiz is running
    const int lx, ly;   // the reference point in target pixels

    // Decided once the object is placed.
    int seite = 1;
    ObjektMass m;
    int links = 0, oben = 0, rechts = 0, unten = 0; // the box

    QRect Kasten() const { return QRect(links, oben, rechts - links, unten - oben); }
    QRect TextRahmen() const { return QRect(links + m.dx, oben + 2, m.bw, m.bh); }
    // Labels, gaps and answers: the kinds a worksheet asks for.
    bool Abdeckbar() const
    {
        return o.Typ == ObjektTyp::Beschriftung || o.Typ == ObjektTyp::Luecke || o.Typ == ObjektTyp::Antwort;
    }
};

class QPainter;
class Szene;

// The steps that need nothing of the scene but the object (SzeneZeichnenText.cpp):
// the worksheet's answer box around a label, gap or answer (variants 1 and 3),
void AntwortkastenZeichnen(QPainter &p, const ObjektZeichnung &z);
// its solution text in red (variants 2 and 3),
void LoesungstextZeichnen(QPainter &p, const ObjektZeichnung &z);
// and the text the object shows: always for plain text, on the screen for
// uncovered labels and gaps and for the parts of the question shown.
void SichtbarenTextZeichnen(QPainter &p, const ObjektZeichnung &z);

// Badges, covers and quiz marks, on the screen only (SzeneZeichnenMarken.cpp).
void MarkenZeichnen(QPainter &p, const ObjektZeichnung &z, const Szene &szene);
