// Draws the program's own frame tiles and cursors into PNG files.
// Not part of the build; run once when the artwork changes:
//   g++ -std=c++20 -fPIC BilderErzeugen.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/bilder
//   QT_QPA_PLATFORM=offscreen /tmp/bilder .
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
QImage Neu(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    return img;
}

// A rounded card on the window colour, with a soft shadow below right.
QImage Karte(QColor aussen, QColor innen, QColor rand, int radius)
{
    QImage img = Neu(90, 90);
    img.fill(aussen);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 4; i >= 1; --i) {
        QColor s(0, 0, 40, 14);
        p.setPen(Qt::NoPen);
        p.setBrush(s);
        p.drawRoundedRect(QRectF(8 + i, 8 + i, 74, 74), radius, radius);
    }
    p.setBrush(innen);
    p.setPen(QPen(rand, 1));
    p.drawRoundedRect(QRectF(7.5, 7.5, 74, 74), radius, radius);
    return img;
}

QImage Titel()
{
    QImage img = Neu(90, 90);
    img.fill(QColor(212, 216, 230));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 90);
    g.setColorAt(0, QColor(252, 252, 255));
    g.setColorAt(0.5, QColor(238, 241, 250));
    g.setColorAt(1, QColor(224, 229, 243));
    p.setBrush(g);
    p.setPen(QPen(QColor(160, 168, 196), 1));
    p.drawRoundedRect(QRectF(3.5, 3.5, 83, 83), 9, 9);
    return img;
}

QPen Stift(QColor c, double w)
{
    QPen pen(c, w);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void Pfeil(QPainter &p, double x, double y)
{
    QPainterPath a;
    a.moveTo(x, y);
    a.lineTo(x, y + 17);
    a.lineTo(x + 4.5, y + 13);
    a.lineTo(x + 7.5, y + 19.5);
    a.lineTo(x + 10, y + 18.5);
    a.lineTo(x + 7, y + 12);
    a.lineTo(x + 12.5, y + 12);
    a.closeSubpath();
    p.setPen(Stift(Qt::white, 1.2));
    p.setBrush(Qt::black);
    p.drawPath(a);
}
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString ziel = argc > 1 ? QString(argv[1]) + "/" : QString();

    Karte(QColor(212, 216, 230), QColor(250, 250, 247), QColor(172, 179, 204), 12).save(ziel + "BackTeileImg3.png");
    Titel().save(ziel + "BackTeileImg3Tit.png");
    Karte(QColor(196, 201, 220), QColor(236, 238, 245), QColor(160, 168, 196), 8).save(ziel + "BackTeileImg4.png");

    auto cursor = [&](const char *name, auto malen) {
        QImage img = Neu(32, 32);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        malen(p);
        p.end();
        img.save(ziel + name + ".png");
    };
    cursor("DRAGBLACK", [](QPainter &p) {
        Pfeil(p, 1, 1);
        p.setPen(Stift(Qt::black, 1));
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawRect(QRectF(12.5, 18.5, 14, 9));
        p.drawLine(QPointF(15, 22), QPointF(24, 22));
        p.drawLine(QPointF(15, 25), QPointF(21, 25));
    });
    cursor("STIFT5", [](QPainter &p) {
        p.setPen(Stift(Qt::black, 5));
        p.drawLine(QPointF(6, 26), QPointF(26, 6));
        p.setPen(Stift(QColor(210, 30, 30), 3));
        p.drawLine(QPointF(6, 26), QPointF(26, 6));
        p.setPen(Stift(Qt::black, 1.5));
        p.drawLine(QPointF(2, 30), QPointF(6, 26));
    });
    cursor("MARKER25", [](QPainter &p) {
        p.setPen(Stift(Qt::black, 9));
        p.drawLine(QPointF(8, 24), QPointF(24, 8));
        p.setPen(Stift(QColor(255, 236, 60), 7));
        p.drawLine(QPointF(8, 24), QPointF(24, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 236, 60));
        p.drawRect(QRectF(1, 27, 10, 4));
    });
    // The eraser shows the square it restores: 32 x 32 around the hot spot
    // (16, 16), with a small eraser in the middle.
    cursor("RADIER32", [](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(QRect(0, 0, 31, 31));
        p.setPen(QPen(QColor(60, 60, 60), 1, Qt::DashLine));
        p.drawRect(QRect(0, 0, 31, 31));
        p.setRenderHint(QPainter::Antialiasing, true);
        p.translate(16, 16);
        p.rotate(-35);
        p.setPen(Stift(Qt::black, 1.2));
        p.setBrush(QColor(240, 150, 170));
        p.drawRect(QRectF(-4.5, -9, 9, 10.5));
        p.setBrush(QColor(120, 140, 220));
        p.drawRect(QRectF(-4.5, 1.5, 9, 7.5));
    });
    cursor("PFEILMOVE", [](QPainter &p) {
        QPainterPath a;
        const double m = 16;
        for (int r = 0; r < 4; ++r) {
            QTransform t;
            t.translate(m, m);
            t.rotate(90 * r);
            QPainterPath k;
            k.moveTo(0, -14);
            k.lineTo(5, -8);
            k.lineTo(1.5, -8);
            k.lineTo(1.5, -1.5);
            k.lineTo(-1.5, -1.5);
            k.lineTo(-1.5, -8);
            k.lineTo(-5, -8);
            k.closeSubpath();
            a.addPath(t.map(k));
        }
        a.addRect(QRectF(m - 1.5, m - 1.5, 3, 3));
        p.setPen(Stift(Qt::white, 2.5));
        p.drawPath(a.simplified());
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPath(a.simplified());
    });
    // The stamps show only their symbol, centred on (16.5, 16.5); the hot
    // spot sits where the stamp's fixed offset puts the stamped symbol onto
    // it (check: hot spot + (5, 1), cross: + (1, 0)).
    cursor("HAEKCHEN", [](QPainter &p) {
        const QPolygonF haken({QPointF(9, 18), QPointF(14, 23), QPointF(24, 10)});
        p.setPen(Stift(Qt::white, 6));
        p.drawPolyline(haken);
        p.setPen(Stift(QColor(20, 150, 40), 3.5));
        p.drawPolyline(haken);
    });
    cursor("KREUZ", [](QPainter &p) {
        for (auto [farbe, breite] : {std::pair{QColor(Qt::white), 6.0}, std::pair{QColor(200, 20, 20), 3.5}}) {
            p.setPen(Stift(farbe, breite));
            p.drawLine(QPointF(10, 10), QPointF(23, 23));
            p.drawLine(QPointF(23, 10), QPointF(10, 23));
        }
    });
    cursor("TEXTEINGABE", [](QPainter &p) {
        for (auto [farbe, breite] : {std::pair{QColor(Qt::white), 3.5}, std::pair{QColor(Qt::black), 1.5}}) {
            p.setPen(Stift(farbe, breite));
            p.drawLine(QPointF(8, 4), QPointF(8, 28));
            p.drawLine(QPointF(4, 4), QPointF(12, 4));
            p.drawLine(QPointF(4, 28), QPointF(12, 28));
        }
        p.setPen(Stift(QColor(30, 70, 160), 2.5));
        p.drawLine(QPointF(16, 12), QPointF(28, 12));
        p.drawLine(QPointF(22, 12), QPointF(22, 26));
    });
    cursor("HAND", [](QPainter &p) {
        QPainterPath h;
        h.addRoundedRect(QRectF(7, 14, 18, 15), 5, 5);
        for (int i = 0; i < 4; ++i)
            h.addRoundedRect(QRectF(7.5 + i * 4.5, 4 + (i == 0 || i == 3 ? 3 : 0), 4, 14), 2, 2);
        h.addRoundedRect(QRectF(2, 15, 9, 4), 2, 2);
        p.setPen(Stift(Qt::black, 1.3));
        p.setBrush(Qt::white);
        p.drawPath(h.simplified());
    });
    // The program icon: a plain yellow flag with a question mark on a blue
    // tile, the same as the desktop icon (no real country's flag).
    {
        QImage img = Neu(64, 64);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 0, 64);
        g.setColorAt(0, QColor(91, 143, 214));
        g.setColorAt(1, QColor(31, 79, 156));
        p.setBrush(g);
        p.setPen(QPen(QColor(22, 58, 115), 1.5));
        p.drawRoundedRect(QRectF(2, 2, 60, 60), 9, 9);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(242, 242, 242));
        p.drawRoundedRect(QRectF(9, 7, 4, 50), 1.5, 1.5);
        p.setPen(QPen(QColor(107, 79, 0), 1));
        p.setBrush(QColor(255, 212, 59));
        p.drawRect(QRectF(13, 9, 43, 37));
        QPainterPath frage;
        frage.moveTo(28, 20.5);
        frage.arcTo(QRectF(28, 13.5, 14, 14), 180, -220);
        frage.cubicTo(37, 27.5, 35, 28.5, 35, 32);
        frage.lineTo(35, 33.5);
        p.setPen(QPen(QColor(22, 58, 115), 5.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(frage);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(22, 58, 115));
        p.drawEllipse(QPointF(35, 40.5), 3.3, 3.3);
        p.end();
        img.save(ziel + "Pennoria.png");
    }
    return 0;
}
