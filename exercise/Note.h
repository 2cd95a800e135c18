// School grades: thresholds, rating words, band colours and the grade of a result.
#pragma once
#include <QColor>
#include <QString>

// School grades from the overall performance (a fraction): grade i covers
// the band from threshold i-1 down to threshold i.
namespace Noten {
inline constexpr double Schwellen[7] = {1.0, 0.85, 0.70, 0.55, 0.40, 0.25, 0.0};
QString BewertungsWort(int note); // "sehr gut" .. "ungenügend"; empty outside 1..6
QColor BandFarbe(int note);
} // namespace Noten

// The first grade whose threshold g reaches; 6 below every threshold.
int NoteBerechnen(double g);
