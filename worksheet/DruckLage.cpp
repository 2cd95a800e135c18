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

bool LagePasst(const DruckLage &lage, const QRectF &bedruckbarCm)
{
    // The edits show millimetres; the coupled height is rounded to them.
    const double rundung = 0.06;
    return bedruckbarCm.adjusted(-rundung, -rundung, rundung, rundung).contains(lage.RechteckCm());
}

DruckLage AnSeiteAnpassen(const QSizeF &papierCm, const QRectF &bedruckbarCm, double proportion)
{
    const double rand = 1.0;
    const QRectF frei =
        bedruckbarCm.intersected(QRectF(rand, rand, papierCm.width() - 2 * rand, papierCm.height() - 2 * rand));
    // On whole millimetres, inside the free area.
    auto ab = [](double cm) { return std::floor(cm * 10.0 + 1e-9) / 10.0; };
    auto auf = [](double cm) { return std::ceil(cm * 10.0 - 1e-9) / 10.0; };
    const double links = auf(frei.left()), oben = auf(frei.top());
    const double breite = ab(frei.right()) - links, hoehe = ab(frei.bottom()) - oben;
    DruckLage l;
    if (frei.isEmpty() || breite <= 0 || hoehe <= 0 || proportion <= 0)
        return l;
    double b = breite;
    if (HoeheAusBreite(b, proportion) > hoehe)
        b = BreiteAusHoehe(hoehe, proportion);
    l.Breite = ab(b);
    l.Hoehe = ab(HoeheAusBreite(l.Breite, proportion));
    l.Links = links + ab((breite - l.Breite) / 2);
    l.Oben = oben;
    return l;
}
