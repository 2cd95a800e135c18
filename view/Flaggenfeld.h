// Where a question's flag and its frame lie in the picture, and how big the flag is drawn.
#pragma once
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>

// The room reserved for a question image: 280 x 175 pixels of a picture
// 870 pixels wide, scaled with the scene's unit s like the ten empty lines
// of the question text that leave room for it. ecke is the picture point
// (0.1, 0.25) in pixels; the room starts 6 units to its right.
QRect Flaggenfeld(QPoint ecke, double s);

// The black frame around the room: two pixels of ground on every side.
QRect Flaggenrahmen(const QRect &feld);

// Where an image of size bild is drawn: its own size times s, shrunk to fit
// the room if larger (keeping its proportion), centred in the room.
QRect FlaggeImFeld(QSize bild, double s, const QRect &feld);

// The thin outline drawn on the flag's edge pixels, so white edges (Japan,
// the Vatican) stand out from the card.
QColor FlaggenUmrissFarbe();
