// Moving the visible part of the learning picture: the clamping of the view
// rectangle and the size of one scroll step.
#pragma once
#include "Dokument.h"

#include <QPointF>

// The zoom steps the controls offer (the table also has 1 and 3).
enum class ZoomStufe { Prozent100 = 0, Prozent150 = 2, Prozent200 = 4 };

// Moves all four edges by (dx, dy), then pushes the rectangle back inside
// (0, 0, 1, 1): right edge first, then bottom, left, top; finally every edge
// is clamped to 0..1, so a rectangle wider than the picture ends at (0, 1).
Rechteck AusschnittVerschieben(Rechteck a, double dy, double dx);

// One scroll step in direction (rx, ry), each -1, 0 or +1: a tenth of the
// visible part's width or height.
QPointF ScrollSchritt(const Rechteck &a, int rx, int ry);
