// Tests of the icon whose picture is decoded on a worker thread.
#include "BildDatei.h"
#include "Rahmen.h"
#include "VorabSymbol.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>

#include <future>

#include <gtest/gtest.h>

namespace {
QIcon Vorab(const QImage &bild)
{
    std::promise<QImage> versprechen;
    versprechen.set_value(bild);
    return QIcon(new VorabSymbol(versprechen.get_future().share()));
}

// A 40 x 24 picture with a half-transparent corner, not square on purpose.
QImage Bild()
{
    QImage b(40, 24, QImage::Format_ARGB32_Premultiplied);
    b.fill(qRgb(20, 120, 220));
    QPainter p(&b);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(0, 0, 10, 10, QColor(250, 10, 10, 128));
    p.fillRect(30, 14, 10, 10, Qt::transparent);
    return b;
}

QImage Gemalt(const QIcon &symbol, QSize feld, QIcon::Mode modus, qreal dpr = 1)
{
    QImage ziel(feld * dpr, QImage::Format_ARGB32_Premultiplied);
    ziel.setDevicePixelRatio(dpr);
    ziel.fill(Qt::white);
    QPainter p(&ziel);
    symbol.paint(&p, QRect(QPoint(0, 0), feld), Qt::AlignCenter, modus);
    return ziel;
}
}

TEST(VorabSymbol, AnswersAsTheIconMadeAtOnce)
{
    const QImage bild = Bild();
    const QIcon sofort(QPixmap::fromImage(bild));
    const QIcon vorab = Vorab(bild);
    EXPECT_FALSE(vorab.isNull());
    EXPECT_EQ(vorab.availableSizes(), sofort.availableSizes());
    for (const QSize g : {QSize(16, 16), QSize(32, 32), QSize(40, 24), QSize(64, 64), QSize(7, 30)}) {
        EXPECT_EQ(vorab.actualSize(g), sofort.actualSize(g)) << g.width();
        for (QIcon::Mode modus : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
            EXPECT_EQ(vorab.pixmap(g, modus).toImage(), sofort.pixmap(g, modus).toImage()) << g.width() << " " << modus;
            EXPECT_EQ(Gemalt(vorab, g, modus), Gemalt(sofort, g, modus)) << g.width() << " " << modus;
            // On a screen of double density as well.
            EXPECT_EQ(Gemalt(vorab, g, modus, 2), Gemalt(sofort, g, modus, 2)) << g.width() << " " << modus;
            EXPECT_EQ(vorab.pixmap(g, 2.0, modus).toImage(), sofort.pixmap(g, 2.0, modus).toImage()) << g.width();
        }
    }
    // A copy shares the picture.
    const QIcon kopie = vorab;
    EXPECT_EQ(kopie.pixmap(32).toImage(), sofort.pixmap(32).toImage());
}

TEST(VorabSymbol, EmptyPictureGivesANullIcon)
{
    const QIcon vorab = Vorab(QImage());
    EXPECT_TRUE(vorab.isNull());
    EXPECT_TRUE(vorab.pixmap(32).isNull());
    EXPECT_TRUE(vorab.availableSizes().isEmpty());
}

TEST(VorabSymbol, ProgramIconIsItsPictureDecodedOnce)
{
    QFile f(":/programm/Pennoria.png");
    const QIcon symbol = ProgrammSymbol(); // registers the resources
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QImage direkt;
    ASSERT_TRUE(PngLesen(f, direkt));
    const QIcon sofort(QPixmap::fromImage(direkt));
    EXPECT_EQ(symbol.availableSizes(), QList<QSize>{QSize(64, 64)});
    EXPECT_EQ(symbol.pixmap(32, 32).toImage(), sofort.pixmap(32, 32).toImage());
    EXPECT_EQ(symbol.pixmap(64).toImage(), direkt.convertToFormat(symbol.pixmap(64).toImage().format()));
    // A second icon takes the same decoded pixels.
    EXPECT_EQ(ProgrammSymbol().pixmap(64).cacheKey(), symbol.pixmap(64).cacheKey());
}
