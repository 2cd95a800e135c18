// Where the keyword field sits over the picture and how wide it is.
#pragma once
#include <QPoint>
#include <QRect>

// The field's client rectangle in the coordinates of the picture control's
// parent. textBreite is the width of its text, xHoehe the height of "X" in
// its font; bild is the picture control's geometry, versatz the offset of
// the centred display bitmap in it, anzeigeBreite that bitmap's width, and
// punkt the wanted bottom-left corner. The field is min(text + 35, bitmap)
// wide and keeps inside the bitmap's columns and rows.
QRect TexteingabePlatzieren(int textBreite, int xHoehe, const QRect &bild, QPoint versatz, int anzeigeBreite,
                            QPoint punkt);
