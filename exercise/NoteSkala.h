// The rating scale of the results window, drawn onto a painter or an image.
#pragma once
#include <QRect>

class QPainter;
class QImage;
class QColor;
class QSize;

// Draws the rating scale for the overall performance g into the rectangle:
// one coloured band per grade with its number, ticks with the thresholds in
// percent at the left, and a mark with g in percent at the right.
void SkalaZeichnen(QPainter &p, const QRect &rechteck, double g);

// The scale as the results window shows it: an image of the given size with
// 96 dpi, filled with the panel colour, the scale over the whole image.
// With a device pixel ratio above 1 (a scaled screen) the image has that
// many more pixels and is drawn at that resolution, so it stays sharp.
QImage SkalaBild(const QSize &groesse, const QColor &hintergrund, double g, double pixelVerhaeltnis = 1.0);
