// Objects of a topic document built in memory for tests.
#pragma once
#include "Dokument.h"

#include <QString>

// An object whose reference point and text box both sit at (kx, ky), in
// fractions of the picture, with its caption centred, on the given layer.
inline DokObjekt Objekt(int typ, double kx, double ky, const QString &cap, int ebene = 1)
{
    DokObjekt o;
    o.Typ = typ;
    o.Kx = o.Sx = kx;
    o.Ky = o.Sy = ky;
    o.Cap = cap;
    o.Ebene = ebene;
    o.KAusr = 1;
    return o;
}
