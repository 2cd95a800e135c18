// Tests of the nine-slice frame painting, shared colours and cursors.
#include "BildDatei.h"
#include "Rahmen.h"
#include "RahmenBild.h"

#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace {
// A 9 x 9 tile with border 3: every one of the nine parts its own colour.
QImage Kachel()
{
    QImage t(9, 9, QImage::Format_RGB32);
    const QRgb farben[3][3] = {{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)},
                               {qRgb(255, 255, 0), qRgb(0, 255, 255), qRgb(255, 0, 255)},
                               {qRgb(128, 0, 0), qRgb(0, 128, 0), qRgb(0, 0, 128)}};
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            t.setPixel(x, y, farben[y / 3][x / 3]);
    return t;
}

// The frame painting as it was first written, every step done in full: the
// reference the cheaper painting must match bit for bit.
void AlterRahmen(QImage &target, const QImage &tile, int b)
{
    const int W = target.width(), H = target.height();
    const int w = tile.width(), h = tile.height();
    if (W <= 0 || H <= 0 || w <= 0 || h <= 0)
        return;
    b = qBound(0, b, qMin(w, h) / 2);
    auto kopie = [&](QPainter &p, QRect quelle, QRect ziel) {
        if (!quelle.isEmpty() && !ziel.isEmpty())
            p.drawImage(ziel, tile, quelle);
    };
    QImage arbeit(W, H, QImage::Format_RGB32);
    arbeit.setDotsPerMeterX(3780);
    arbeit.setDotsPerMeterY(3780);
    arbeit.fill(tile.pixelColor(qMin(b, w - 1), qMin(b, h - 1)));
    {
        QPainter p(&arbeit);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        kopie(p, QRect(QPoint(b, b), QPoint(w - b - 1, h - b - 1)), QRect(0, 0, W, H));
        kopie(p, QRect(0, 0, b, b), QRect(0, 0, b, b));
        kopie(p, QRect(0, h - b, b, b), QRect(0, H - b, b, b));
        kopie(p, QRect(b, 0, w - 2 * b, b), QRect(b, 0, W - 2 * b, b));
        kopie(p, QRect(b, h - b, w - 2 * b, b), QRect(b, H - b, W - 2 * b, b));
        kopie(p, QRect(0, b, b, h - 2 * b), QRect(0, b, b, H - 2 * b));
        if (b > 0) {
            QImage streifen(b, H, QImage::Format_ARGB32_Premultiplied);
            streifen.fill(Qt::transparent);
            {
                QPainter s(&streifen);
                s.setRenderHint(QPainter::SmoothPixmapTransform);
                kopie(s, QRect(w - b, 0, b, b), QRect(0, 0, b, b));
                kopie(s, QRect(w - b, h - b, b, b), QRect(0, H - b, b, b));
                kopie(s, QRect(w - b, b, b, h - 2 * b), QRect(0, b, b, H - 2 * b));
            }
            p.drawImage(W - b, 0, streifen);
        }
    }
    target = arbeit;
}

// A 90 x 90 tile like the real ones, with a centre of one colour that may be
// half transparent, and a rim that is.
QImage EinfarbigeMitte(QRgb mitte, QRgb rand)
{
    QImage t(90, 90, QImage::Format_ARGB32);
    t.fill(rand);
    for (int y = 10; y < 80; ++y)
        for (int x = 10; x < 80; ++x)
            t.setPixel(x, y, mitte);
    t.setPixel(45, 5, qRgb(9, 99, 199)); // the top edge is not uniform
    return t;
}

void GleichWieFrueher(const QImage &tile, int rand, const char *name)
{
    const QSize groessen[] = {{1, 1},   {1, 9},   {7, 1},   {2, 2},    {29, 61},  {59, 59},  {60, 60},
                              {61, 61}, {89, 90}, {91, 33}, {131, 97}, {433, 37}, {871, 599}};
    for (const QSize g : groessen) {
        QImage alt(g, QImage::Format_RGB32), neu(g, QImage::Format_RGB32);
        AlterRahmen(alt, tile, rand);
        ZeichneRahmenBild(neu, tile, rand);
        ASSERT_EQ(neu.format(), alt.format()) << name << " " << g.width() << "x" << g.height();
        ASSERT_EQ(neu.dotsPerMeterX(), alt.dotsPerMeterX());
        // QImage compares pixel by pixel; the first difference is named.
        QString erste;
        for (int y = 0; y < g.height() && erste.isEmpty() && !(neu == alt); ++y)
            for (int x = 0; x < g.width() && erste.isEmpty(); ++x)
                if (neu.pixel(x, y) != alt.pixel(x, y))
                    erste = QString("(%1, %2): %3 statt %4")
                                .arg(x)
                                .arg(y)
                                .arg(neu.pixel(x, y), 8, 16)
                                .arg(alt.pixel(x, y), 8, 16);
        EXPECT_TRUE(neu == alt) << name << " " << g.width() << "x" << g.height() << " " << erste.toStdString();
    }
}
}

TEST(RahmenBild, EveryPixelAsTheFullPaintingGaveItForRealAndOddTiles)
{
    GleichWieFrueher(BackTeileImg3(), 30, "BackTeileImg3");
    GleichWieFrueher(BackTeileImg3Tit(), 30, "BackTeileImg3Tit");
    GleichWieFrueher(BackTeileImg4(), 30, "BackTeileImg4");
    GleichWieFrueher(Kachel(), 3, "neun Farben");
    GleichWieFrueher(EinfarbigeMitte(qRgb(250, 250, 247), qRgb(212, 216, 230)), 30, "deckend");
    GleichWieFrueher(EinfarbigeMitte(qRgb(250, 250, 247), qRgba(212, 216, 230, 90)), 30, "Rand durchscheinend");
    GleichWieFrueher(EinfarbigeMitte(qRgba(250, 250, 247, 128), qRgb(212, 216, 230)), 30, "Mitte durchscheinend");
    GleichWieFrueher(EinfarbigeMitte(qRgb(1, 2, 3), qRgb(4, 5, 6)).convertToFormat(QImage::Format_RGB32), 0,
                     "ohne Rand");
    // Noise everywhere: every part stretched by the painter.
    QImage rauschen(90, 90, QImage::Format_ARGB32);
    quint32 z = 12345;
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 90; ++x) {
            z = z * 1103515245u + 12345u;
            rauschen.setPixel(x, y, z | 0xff000000u);
        }
    GleichWieFrueher(rauschen, 30, "Rauschen");
    // Rows of one colour each, in the centre too, as in the title tile.
    QImage zeilen(90, 90, QImage::Format_ARGB32);
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 90; ++x)
            zeilen.setPixel(x, y, qRgb(3 * y, 255 - 2 * y, (x < 30 || x >= 60) ? x : 77));
    GleichWieFrueher(zeilen, 30, "Zeilen");
    // Tiles in other formats.
    GleichWieFrueher(BackTeileImg3Tit().convertToFormat(QImage::Format_RGB888), 30, "RGB888");
    GleichWieFrueher(BackTeileImg3().convertToFormat(QImage::Format_ARGB32_Premultiplied), 30, "vormultipliziert");
    GleichWieFrueher(EinfarbigeMitte(qRgb(250, 250, 247), qRgb(212, 216, 230)).convertToFormat(QImage::Format_Indexed8),
                     30, "Palette");
}

TEST(RahmenBild, NineSliceKeepsCornersAndStretchesEdges)
{
    QImage ziel(40, 30, QImage::Format_RGB32);
    ZeichneRahmenBild(ziel, Kachel(), 3);
    ASSERT_EQ(ziel.size(), QSize(40, 30));
    auto c = [&](int x, int y) { return QColor(ziel.pixel(x, y)); };
    EXPECT_EQ(c(0, 0), QColor(255, 0, 0)); // top-left corner
    EXPECT_EQ(c(2, 2), QColor(255, 0, 0));
    EXPECT_EQ(c(39, 0), QColor(0, 0, 255)); // top-right corner
    EXPECT_EQ(c(37, 2), QColor(0, 0, 255));
    EXPECT_EQ(c(0, 29), QColor(128, 0, 0));    // bottom-left
    EXPECT_EQ(c(39, 29), QColor(0, 0, 128));   // bottom-right
    EXPECT_EQ(c(20, 1), QColor(0, 255, 0));    // top edge stretched
    EXPECT_EQ(c(20, 28), QColor(0, 128, 0));   // bottom edge
    EXPECT_EQ(c(1, 15), QColor(255, 255, 0));  // left edge
    EXPECT_EQ(c(38, 15), QColor(255, 0, 255)); // right edge
    EXPECT_EQ(c(20, 15), QColor(0, 255, 255)); // centre
    EXPECT_EQ(c(3, 3), QColor(0, 255, 255));   // the border stays 3 wide
    EXPECT_EQ(c(36, 26), QColor(0, 255, 255));
}

TEST(RahmenBild, EmptyTargetOrTileIsLeftAlone)
{
    QImage leer;
    ZeichneRahmenBild(leer, Kachel(), 3);
    EXPECT_TRUE(leer.isNull());
    QImage ziel(5, 5, QImage::Format_RGB32);
    ziel.fill(Qt::black);
    ZeichneRahmenBild(ziel, QImage(), 3);
    EXPECT_EQ(QColor(ziel.pixel(2, 2)), QColor(Qt::black));
    // A tile smaller than twice its border does not crash.
    ZeichneRahmenBild(ziel, Kachel(), 30);
    EXPECT_EQ(ziel.size(), QSize(5, 5));
}

TEST(Rahmen, SharedColoursComeFromTheTiles)
{
    ASSERT_FALSE(BackTeileImg3().isNull());
    ASSERT_FALSE(BackTeileImg3Tit().isNull());
    ASSERT_FALSE(BackTeileImg4().isNull());
    EXPECT_EQ(FensterFarbe(), BackTeileImg3().pixelColor(0, 0));
    EXPECT_EQ(KartenFarbe(), BackTeileImg3().pixelColor(30, 30));
    EXPECT_EQ(TafelFarbe(), BackTeileImg4().pixelColor(30, 30));
    // The window and the card must be told apart.
    EXPECT_NE(FensterFarbe(), KartenFarbe());
}

TEST(Rahmen, BackgroundFillerFillsItsParent)
{
    QWidget eltern;
    eltern.resize(120, 80);
    QLabel bild(&eltern);
    FuelleHintergrund4(&bild);
    EXPECT_EQ(bild.geometry(), QRect(0, 0, 120, 80));
    const QImage img = bild.pixmap().toImage();
    ASSERT_EQ(img.size(), QSize(120, 80));
    EXPECT_EQ(img.pixelColor(60, 40), TafelFarbe());
}

TEST(Rahmen, EveryCursorOfTheTableHasItsOwnPicture)
{
    for (int n : {-12, 1, 2, 3, 4, 5, 6, 7, 8}) {
        const QCursor c = ProgrammCursor(n);
        EXPECT_EQ(c.shape(), Qt::BitmapCursor) << n;
        EXPECT_EQ(c.pixmap().size(), QSize(32, 32)) << n;
    }
    EXPECT_EQ(ProgrammCursor(99).shape(), Qt::ArrowCursor);
}

TEST(Rahmen, CursorPictureIsWhatTheCursorShows)
{
    for (int n : {-12, 1, 2, 3, 4, 5, 6, 7, 8}) {
        const QImage bild = ProgrammCursorBild(n);
        ASSERT_FALSE(bild.isNull()) << n;
        const QImage gezeigt = ProgrammCursor(n).pixmap().toImage();
        EXPECT_EQ(bild.convertToFormat(QImage::Format_ARGB32), gezeigt.convertToFormat(QImage::Format_ARGB32)) << n;
        EXPECT_TRUE(bild.hasAlphaChannel()) << n;
    }
    EXPECT_TRUE(ProgrammCursorBild(-13).isNull()); // the built-in no-drop cursor
    EXPECT_TRUE(ProgrammCursorBild(99).isNull());
}

TEST(Rahmen, PicturesAreDecodedOnceAndReadAheadTilesAreTheTilesReadDirectly)
{
    // In a process of its own (as CTest runs it) the read-ahead is what the
    // first use takes; a second start does nothing.
    RahmenVorladen();
    RahmenVorladen();
    const QImage &kachel = BackTeileImg3();
    for (const char *name : {"BackTeileImg3", "BackTeileImg3Tit", "BackTeileImg4"}) {
        QFile f(QString(":/rahmen/") + name + ".png");
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        QImage direkt;
        ASSERT_TRUE(PngLesen(f, direkt)) << name;
        const QImage &k = QString(name) == "BackTeileImg3"      ? BackTeileImg3()
                          : QString(name) == "BackTeileImg3Tit" ? BackTeileImg3Tit()
                                                                : BackTeileImg4();
        EXPECT_EQ(k.format(), QImage::Format_ARGB32) << name;
        EXPECT_EQ(k, direkt.convertToFormat(QImage::Format_ARGB32)) << name;
    }
    // The same pixels each time, not a new decode.
    EXPECT_EQ(&BackTeileImg3(), &kachel);
    EXPECT_EQ(BackTeileImg3().cacheKey(), kachel.cacheKey());
    for (int n : {-12, 1, 8}) {
        const QImage a = ProgrammCursorBild(n), b = ProgrammCursorBild(n);
        EXPECT_EQ(a.cacheKey(), b.cacheKey()) << n;
    }
}

TEST(Rahmen, ButtonsAreColouredWithArrowCursor)
{
    QWidget fenster;
    auto *k = new QPushButton("OK", &fenster);
    k->setCursor(Qt::WaitCursor);
    FaerbeKnoepfe(&fenster);
    EXPECT_EQ(k->palette().color(QPalette::Button), QColor(205, 208, 226));
    EXPECT_EQ(k->cursor().shape(), Qt::ArrowCursor);
}

TEST(Rahmen, DialogHintergrundLiegtBeimZeigenGanzUntenUndFuelltDenDialog)
{
    QWidget dialog;
    dialog.resize(200, 150);
    auto *flaeche = new QWidget(&dialog);
    FlaecheFaerben(flaeche, TafelFarbe());
    EXPECT_TRUE(flaeche->autoFillBackground());
    EXPECT_EQ(flaeche->palette().color(QPalette::Window), TafelFarbe());
    auto *k = new QPushButton("OK", &dialog);
    QLabel *bild = HintergrundBildAnlegen(&dialog);
    EXPECT_EQ(bild->objectName(), "MainBackImg");
    EXPECT_EQ(bild->parentWidget(), &dialog);
    EXPECT_TRUE(bild->pixmap().isNull()); // painted only when shown

    // Made last, it lies on top until the dialog is shown.
    EXPECT_EQ(dialog.children().last(), bild);
    HintergrundZeigen(&dialog, bild, FuelleHintergrund3);
    EXPECT_EQ(bild->geometry(), QRect(0, 0, 200, 150));
    EXPECT_EQ(bild->pixmap().size(), QSize(200, 150));
    EXPECT_EQ(bild->pixmap().toImage().pixelColor(100, 75), KartenFarbe());
    EXPECT_EQ(dialog.children().first(), bild);
    EXPECT_EQ(k->palette().color(QPalette::Button), QColor(205, 208, 226));

    // A larger dialog shown again gets a background of its new size.
    dialog.resize(260, 180);
    HintergrundZeigen(&dialog, bild, FuelleHintergrund4);
    EXPECT_EQ(bild->pixmap().size(), QSize(260, 180));
    EXPECT_EQ(bild->pixmap().toImage().pixelColor(130, 90), TafelFarbe());

    // Resized while open (by its layout or the window manager), it follows
    // with the filler last shown.
    dialog.show();
    dialog.resize(320, 240);
    EXPECT_EQ(bild->geometry(), QRect(0, 0, 320, 240));
    EXPECT_EQ(bild->pixmap().size(), QSize(320, 240));
    EXPECT_EQ(bild->pixmap().toImage().pixelColor(160, 120), TafelFarbe());
}
