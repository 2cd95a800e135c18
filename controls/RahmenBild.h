// Painting a target image from a small frame tile, border kept, rest stretched.
#pragma once
#include <QImage>

// Paints a whole target from a small frame tile as a nine-slice stretch:
// the tile's border of b pixels keeps its size, edges and centre stretch.
// The target keeps its size; an empty target or tile leaves it alone.
void ZeichneRahmenBild(QImage &target, const QImage &tile, int border);
