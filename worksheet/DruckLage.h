// Where the worksheet page goes on the printed sheet: four values in
// centimetres, shown with a decimal comma, width and height optionally
// held in the page's proportion.
#pragma once
#include <QRectF>
#include <QString>

struct DruckLage
{
    double Links = 2.2, Oben = 1.4, Breite = 16.6, Hoehe = 17.0;

    // The rectangle in device pixels of a sheet printed at dpiX x dpiY,
    // measured from the sheet's top-left corner.
    QRectF Rechteck(double dpiX, double dpiY) const;
};

// "16,6": one decimal, comma.
QString CmText(double wert);
// Reads "16,6", "16.6", " 16 " (blanks ignored); false for anything else,
// for negative values and for values beyond a metre.
bool CmLesen(const QString &text, double &wert);

// The other side of the pair for a page proportion (width / height).
double HoeheAusBreite(double breite, double proportion);
double BreiteAusHoehe(double hoehe, double proportion);
