// Where a question's flag and its frame lie in the picture, and how big the flag is drawn.
#include "Flaggenfeld.h"

#include "Runden.h"

#include <QtGlobal>

QRect Flaggenfeld(QPoint ecke, double s)
{
    // Sizes come from a document's picture: keep them sane.
    s = qBound(0.01, s, 100.0);
    return QRect(ecke.x() + rnd(6 * s), ecke.y(), qMax(1, rnd(280 * s)), qMax(1, rnd(175 * s)));
}

QRect Flaggenrahmen(const QRect &feld)
{
    return feld.adjusted(-2, -2, 2, 2);
}

QRect FlaggeImFeld(QSize bild, double s, const QRect &feld)
{
    if (bild.isEmpty() || feld.isEmpty())
        return {};
    s = qBound(0.01, s, 100.0);
    QSize ziel(qMax(1, rnd(bild.width() * s)), qMax(1, rnd(bild.height() * s)));
    if (ziel.width() > feld.width() || ziel.height() > feld.height())
        ziel = ziel.scaled(feld.size(), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    return QRect(feld.left() + (feld.width() - ziel.width()) / 2, feld.top() + (feld.height() - ziel.height()) / 2,
                 ziel.width(), ziel.height());
}

QColor FlaggenUmrissFarbe()
{
    return QColor(150, 150, 150);
}
