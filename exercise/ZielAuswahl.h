// The open targets of a running quiz: their order, the one under a point, the arrow keys' walk, the number keys.
#pragma once
#include "UebLauf.h"

#include "Dokument.h"

#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>

#include <utility>

// What a picked-up answer may be dropped on without dragging: labels and
// gaps with a number whose cover still asks; in the query mode of single
// positions only the target of the current question. Reads the document
// and the run as they are when asked.
class ZielAuswahl
{
public:
    ZielAuswahl(const QList<DokObjekt> &objekte, const UebOptionen &opt, const UebLauf &lauf);

    // Whether object objekt takes an answer now (false for any index out of range).
    bool IstOffen(int objekt) const;
    // The open targets in the order of their numbers, as the user reads
    // them; equal numbers keep the document's order.
    QList<int> OffeneZiele() const;
    // The first open target in that order whose box holds the point
    // (picture fractions; left and top edges inside, right and bottom
    // outside); -1 when there is none.
    int ZielBei(QPointF bruch) const;
    // Where an arrow key moves from aktuell: richtung > 0 to the next,
    // otherwise to the previous open target, wrapping around; from a target
    // that is not open (or none) to the first or the last. -1 when no
    // target is open.
    int NaechstesZiel(int aktuell, int richtung) const;

private:
    const QList<DokObjekt> &objekte;
    const UebOptionen &opt;
    const UebLauf &lauf;
};

// The targets of a picture or cloze run as a screen reader lists them:
// labels and gaps with a number, in the order of their numbers.
QList<int> QuizZiele(const QList<DokObjekt> &objekte);
// A target's name by its number and state: "Ziel 4, frei", "Ziel 4: Liek".
QString ZielName(const DokObjekt &ziel);

// The area a tap on a target counts in: its box, grown about its centre to
// at least mindestens x mindestens pixels (small number circles are hard to
// hit with a finger).
QRect TippZone(const QRect &kasten, int mindestens = 34);

// The panel a number key means: slot platz (0 for key 1) among the visible
// answer panels given as (index, top-left corner), the slots running
// through the rows top to bottom and each row left to right. The panel's
// index, or -1 when there are fewer panels.
int FeldAufPlatz(QList<std::pair<int, QPoint>> felder, int platz);

// The panels' indexes in that reading order (the keyboard's tab order).
QList<int> Zeilenfolge(QList<std::pair<int, QPoint>> felder);

// The panel an arrow key moves to from panel von: left and right step
// through the reading order, up and down go to the row above or below
// (panels whose top differs by more than toleranz) to the panel nearest in
// x. -1 when there is none in that direction.
enum class Pfeil { Links, Rechts, Hoch, Runter };
int NachbarFeld(const QList<std::pair<int, QPoint>> &felder, int von, Pfeil pfeil, int toleranz = 8);
