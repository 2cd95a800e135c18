// Writes the worksheet page as a Windows metafile with a placeable header.
#pragma once
#include "Blatt.h"

#include <QByteArray>

// Logical units per inch in the placeable header (one unit = 0.17 mm).
constexpr int WmfEinheitenProZoll = 149;

// The whole file; texts in Windows-1252 ("?" for what it cannot hold),
// fonts named "Arial", pictures as DIB records.
QByteArray WmfSchreiben(const Blatt &blatt);
