// The open targets of a running quiz: their order, the one under a point, the arrow keys' walk, the number keys.
#pragma once
#include "UebLauf.h"

#include "Dokument.h"

#include <QList>
#include <QPoint>
#include <QPointF>

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

// The panel a number key means: slot platz (0 for key 1) among the visible
// answer panels given as (index, top-left corner), the slots running
// through the rows top to bottom and each row left to right. The panel's
// index, or -1 when there are fewer panels.
int FeldAufPlatz(QList<std::pair<int, QPoint>> felder, int platz);
