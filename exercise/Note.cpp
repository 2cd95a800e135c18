// Grades from the overall performance, their rating words and band colours.
#include "Note.h"

int NoteBerechnen(double g)
{
    for (int note = 1; note <= 6; ++note)
        if (g >= Noten::Schwellen[note])
            return note;
    return 6; // below 0 or not a number: the lowest grade
}

namespace Noten {

QString BewertungsWort(int note)
{
    switch (note) {
    case 1:
        return QStringLiteral("sehr gut");
    case 2:
        return QStringLiteral("gut");
    case 3:
        return QStringLiteral("befriedigend");
    case 4:
        return QStringLiteral("ausreichend");
    case 5:
        return QStringLiteral("mangelhaft");
    case 6:
        return QStringLiteral("ungenügend");
    default:
        return {};
    }
}

QColor BandFarbe(int note)
{
    switch (note) {
    case 1:
        return QColor(0, 255, 0);
    case 2:
        return QColor(191, 255, 0);
    case 3:
        return QColor(255, 255, 0);
    case 4:
        return QColor(255, 224, 0);
    case 5:
        return QColor(255, 160, 0);
    default:
        return QColor(255, 0, 0);
    }
}

} // namespace Noten
