// Draws the worksheet page through QPainter: preview, printing, PDF, SVG.
#pragma once
#include "Blatt.h"

#include <QImage>
#include <QRectF>

class QPainter;

// Paints the page (white sheet and every element) into ziel, given in the
// painter's coordinates; the page's 1001 x 1625 units are stretched to it.
// Durchsichtig leaves out the white sheet and lets the white of pictures
// through, for overlays. Pictures are never compressed with loss.
void BlattMalen(QPainter &p, const Blatt &blatt, const QRectF &ziel, bool durchsichtig = false);

// The page as a bitmap, by default of the page's own size: opaque, or
// transparent where nothing is drawn.
QImage BlattBild(const Blatt &blatt, QSize groesse = QSize(Blatt::Breite, Blatt::Hoehe), bool durchsichtig = false);

// A picture on white turned into colour and coverage: white becomes
// transparent, a colour blended with white becomes that colour, partly
// covering. Drawn over white it gives the picture back.
QImage WeissDurchsichtig(const QImage &bild);
