// Where the worksheet page goes on the printed sheet: four values in
// centimetres, shown with a decimal comma, width and height optionally
// held in the page's proportion.
#pragma once
#include <QRectF>
#include <QSizeF>
#include <QString>

struct DruckLage
{
    double Links = 2.2, Oben = 1.4, Breite = 16.6, Hoehe = 17.0;

    // The rectangle in device pixels of a sheet printed at dpiX x dpiY,
    // measured from the sheet's top-left corner.
    QRectF Rechteck(double dpiX, double dpiY) const;
    // The same in centimetres.
    QRectF RechteckCm() const { return QRectF(Links, Oben, Breite, Hoehe); }
};

// Whether the page lies wholly inside the part of the paper the printer
// prints on (centimetres from the paper's top-left corner); a hair over
// from rounding the shown values to millimetres counts as inside.
bool LagePasst(const DruckLage &lage, const QRectF &bedruckbarCm);

// "An Seite anpassen": the largest rectangle of the page's proportion
// inside the printable area and at least a centimetre from the paper's
// edges, centred across and at the top; values rounded down to
// millimetres, as the edits show them.
DruckLage AnSeiteAnpassen(const QSizeF &papierCm, const QRectF &bedruckbarCm, double proportion);

// "16,6": one decimal, comma.
QString CmText(double wert);
// Reads "16,6", "16.6", " 16 " (blanks ignored); false for anything else,
// for negative values and for values beyond a metre.
bool CmLesen(const QString &text, double &wert);

// The other side of the pair for a page proportion (width / height).
double HoeheAusBreite(double breite, double proportion);
double BreiteAusHoehe(double hoehe, double proportion);
