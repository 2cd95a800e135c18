// Position and size of the printed worksheet.
#include "DruckLage.h"

#include <QLocale>

#include <cmath>

QRectF DruckLage::Rechteck(double dpiX, double dpiY) const
{
    const double x = dpiX / 2.54, y = dpiY / 2.54;
    return QRectF(Links * x, Oben * y, Breite * x, Hoehe * y);
}

QString CmText(double wert)
{
    return QLocale(QLocale::German).toString(wert, 'f', 1);
}

bool CmLesen(const QString &text, double &wert)
{
    QString t = text;
    t.remove(QLatin1Char(' '));
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (t.isEmpty() || t.count(QLatin1Char('.')) > 1)
        return false;
    for (QChar c : t)
        if (!c.isDigit() && c != QLatin1Char('.'))
            return false;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < 0 || v > 100)
        return false;
    wert = v;
    return true;
}

double HoeheAusBreite(double breite, double proportion)
{
    return proportion > 0 ? breite / proportion : breite;
}

double BreiteAusHoehe(double hoehe, double proportion)
{
    return proportion > 0 ? hoehe * proportion : hoehe;
}
