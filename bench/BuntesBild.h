// The base picture of the drawing benchmarks: 1600 x 1000 pixels of coloured squares.
#pragma once
#include <QColor>
#include <QImage>
#include <QPainter>

// Squares of 50 pixels, each its own colour, so that scaling and copying
// cannot take a shortcut over uniform areas.
inline QImage BuntesBild()
{
    QImage bild(1600, 1000, QImage::Format_RGB32);
    QPainter p(&bild);
    for (int y = 0; y < 1000; y += 50)
        for (int x = 0; x < 1600; x += 50)
            p.fillRect(x, y, 50, 50, QColor((x * 7) % 256, (y * 3) % 256, (x + y) % 256));
    return bild;
}
