// Raster helpers: fonts, block copies, frames, discs, symbols and text boxes.
#include "Zeichenhilfen.h"

#include "Runden.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <cstring>

int SchriftEinheiten(qint32 fsize)
{
    return 2 * qBound(-11, fsize, 5000) + 22;
}

QFont ArialPixel(int emPixel, bool fett)
{
    QFont f(QStringLiteral("Arial"));
    // Font sizes come from documents; glyphs beyond a few thousand pixels
    // would only cost memory.
    f.setPixelSize(qBound(1, emPixel, 2000));
    f.setBold(fett);
    // No kerning: measured runs must add up to the width of the whole line.
    f.setKerning(false);
    return f;
}

int PunktZuPixel(int punkt)
{
    return rnd(punkt * 96.0 / 72.0);
}

QImage NeueFlaeche(int breite, int hoehe, QColor grund)
{
    QImage bild(qMax(1, breite), qMax(1, hoehe), QImage::Format_ARGB32_Premultiplied);
    bild.setDotsPerMeterX(3780);
    bild.setDotsPerMeterY(3780);
    bild.fill(grund);
    return bild;
}

void BlockKopieren(QImage &ziel, QPoint zielPos, const QImage &quelle, QRect quellRect)
{
    if (ziel.isNull() || quelle.isNull())
        return;
    // Clip the source rectangle to the source, then the destination to the target.
    QRect q = quellRect.intersected(quelle.rect());
    QPoint z = zielPos + (q.topLeft() - quellRect.topLeft());
    QRect zr = QRect(z, q.size()).intersected(ziel.rect());
    if (zr.isEmpty())
        return;
    q = QRect(q.topLeft() + (zr.topLeft() - z), zr.size());
    if (ziel.format() != quelle.format()) {
        QPainter p(&ziel);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(zr.topLeft(), quelle, q);
        return;
    }
    const int bpp = quelle.depth() / 8;
    const size_t zeile = size_t(q.width()) * size_t(bpp);
    for (int y = 0; y < q.height(); ++y) {
        const uchar *von = quelle.constScanLine(q.top() + y) + q.left() * bpp;
        uchar *nach = ziel.scanLine(zr.top() + y) + zr.left() * bpp;
        std::memcpy(nach, von, zeile);
    }
}

void BildUebernehmen(QImage &ziel, const QImage &quelle)
{
    if (&ziel == &quelle)
        return;
    if (!ziel.isNull() && ziel.size() == quelle.size() && ziel.format() == quelle.format() && ziel.isDetached()
        && ziel.bytesPerLine() == quelle.bytesPerLine()) {
        std::memcpy(ziel.bits(), quelle.constBits(), size_t(quelle.sizeInBytes()));
        return;
    }
    ziel = quelle.copy();
}

void RechteckZeichnen(QPainter &p, const QRect &r, QColor rand, QColor fuellung)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    p.fillRect(r, fuellung);
    RahmenZeichnen(p, r, rand);
}

void RahmenZeichnen(QPainter &p, const QRect &r, QColor rand)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), rand);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), rand);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), rand);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), rand);
}

QColor Abgedunkelt(QColor c)
{
    return QColor(rnd(c.red() * 0.7), rnd(c.green() * 0.7), rnd(c.blue() * 0.7));
}

void TextAus(QPainter &p, int x, int y, const QString &text, Qt::Alignment ausrichtung)
{
    const QFontMetrics fm(p.font());
    int links = x;
    if (ausrichtung & Qt::AlignHCenter)
        links = x - fm.horizontalAdvance(text) / 2;
    else if (ausrichtung & Qt::AlignRight)
        links = x - fm.horizontalAdvance(text);
    p.drawText(links, y + fm.ascent(), text);
}

void ScheibeZeichnen(QPainter &p, const QRect &r, QColor fuellung, QColor rand, const QString &text, const QFont &font,
                     QColor textFarbe)
{
    const int links = r.left(), oben = r.top();
    const int rechts = r.left() + r.width(), unten = r.top() + r.height();
    const double cx = (links + rechts - 1) / 2.0, cy = (oben + unten - 1) / 2.0;
    const double rx = cx - links, ry = cy - oben;
    QPolygonF poly;
    for (int k = 0; k <= 36; ++k) {
        const double w = (k % 36) * 2.0 * M_PI / 36.0;
        // Pixel centres lie at +0.5 in Qt's coordinate system.
        poly << QPointF(cx + rx * std::cos(w) + 0.5, cy + ry * std::sin(w) + 0.5);
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath pfad;
    pfad.addPolygon(poly);
    pfad.setFillRule(Qt::WindingFill);
    p.fillPath(pfad, fuellung);
    p.setPen(QPen(rand, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(poly);
    p.restore();
    if (!text.isEmpty()) {
        p.save();
        p.setFont(font);
        p.setPen(textFarbe);
        const QFontMetrics fm(font);
        TextAus(p, rnd((links + rechts) / 2.0), rnd((oben + unten - fm.height()) / 2.0), text, Qt::AlignHCenter);
        p.restore();
    }
}

void SymbolZeichnen(QPainter &p, QChar zeichen, int punkt, QColor farbe, int cx, int cy)
{
    // Check and cross are drawn as strokes: a font without these signs
    // would show an empty box where right and wrong must be told apart
    // without the colour.
    if (zeichen == QChar(0x2714) || zeichen == QChar(0x2718)) {
        const double s = PunktZuPixel(punkt) * 0.7;
        const QPointF m(cx + 0.5, cy + 0.5);
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        if (zeichen == QChar(0x2714)) {
            p.setPen(QPen(farbe, s * 0.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            const QPointF haken[] = {m + QPointF(-0.42 * s, 0.02 * s), m + QPointF(-0.1 * s, 0.36 * s),
                                     m + QPointF(0.48 * s, -0.4 * s)};
            p.drawPolyline(haken, 3);
        } else {
            p.setPen(QPen(farbe, s * 0.18, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(m + QPointF(-0.36 * s, -0.36 * s), m + QPointF(0.36 * s, 0.36 * s));
            p.drawLine(m + QPointF(0.36 * s, -0.36 * s), m + QPointF(-0.36 * s, 0.36 * s));
        }
        p.restore();
        return;
    }
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(PunktZuPixel(punkt));
    QPainterPath pfad;
    pfad.addText(0, 0, f, QString(zeichen));
    const QRectF b = pfad.boundingRect();
    pfad.translate(cx + 0.5 - b.center().x(), cy + 0.5 - b.center().y());
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillPath(pfad, farbe);
    p.restore();
}

namespace {
// Greedy word wrap of one line at blanks; a word wider than the width
// stands alone on its line, as DrawText leaves it.
void Umbrechen(const QFontMetrics &fm, const QString &zeile, int breite, QStringList &aus)
{
    if (fm.horizontalAdvance(zeile) <= breite) {
        aus << zeile;
        return;
    }
    const QStringList woerter = zeile.split(' ');
    QString akt;
    for (const QString &w : woerter) {
        const QString probe = akt.isEmpty() ? w : akt + ' ' + w;
        if (!akt.isEmpty() && fm.horizontalAdvance(probe) > breite) {
            aus << akt;
            akt = w;
        } else {
            akt = probe;
        }
    }
    aus << akt;
}
} // namespace

TextKasten TextKasten::Messen(const QFont &font, const QString &text, bool umbrechen, int breite)
{
    TextKasten k;
    const QFontMetrics fm(font);
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace('\r', '\n');
    const QStringList zeilen = t.split('\n');
    for (const QString &z : zeilen) {
        if (umbrechen)
            Umbrechen(fm, z, breite, k.zeilen);
        else
            k.zeilen << z;
    }
    for (const QString &z : k.zeilen)
        k.breite = qMax(k.breite, fm.horizontalAdvance(z));
    k.hoehe = int(k.zeilen.size()) * fm.height();
    return k;
}

void TextKasten::Zeichnen(QPainter &p, const QRect &r, int tAusr) const
{
    const QFontMetrics fm(p.font());
    int y = r.top();
    const int rechts = r.left() + r.width();
    for (const QString &z : zeilen) {
        const int w = fm.horizontalAdvance(z);
        int x = r.left();
        if (tAusr == 1)
            x = r.left() + (r.width() - w) / 2;
        else if (tAusr == 2)
            x = rechts - w;
        if (!z.isEmpty())
            p.drawText(x, y + fm.ascent(), z);
        y += fm.height();
    }
}
