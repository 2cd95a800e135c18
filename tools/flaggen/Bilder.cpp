// Our own pictures: question card, flag anatomy, cloze paper and the title.
#include "Bilder.h"

#include <QFile>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

QImage Leinwand(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_ARGB32_Premultiplied);
    bild.setDotsPerMeterX(3780);
    bild.setDotsPerMeterY(3780);
    bild.fill(Qt::white);
    return bild;
}

bool Speichern(const QImage &bild, const QString &pfad)
{
    return bild.convertToFormat(QImage::Format_RGB32).save(pfad, "PNG");
}

quint32 Crc32(const QByteArray &daten)
{
    quint32 c = 0xffffffffu;
    for (const char z : daten) {
        c ^= quint8(z);
        for (int i = 0; i < 8; ++i)
            c = (c >> 1) ^ (0xedb88320u & (0u - (c & 1u)));
    }
    return ~c;
}

void Anhaengen32(QByteArray &ziel, quint32 wert)
{
    for (int s = 24; s >= 0; s -= 8)
        ziel.append(char((wert >> s) & 0xff));
}

void Block(QByteArray &png, const char *typ, const QByteArray &inhalt)
{
    Anhaengen32(png, quint32(inhalt.size()));
    const QByteArray teil = QByteArray(typ, 4) + inhalt;
    png += teil;
    Anhaengen32(png, Crc32(teil));
}

// The title picture is decoded at every start, so it is written with the
// "up" filter on every row: it decodes in about half the time of the
// adaptive filters (mostly Paeth) of the usual writer, and packs as small.
bool SchnellLesbarSpeichern(const QImage &bild, const QString &pfad)
{
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB888);
    const int w = rgb.width(), h = rgb.height(), zeile = w * 3;
    QByteArray roh;
    roh.reserve((zeile + 1) * h);
    for (int y = 0; y < h; ++y) {
        const uchar *z = rgb.constScanLine(y);
        const uchar *oben = y > 0 ? rgb.constScanLine(y - 1) : nullptr;
        roh.append(char(2));
        for (int x = 0; x < zeile; ++x)
            roh.append(char(quint8(z[x] - (oben ? oben[x] : 0))));
    }
    QByteArray kopf;
    Anhaengen32(kopf, quint32(w));
    Anhaengen32(kopf, quint32(h));
    kopf.append(char(8)).append(char(2)).append(char(0)).append(char(0)).append(char(0));
    QByteArray aufloesung;
    Anhaengen32(aufloesung, quint32(bild.dotsPerMeterX()));
    Anhaengen32(aufloesung, quint32(bild.dotsPerMeterY()));
    aufloesung.append(char(1));
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    Block(png, "IHDR", kopf);
    Block(png, "pHYs", aufloesung);
    Block(png, "IDAT", qCompress(roh, 9).mid(4)); // without qCompress's length prefix
    Block(png, "IEND", QByteArray());
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(png) == png.size();
}

QFont Schrift(int pixel, bool fett = false, bool kursiv = false)
{
    QFont f("Liberation Sans");
    f.setPixelSize(pixel);
    f.setBold(fett);
    f.setItalic(kursiv);
    return f;
}

QPainterPath Stern(QPointF mitte, double aussen, double innen, double drehung = -Pi / 2)
{
    QPainterPath pfad;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? innen : aussen;
        const double w = drehung + i * Pi / 5;
        const QPointF p(mitte.x() + r * std::cos(w), mitte.y() + r * std::sin(w));
        i ? pfad.lineTo(p) : pfad.moveTo(p);
    }
    pfad.closeSubpath();
    return pfad;
}

// A soft drop shadow: a few widening translucent copies of the shape.
void Schatten(QPainter &p, const QPainterPath &form, QPointF versatz, int stufen = 6, int alpha = 14)
{
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = stufen; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, alpha));
        QPainterPathStroker s;
        s.setWidth(i * 2);
        s.setJoinStyle(Qt::RoundJoin);
        p.drawPath(s.createStroke(form.translated(versatz)).united(form.translated(versatz)));
    }
    p.restore();
}

// Draws a flag as if it waved: every column shifted on a sine and shaded
// by its slope, so the cloth seems to catch the light.
void WehendeFlagge(QPainter &p, const QImage &flagge, QRectF ziel, double amplitude, double wellen, double phase)
{
    // The cloth is made with the pixels of the painter's scale, so a picture
    // drawn at twice the size gets sharp flags rather than enlarged ones.
    const double s = std::max(1.0, p.transform().m11());
    const QRectF logisch = ziel;
    ziel = QRectF(ziel.topLeft() * s, ziel.size() * s);
    amplitude *= s;
    const QImage f =
        flagge.scaled(int(ziel.width()), int(ziel.height()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = f.width();
    QImage welle(w, int(f.height() + 2 * amplitude + 2), QImage::Format_ARGB32_Premultiplied);
    welle.fill(Qt::transparent);
    {
        QPainter q(&welle);
        q.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int x = 0; x < w; ++x) {
            const double t = double(x) / w;
            // The hoist is held by the pole, so the wave grows towards the fly.
            const double a = amplitude * (0.25 + 0.75 * t);
            const double winkel = 2 * Pi * wellen * t + phase;
            const double dy = a * std::sin(winkel);
            q.drawImage(QRectF(x, amplitude + 1 + dy, 1, f.height()), f, QRectF(x, 0, 1, f.height()));
            const double licht = std::cos(winkel);
            q.fillRect(QRectF(x, amplitude + 1 + dy, 1, f.height()),
                       licht > 0 ? QColor(255, 255, 255, int(60 * licht)) : QColor(0, 0, 0, int(-70 * licht)));
        }
        // Keep the shading inside the cloth.
        q.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        for (int x = 0; x < w; ++x) {
            const double t = double(x) / w;
            const double dy = amplitude * (0.25 + 0.75 * t) * std::sin(2 * Pi * wellen * t + phase);
            q.drawImage(QRectF(x, amplitude + 1 + dy, 1, f.height()), f, QRectF(x, 0, 1, f.height()));
        }
    }
    if (s == 1.0)
        p.drawImage(QPointF(ziel.left(), ziel.top() - amplitude - 1), welle);
    else
        p.drawImage(QRectF(logisch.left(), logisch.top() - (amplitude + 1) / s, welle.width() / s, welle.height() / s),
                    welle);
}

QImage Flagge(const QString &ordner, const QString &iso)
{
    QImage f(ordner + "/" + iso + ".png");
    return f.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A garland of pennants hanging from a sagging string.
void Wimpelkette(QPainter &p, double links, double rechts, double oben, double durchhang, double wimpelBreite)
{
    const QColor farben[] = {QColor(214, 40, 40),  QColor(244, 196, 48), QColor(29, 78, 137),
                             QColor(42, 157, 143), QColor(247, 127, 0),  QColor(255, 255, 255)};
    auto schnurY = [&](double x) {
        const double t = (x - links) / (rechts - links);
        return oben + durchhang * 4 * t * (1 - t);
    };
    QPainterPath schnur;
    schnur.moveTo(links, schnurY(links));
    for (double x = links; x <= rechts; x += 4)
        schnur.lineTo(x, schnurY(x));
    p.setPen(QPen(QColor(90, 90, 90), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(schnur);
    int i = 0;
    for (double x = links + 10; x + wimpelBreite < rechts - 6; x += wimpelBreite + 8, ++i) {
        const QPointF a(x, schnurY(x)), b(x + wimpelBreite, schnurY(x + wimpelBreite));
        const QPointF spitze((a.x() + b.x()) / 2, (a.y() + b.y()) / 2 + wimpelBreite * 1.15);
        QPainterPath w;
        w.moveTo(a);
        w.lineTo(b);
        w.lineTo(spitze);
        w.closeSubpath();
        Schatten(p, w, QPointF(1.5, 2.5), 3, 18);
        const QColor c = farben[i % 6];
        QLinearGradient g(a, spitze);
        g.setColorAt(0, c.lighter(112));
        g.setColorAt(1, c.darker(108));
        p.setBrush(g);
        p.setPen(QPen(c == Qt::white ? QColor(170, 170, 170) : c.darker(130), 1));
        p.drawPath(w);
    }
}

// A faint globe: outline, parallels and meridians.
void Globus(QPainter &p, QPointF mitte, double r, QColor farbe)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(farbe, 2));
    p.drawEllipse(mitte, r, r);
    p.setPen(QPen(farbe, 1.2));
    for (int i = -2; i <= 2; ++i) {
        const double y = mitte.y() + r * std::sin(i * Pi / 6);
        const double b = r * std::cos(i * Pi / 6);
        p.drawLine(QPointF(mitte.x() - b, y), QPointF(mitte.x() + b, y));
    }
    for (int i = 1; i <= 3; ++i)
        p.drawEllipse(mitte, r * i / 3.5, r);
    p.drawLine(QPointF(mitte.x(), mitte.y() - r), QPointF(mitte.x(), mitte.y() + r));
    p.restore();
}

// Base picture of every question card. The scene puts the question text,
// the flag frame and the answer grid at fixed fractions and the flag frame
// at a fixed pixel size; the picture's proportion (870 x 664) is the one at
// which, for pictures from about 700 pixels wide, the first line of the
// question stays below the question counter and above the flag frame. The
// picture keeps those places calm: decoration only at the top right, where
// the heading "Frage:" is not, and a faint watermark clear of the flag.
bool FragekarteZeichnen(const QString &pfad)
{
    const int B = 870, H = 664;
    QImage bild = Leinwand(B, H);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient grund(0, 0, 0, H);
    grund.setColorAt(0, QColor(236, 242, 250));
    grund.setColorAt(1, QColor(219, 229, 242));
    p.fillRect(bild.rect(), grund);
    Wimpelkette(p, 300, 880, 4, 30, 28);

    // The card reaches to two pixels short of the right edge: at the
    // smallest window the answer grid (fixed pixel cells from 10 % of the
    // width) ends three pixels before the picture's right edge, and both
    // the answers and the card's own right edge must be seen there.
    QPainterPath karte;
    karte.addRoundedRect(QRectF(38, 92, B - 40, H - 112), 18, 18);
    Schatten(p, karte, QPointF(0, 4), 7, 10);
    // Not white: the white parts of flags (Japan, Poland, Qatar) must stand
    // out from the card.
    p.setBrush(QColor(240, 244, 249));
    p.setPen(QPen(QColor(196, 211, 230), 1.5));
    p.drawPath(karte);
    // A coloured rim along the card's top edge.
    p.save();
    p.setClipPath(karte);
    QLinearGradient rand(38, 0, B - 2, 0);
    rand.setColorAt(0, QColor(29, 78, 137));
    rand.setColorAt(0.5, QColor(42, 157, 143));
    rand.setColorAt(1, QColor(244, 196, 48));
    p.fillRect(QRectF(38, 92, B - 40, 7), rand);
    p.restore();
    Globus(p, QPointF(712, 300), 100, QColor(29, 78, 137, 26));
    p.end();
    return Speichern(bild, pfad);
}

// The labelled flag of "Aufbau einer Flagge". The label positions in
// aufbau-einer-flagge.json refer to the places drawn here (pixels of the
// 870 x 600 picture): pole x 144..156, flag 156..636 x 90..390, canton
// 156..356 x 90..240, stripes at y 255..290 and 325..360, arms at 540,165.
bool FlaggenaufbauZeichnen(const QString &pfad)
{
    QImage bild = Leinwand(870, 600);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient grund(0, 0, 0, 600);
    grund.setColorAt(0, QColor(250, 252, 255));
    grund.setColorAt(1, QColor(232, 240, 250));
    p.fillRect(bild.rect(), grund);
    // Ground and the pole's foot.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(203, 222, 196));
    p.drawEllipse(QRectF(40, 560, 240, 40));
    p.setBrush(QColor(120, 120, 128));
    p.drawRoundedRect(QRectF(120, 566, 60, 14), 4, 4);

    // Pole with a metallic shine and a golden finial.
    QLinearGradient mast(144, 0, 156, 0);
    mast.setColorAt(0, QColor(120, 124, 132));
    mast.setColorAt(0.4, QColor(235, 237, 240));
    mast.setColorAt(1, QColor(140, 144, 150));
    p.setBrush(mast);
    p.drawRect(QRectF(144, 62, 12, 508));
    QRadialGradient knauf(QPointF(146, 46), 16);
    knauf.setColorAt(0, QColor(255, 240, 170));
    knauf.setColorAt(1, QColor(196, 150, 30));
    p.setBrush(knauf);
    p.drawEllipse(QPointF(150, 52), 13, 13);

    // The flag itself, flat so every part is easy to point at.
    const QRectF flagge(156, 90, 480, 300);
    QPainterPath tuch;
    tuch.addRect(flagge);
    Schatten(p, tuch, QPointF(4, 5), 5, 12);
    p.fillRect(flagge, QColor(253, 246, 227));
    p.fillRect(QRectF(156, 255, 480, 35), QColor(200, 16, 46));
    p.fillRect(QRectF(156, 325, 480, 35), QColor(200, 16, 46));
    p.fillRect(QRectF(156, 90, 200, 150), QColor(29, 63, 138));
    p.setBrush(Qt::white);
    p.drawPath(Stern(QPointF(256, 166), 48, 19));

    // Coat of arms: a shield with a chevron under a small crown.
    QPainterPath schild;
    schild.moveTo(495, 118);
    schild.lineTo(585, 118);
    schild.lineTo(585, 170);
    schild.quadTo(585, 208, 540, 226);
    schild.quadTo(495, 208, 495, 170);
    schild.closeSubpath();
    p.setBrush(QColor(29, 110, 70));
    p.setPen(QPen(QColor(212, 168, 40), 4));
    p.drawPath(schild);
    QPainterPath sparren;
    sparren.moveTo(500, 196);
    sparren.lineTo(540, 150);
    sparren.lineTo(580, 196);
    sparren.lineTo(580, 176);
    sparren.lineTo(540, 130);
    sparren.lineTo(500, 176);
    sparren.closeSubpath();
    p.save();
    p.setClipPath(schild);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(253, 246, 227));
    p.drawPath(sparren);
    p.restore();
    QPainterPath krone;
    krone.moveTo(515, 112);
    krone.lineTo(512, 92);
    krone.lineTo(527, 102);
    krone.lineTo(540, 86);
    krone.lineTo(553, 102);
    krone.lineTo(568, 92);
    krone.lineTo(565, 112);
    krone.closeSubpath();
    p.setBrush(QColor(236, 190, 50));
    p.setPen(QPen(QColor(170, 125, 20), 1.5));
    p.drawPath(krone);

    // Light and shade of loose cloth.
    for (int x = 0; x < 480; ++x) {
        const double licht = std::sin(x / 480.0 * 2.2 * Pi + 0.6);
        p.fillRect(QRectF(156 + x, 90, 1, 300),
                   licht > 0 ? QColor(255, 255, 255, int(28 * licht)) : QColor(0, 0, 0, int(-22 * licht)));
    }
    p.setPen(QPen(QColor(120, 110, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(flagge);
    // Rings holding the hoist to the pole.
    p.setPen(QPen(QColor(90, 90, 96), 3));
    for (double y : {100.0, 240.0, 380.0})
        p.drawArc(QRectF(140, y - 5, 20, 10), 0, 360 * 16);
    p.end();
    return Speichern(bild, pfad);
}

// Paper for the cloze text: the text runs over the whole width from the
// top, so the decoration is a row of flags along the bottom edge only.
bool LueckentextPapierZeichnen(const QString &flaggenOrdner, const QString &pfad)
{
    QImage bild = Leinwand(870, 620);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(bild.rect(), QColor(255, 253, 246));
    QLinearGradient fuss(0, 548, 0, 620);
    fuss.setColorAt(0, QColor(240, 244, 250));
    fuss.setColorAt(1, QColor(222, 231, 243));
    p.fillRect(QRectF(0, 548, 870, 72), fuss);
    p.setPen(QPen(QColor(29, 78, 137), 2));
    p.drawLine(QPointF(0, 548), QPointF(870, 548));
    const QStringList codes{"np", "ch", "fr", "jp", "ca", "us", "br", "za", "kr", "de", "in", "gb"};
    double x = 22;
    for (const QString &c : codes) {
        const QImage f = Flagge(flaggenOrdner, c);
        const double h = 38, w = h * f.width() / f.height();
        if (x + w > 850)
            break;
        QPainterPath rahmen;
        rahmen.addRect(QRectF(x, 565, w, h));
        Schatten(p, rahmen, QPointF(1.5, 2), 3, 16);
        p.drawImage(QRectF(x, 565, w, h), f);
        if (c != "np") {
            p.setPen(QPen(QColor(0, 0, 0, 60), 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(x, 565, w, h));
        }
        x += w + 14;
    }
    p.end();
    return Speichern(bild, pfad);
}

// The title picture of the start page, sized to be shown unscaled in the
// start panel of a 900 x 650 window (below it sits the note on the online
// edition). With faktor 2 the same picture with twice the pixels, for
// screens scaled to 200 %.
bool TitelbildZeichnen(const QString &flaggenOrdner, const QString &pfad, int faktor = 1)
{
    const int B = 740, H = 370;
    QImage bild = Leinwand(B * faktor, H * faktor);
    QPainter p(&bild);
    p.scale(faktor, faktor);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QLinearGradient grund(0, 0, B, H);
    grund.setColorAt(0, QColor(9, 44, 110));
    grund.setColorAt(0.55, QColor(22, 92, 190));
    grund.setColorAt(1, QColor(40, 140, 210));
    p.fillRect(bild.rect(), grund);
    Globus(p, QPointF(575, 215), 205, QColor(255, 255, 255, 30));
    QRadialGradient glanz(QPointF(170, 50), 340);
    glanz.setColorAt(0, QColor(255, 255, 255, 50));
    glanz.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(bild.rect(), glanz);

    // Four rows of waving flags on the right.
    struct Platz
    {
        const char *iso;
        double x, y, phase;
    };
    const Platz plaetze[] = {
        {"jp", 440, 32, 0.2},  {"br", 535, 32, 1.1},  {"de", 628, 32, 2.0},  {"ca", 410, 114, 0.6},
        {"za", 530, 114, 1.6}, {"kr", 626, 114, 2.4}, {"in", 438, 196, 0.9}, {"gb", 532, 196, 1.4},
        {"fr", 648, 196, 0.3}, {"us", 415, 278, 1.9}, {"mx", 526, 278, 0.5}, {"it", 632, 278, 1.2},
    };
    const double hoehe = 48;
    for (const Platz &pl : plaetze) {
        const QImage f = Flagge(flaggenOrdner, pl.iso);
        const double w = hoehe * f.width() / f.height();
        QPainterPath form;
        form.addRect(QRectF(pl.x, pl.y, w, hoehe));
        Schatten(p, form, QPointF(3, 5), 5, 14);
        WehendeFlagge(p, f, QRectF(pl.x, pl.y, w, hoehe), 4, 1.3, pl.phase);
    }
    // A bunting string across the top left.
    Wimpelkette(p, -12, 370, -4, 24, 22);

    // Title texts with a soft shadow.
    auto text = [&](const QString &t, const QFont &f, QPointF pos, QColor farbe) {
        QPainterPath pfad;
        pfad.addText(pos, f, t);
        Schatten(p, pfad, QPointF(2, 3), 4, 22);
        p.setPen(Qt::NoPen);
        p.setBrush(farbe);
        p.drawPath(pfad);
    };
    text("Brinvale Pennoria", Schrift(28, false, true), QPointF(34, 128), QColor(210, 228, 255));
    text("Flaggen-", Schrift(70, true), QPointF(28, 202), Qt::white);
    text("Quiz", Schrift(70, true), QPointF(28, 276), QColor(255, 214, 72));
    text("Alle Flaggen der Welt", Schrift(20), QPointF(34, 318), QColor(225, 236, 255));
    text("erkennen und lernen", Schrift(20), QPointF(34, 344), QColor(225, 236, 255));
    p.end();
    return SchnellLesbarSpeichern(bild, pfad);
}

} // namespace

bool BilderErzeugen(const QString &flaggenOrdner, const QString &bildOrdner, const QString &titelPfad)
{
    return FragekarteZeichnen(bildOrdner + "/fragekarte.png")
           && FlaggenaufbauZeichnen(bildOrdner + "/aufbau-einer-flagge.png")
           && LueckentextPapierZeichnen(flaggenOrdner, bildOrdner + "/lueckentext-papier.png")
           && TitelbildZeichnen(flaggenOrdner, titelPfad) && TitelbildZweifachZeichnen(flaggenOrdner, titelPfad);
}

bool TitelbildZweifachZeichnen(const QString &flaggenOrdner, const QString &titelPfad)
{
    QString pfad = titelPfad;
    pfad.insert(pfad.lastIndexOf('.'), "@2x");
    return TitelbildZeichnen(flaggenOrdner, pfad, 2);
}
