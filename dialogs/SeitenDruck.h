// Printing a text document page by page with a page number at the foot of each page.
#pragma once
#include <QString>

class QPagedPaintDevice;
class QTextDocument;

// "Seite 2 von 5".
QString SeitenFuss(int seite, int seiten);

// Lays a copy of dok out on the pages of geraet (a printer or a PDF
// writer), leaving room at the foot for the page number. Returns the
// number of pages printed (0 if the device could not be painted on).
int MitSeitenzahlDrucken(const QTextDocument &dok, QPagedPaintDevice &geraet);
