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

// What one turn of the mouse wheel asks of the learning view: scroll steps
// (down and right positive) or, with Ctrl, zoom steps (in positive).
struct RadSchritte
{
    int rx = 0, ry = 0;
    int zoom = 0;
    bool operator==(const RadSchritte &) const = default;
};

// A notch of a wheel is 120 eighths of a degree; finer wheels send parts of
// one, which gather in rest (kept by the caller, starting at 0) until a
// notch is full. The wheel scrolls up and down, Shift or a sideways wheel
// scrolls left and right, Ctrl zooms (turning away from the user zooms in).
// At most MaxRadSchritte steps come from one turn, however large.
inline constexpr int MaxRadSchritte = 10;
RadSchritte RadAuswerten(int winkelX, int winkelY, bool strg, bool umschalt, int &rest);
