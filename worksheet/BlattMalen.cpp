// The QPainter back end of the worksheet page.
#include "BlattMalen.h"

#include "BlattLeinwand.h"

#include <QFontMetricsF>
#include <QPainter>

QImage WeissDurchsichtig(const QImage &bild)
{
    QImage aus = bild.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < aus.height(); ++y) {
        QRgb *z = reinterpret_cast<QRgb *>(aus.scanLine(y));
        for (int x = 0; x < aus.width(); ++x) {
            const QRgb c = z[x];
            // The least coverage that explains the colour over white.
            const int a = 255 - qMin(qMin(qRed(c), qGreen(c)), qBlue(c));
            if (a == 0) {
                z[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            auto kanal = [a](int k) { return qBound(0, 255 - (255 - k) * 255 / a, 255); };
            z[x] = qRgba(kanal(qRed(c)), kanal(qGreen(c)), kanal(qBlue(c)), qMin(255, a * qAlpha(c) / 255));
        }
    }
    return aus;
}

void BlattMalen(QPainter &p, const Blatt &blatt, const QRectF &ziel, bool durchsichtig)
{
    p.save();
    p.translate(ziel.topLeft());
    p.scale(ziel.width() / Blatt::Breite, ziel.height() / Blatt::Hoehe);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // PDF would store pictures as JPEG otherwise: soft edges on flags and
    // labels.
    p.setRenderHint(QPainter::LosslessImageRendering, true);
    if (!durchsichtig)
        p.fillRect(QRectF(0, 0, Blatt::Breite, Blatt::Hoehe), Qt::white);
    for (const BlattElement &e : blatt.Elemente) {
        switch (e.art) {
        case BlattElement::Art::Text: {
            QFont f = BlattLeinwand::Schrift(e.emHoehe, e.fett);
            f.setItalic(e.kursiv);
            f.setUnderline(e.unterstrichen);
            const QFontMetricsF fm(f);
            double x = e.x;
            if (e.ausrichtung & Qt::AlignHCenter)
                x -= fm.horizontalAdvance(e.text) / 2;
            else if (e.ausrichtung & Qt::AlignRight)
                x -= fm.horizontalAdvance(e.text);
            p.setFont(f);
            p.setPen(e.farbe);
            p.drawText(QPointF(x, e.y + fm.ascent()), e.text);
            break;
        }
        case BlattElement::Art::Linie:
        case BlattElement::Art::Passmarke:
            // One unit wide, centred on the unit cell as a one-pixel pen is.
            p.setPen(QPen(e.farbe, 1.0, Qt::SolidLine, Qt::SquareCap));
            p.drawLine(QPointF(e.x + 0.5, e.y + 0.5), QPointF(e.x2 + 0.5, e.y2 + 0.5));
            break;
        case BlattElement::Art::Rahmen:
            p.setPen(QPen(e.farbe, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(e.x + 0.5, e.y + 0.5, e.x2 - e.x - 1, e.y2 - e.y - 1));
            break;
        case BlattElement::Art::Bild:
            p.drawImage(QRectF(e.x, e.y, e.x2 - e.x, e.y2 - e.y), durchsichtig ? WeissDurchsichtig(e.bild) : e.bild);
            break;
        }
    }
    p.restore();
}

QImage BlattBild(const Blatt &blatt, QSize groesse, bool durchsichtig)
{
    QImage bild(groesse, durchsichtig ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    bild.setDotsPerMeterX(3780);
    bild.setDotsPerMeterY(3780);
    bild.fill(durchsichtig ? Qt::transparent : Qt::white);
    QPainter p(&bild);
    BlattMalen(p, blatt, QRectF(0, 0, groesse.width(), groesse.height()), durchsichtig);
    return bild;
}
