// Moving the visible part of the learning picture, clamped to the picture.
#include "Navigation.h"

#include <QtGlobal>

Rechteck AusschnittVerschieben(Rechteck a, double dy, double dx)
{
    a.Left += dx;
    a.Right += dx;
    a.Top += dy;
    a.Bottom += dy;
    // The order matters for a rectangle larger than the picture: the last
    // correction wins, which puts it at the left and top edge.
    if (a.Right > 1) {
        a.Left -= a.Right - 1;
        a.Right = 1;
    }
    if (a.Bottom > 1) {
        a.Top -= a.Bottom - 1;
        a.Bottom = 1;
    }
    if (a.Left < 0) {
        a.Right -= a.Left;
        a.Left = 0;
    }
    if (a.Top < 0) {
        a.Bottom -= a.Top;
        a.Top = 0;
    }
    for (double *k : {&a.Left, &a.Top, &a.Right, &a.Bottom})
        *k = qBound(0.0, *k, 1.0);
    return a;
}

QPointF ScrollSchritt(const Rechteck &a, int rx, int ry)
{
    return QPointF(0.1 * qBound(-1, rx, 1) * (a.Right - a.Left), 0.1 * qBound(-1, ry, 1) * (a.Bottom - a.Top));
}

RadSchritte RadAuswerten(int winkelX, int winkelY, bool strg, bool umschalt, int &rest)
{
    // Some systems turn Shift+wheel into a sideways turn themselves; either
    // way the turn that is there counts.
    const bool quer = !strg && (umschalt || winkelY == 0);
    const int winkel = winkelY != 0 ? winkelY : winkelX;
    const qint64 grenze = qint64(120) * MaxRadSchritte;
    rest = int(qBound(-grenze, qint64(rest) + winkel, grenze));
    const int kerben = rest / 120;
    rest -= kerben * 120;
    RadSchritte r;
    if (strg)
        r.zoom = kerben;
    else if (quer)
        r.rx = -kerben;
    else
        r.ry = -kerben;
    return r;
}
