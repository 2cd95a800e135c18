// Writes the worksheet page as an enhanced metafile (EMF).
#pragma once
#include "Blatt.h"

#include <QByteArray>

// One page unit is 0.17 mm on paper in both metafile formats, so the page
// prints 17.0 x 27.6 cm as the printing dialog's default width suggests.
constexpr int MetaHundertstelMmProEinheit = 17;

// The whole file. Fonts are named "Arial" so the reader substitutes its
// own metric-compatible font; pictures are DIB records.
QByteArray EmfSchreiben(const Blatt &blatt);
