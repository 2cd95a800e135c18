// Placing the keyword field over the picture.
#include "Texteingabe.h"

#include <QtGlobal>

QRect TexteingabePlatzieren(int textBreite, int xHoehe, const QRect &bild, QPoint versatz, int anzeigeBreite,
                            QPoint punkt)
{
    const int breite = qMax(1, qMin(textBreite + 35, anzeigeBreite));
    const int hoehe = qMax(1, xHoehe);
    // The lower bound wins when the field is wider than the room: the
    // field's start stays on the picture.
    const int rechts = bild.left() + bild.width(), unten = bild.top() + bild.height();
    const int links = qMax(bild.left() + versatz.x(), qMin(punkt.x(), rechts - versatz.x() - breite));
    const int boden = qMax(bild.top() + hoehe + versatz.y(), qMin(punkt.y(), unten - versatz.y()));
    return QRect(links, boden - hoehe, breite, hoehe);
}
