// Tests of the font warm-up: it runs beside the main thread's own font use.
#include "SchriftVorlauf.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

// Each test runs in a fresh process, so the database is still empty here and
// both threads race for filling it: neither may block the other for good or
// see a half-filled database.
namespace {
void MitVorlauf(std::shared_future<void> konfiguration)
{
    QImage bild(200, 40, QImage::Format_RGB32);
    bild.fill(Qt::white);
    int breite = 0;
    {
        const SchriftVorlauf vorlauf(std::move(konfiguration));
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(14);
        f.setBold(true);
        breite = QFontMetrics(f).horizontalAdvance(QStringLiteral(u"Quiz starten \u25C0"));
        QPainter p(&bild);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(5, 25, QStringLiteral("Startseite"));
    }
    EXPECT_FALSE(QFontDatabase::families().isEmpty());
    EXPECT_GT(breite, 0);
    bool tinte = false;
    for (int y = 0; y < bild.height() && !tinte; ++y)
        for (int x = 0; x < bild.width() && !tinte; ++x)
            tinte = bild.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_TRUE(tinte);
}
}

TEST(SchriftVorlauf, MainThreadUsesFontsWhileTheWorkerFillsTheDatabase)
{
    MitVorlauf({});
}

TEST(SchriftVorlauf, AndWithTheFontConfigurationReadAheadOnAnotherThread)
{
    MitVorlauf(SchriftKonfigurationLesen());
}
