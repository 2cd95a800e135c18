// BildFuerZeichnen: an image converted once into the format a paint copies fastest.
#pragma once
#include <QImage>

// The painter blends only 32-bit RGB and premultiplied ARGB without
// converting; any other format (often plain ARGB32) is converted on every
// draw. Returns the image as RGB32 when every pixel is opaque, else as
// premultiplied ARGB32: drawn, both give exactly the pixels of the original.
QImage BildFuerZeichnen(const QImage &bild);
