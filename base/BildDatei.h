// Picture files: PNG read and written, JPEG written.
#pragma once
#include <QImage>
#include <QString>

class QIODevice;

// PNG through libpng, JPEG through libjpeg. QImage is the in-memory bitmap:
// opaque pictures come back as Format_RGB32, others as
// Format_ARGB32_Premultiplied.

// Reads one PNG stream from the device's current position and stops right
// after IEND, so a PNG embedded in another file can be read in place.
// maxBytes bounds what the stream may still occupy; an image whose pixels
// could not possibly be packed into that many bytes is refused before any
// pixel memory is taken.
bool PngLesen(QIODevice &dev, QImage &bild, qint64 maxBytes = -1);
bool PngLesenDatei(const QString &pfad, QImage &bild);

// Writes the image as a complete PNG stream at the given zlib level.
bool PngSchreiben(QIODevice &dev, const QImage &bild, int zlibLevel = 5);
// Writes a whole file; false if anything could not be written.
bool PngSchreibenDatei(const QString &pfad, const QImage &bild, int zlibLevel = 5);
bool JpegSchreibenDatei(const QString &pfad, const QImage &bild, int qualitaet = 99);
