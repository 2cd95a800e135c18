// Frame tiles, shared window colours, background fillers and the program cursors.
#pragma once
#include <QColor>
#include <QCursor>
#include <QIcon>
#include <QImage>

class QLabel;
class QWidget;

// The hidden frame tiles of the main window, our own artwork.
const QImage &BackTeileImg3();    // main and worksheet backgrounds
const QImage &BackTeileImg3Tit(); // title bar
const QImage &BackTeileImg4();    // worksheet resize and about box

// Starts decoding the main window's tiles (BackTeileImg3, BackTeileImg3Tit)
// on a worker thread, so that it overlaps the building of the window; their
// first use takes the result, a missing or damaged tile being empty as
// ever. Call it on the main thread; a second call does nothing.
void RahmenVorladen();

// The shared colours, taken from the tiles.
QColor FensterFarbe(); // pixel (0, 0) of BackTeileImg3
QColor KartenFarbe();  // pixel (30, 30) of BackTeileImg3
QColor TafelFarbe();   // pixel (30, 30) of BackTeileImg4
// Gives a window the shared window colour as its background.
void FensterFarbeSetzen(QWidget *fenster);

// The three background fillers: the image fills its parent, its bitmap
// gets the label's size and is painted from the tile with border 30.
void FuelleHintergrund3(QLabel *bild);
void FuelleHintergrund3Tit(QLabel *bild);
void FuelleHintergrund4(QLabel *bild);
// Same, for a label that keeps its own geometry.
void MaleRahmen(QLabel *bild, const QImage &tile);

// Every bitmap button of the window gets the colour 14864589 and the arrow
// cursor; the dialogs call it whenever they are activated.
void FaerbeKnoepfe(QWidget *fenster);

// A dialog's framed background: the label MainBackImg, made at once and
// painted by HintergrundZeigen each time the dialog is shown: over the whole
// dialog, behind every other child, from the filler's tile, and again
// whenever the dialog is resized; the buttons coloured as FaerbeKnoepfe does.
QLabel *HintergrundBildAnlegen(QWidget *dialog);
void HintergrundZeigen(QWidget *dialog, QLabel *bild, void (*fuellen)(QLabel *));

// Fills a panel with one solid colour (TafelFarbe, KartenFarbe).
void FlaecheFaerben(QWidget *flaeche, const QColor &farbe);

// The program icon (windows and the start page's logo).
QIcon ProgrammSymbol();

// The program's cursors by number: -12 drag, -13 no-drop, 1 red pen,
// 2 marker, 3 eraser, 4 moving handle, 5 green tick, 6 red cross,
// 7 keyword insertion, 8 hand. Unknown numbers give the arrow.
QCursor ProgrammCursor(int nummer);
// The picture of a cursor of our own as ProgrammCursor shows it (alpha
// premultiplied and back, as a pixmap holds it); null for the built-in
// ones and unknown numbers. Cheaper than asking a made cursor for it.
QImage ProgrammCursorBild(int nummer);
