// The places of a single question's answers and of the question counter in the quiz panel.
#pragma once
#include "Antwortfeld.h"

#include <QFont>
#include <QPoint>
#include <QRect>

#include <cmath>

// Six answer places in cells of panel size plus 20, three to a row, from
// an origin 4 pixels right of and 45 below the picture point (0.1, 0.58);
// the question counter above them at 0.3 of the origin's top less 30.
// Shared by the quiz's layout and the check of question cards, so both
// always agree.
struct AntwortRaster
{
    static constexpr int ZelleBreite = Antwortfeld::Breite + 20;
    static constexpr int ZelleHoehe = Antwortfeld::Hoehe + 20;
    static constexpr int Plaetze = 6;
    static constexpr int ZaehlerHoehe = 33; // UebFrageZaehlerPan

    // The counter's font: Arial 14 pt bold.
    static QFont ZaehlerSchrift()
    {
        QFont f(QStringLiteral("Arial"));
        f.setBold(true);
        f.setPointSize(14);
        return f;
    }

    // bildpunkt: the picture point (0.1, 0.58) in panel pixels.
    static QPoint Ursprung(QPoint bildpunkt) { return bildpunkt + QPoint(4, 45); }
    // Top-left of place s (1 to 6).
    static QPoint Platz(QPoint ursprung, int s)
    {
        return QPoint(ursprung.x() + ((s - 1) % 3) * ZelleBreite, ursprung.y() + ((s - 1) / 3) * ZelleHoehe);
    }
    static QRect PlatzRechteck(QPoint ursprung, int s)
    {
        return QRect(Platz(ursprung, s), QSize(Antwortfeld::Breite, Antwortfeld::Hoehe));
    }
    static QPoint ZaehlerPos(QPoint ursprung)
    {
        return QPoint(ursprung.x(), int(std::lround(0.3 * ursprung.y())) - 30);
    }
};
