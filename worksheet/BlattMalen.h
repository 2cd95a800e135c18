// Draws the worksheet page through QPainter: preview, printing, PDF, SVG.
#pragma once
#include "Blatt.h"

#include <QImage>
#include <QRectF>

class QPainter;

// Paints the page (white sheet and every element) into ziel, given in the
// painter's coordinates; the page's 1001 x 1625 units are stretched to it.
void BlattMalen(QPainter &p, const Blatt &blatt, const QRectF &ziel);

// The page as an opaque bitmap, by default of the page's own size.
QImage BlattBild(const Blatt &blatt, QSize groesse = QSize(Blatt::Breite, Blatt::Hoehe));
