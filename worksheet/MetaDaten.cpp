// Shared pieces of the EMF and WMF writers.
#include "MetaDaten.h"

#include "BlattLeinwand.h"

#include <QFontMetricsF>
#include <QImage>

#include <cmath>

quint32 FarbWert(const QColor &c)
{
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

QFont ElementSchrift(const BlattElement &e)
{
    QFont f = BlattLeinwand::Schrift(e.emHoehe, e.fett);
    f.setItalic(e.kursiv);
    f.setUnderline(e.unterstrichen);
    return f;
}

int TextLinks(const BlattElement &e)
{
    if (!(e.ausrichtung & (Qt::AlignHCenter | Qt::AlignRight)))
        return e.x;
    const double w = QFontMetricsF(ElementSchrift(e)).horizontalAdvance(e.text);
    if (e.ausrichtung & Qt::AlignHCenter)
        return int(std::lround(e.x - w / 2));
    return int(std::lround(e.x - w));
}

QList<int> Vorschuebe(const QFont &font, const QString &text)
{
    const QFontMetricsF fm(font);
    QList<int> dx;
    dx.reserve(text.size());
    long vorher = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A surrogate pair's advance goes to its first unit.
        if (text[i].isLowSurrogate()) {
            dx << 0;
            continue;
        }
        const qsizetype ende = text[i].isHighSurrogate() && i + 1 < text.size() ? i + 2 : i + 1;
        const long jetzt = std::lround(fm.horizontalAdvance(text.left(ende)));
        dx << int(jetzt - vorher);
        vorher = jetzt;
    }
    return dx;
}

Dib DibAus(const QImage &quelle, int maxSeite)
{
    Dib d;
    if (quelle.isNull())
        return d;
    QImage bild = quelle;
    if (bild.width() > maxSeite || bild.height() > maxSeite)
        bild = bild.scaled(maxSeite, maxSeite, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    bild = bild.convertToFormat(QImage::Format_RGB32);
    d.breite = bild.width();
    d.hoehe = bild.height();
    const int zeile = (d.breite * 3 + 3) & ~3;
    LeBuffer k;
    k.u32(40);
    k.i32(d.breite);
    k.i32(d.hoehe); // positive: bottom-up
    k.u16(1);
    k.u16(24);
    k.u32(0); // BI_RGB
    k.u32(quint32(zeile * d.hoehe));
    k.i32(3780);
    k.i32(3780);
    k.u32(0);
    k.u32(0);
    d.kopf = k.daten;
    d.pixel.resize(qsizetype(zeile) * d.hoehe, '\0');
    for (int y = 0; y < d.hoehe; ++y) {
        const QRgb *q = reinterpret_cast<const QRgb *>(bild.constScanLine(d.hoehe - 1 - y));
        char *z = d.pixel.data() + qsizetype(y) * zeile;
        for (int x = 0; x < d.breite; ++x) {
            z[3 * x] = char(qBlue(q[x]));
            z[3 * x + 1] = char(qGreen(q[x]));
            z[3 * x + 2] = char(qRed(q[x]));
        }
    }
    return d;
}
