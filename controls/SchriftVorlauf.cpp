// Font database warm-up on a worker thread (see the header).
#include "SchriftVorlauf.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QString>
#include <QStringList>

#include <fontconfig/fontconfig.h>

namespace {
void Vorlauf(const std::shared_future<void> &konfiguration)
{
    if (konfiguration.valid())
        konfiguration.wait();
    QFontDatabase::families();
    // The menus' font and the captions' family in both weights, with the
    // arrow signs the start page shows: a family that is not installed makes
    // Qt ask the font configuration for its fallbacks, and that answer is
    // shared by all threads.
    const QString probe = QStringLiteral(u"Aa \u25C0\u25B6");
    QFontMetrics(QGuiApplication::font()).horizontalAdvance(probe);
    for (const bool fett : {false, true}) {
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(12);
        f.setBold(fett);
        QFontMetrics(f).horizontalAdvance(probe);
    }
}
}

std::shared_future<void> SchriftKonfigurationLesen()
{
    // FcInit is thread-safe and does nothing once the configuration is in.
    return std::async(std::launch::async, [] { FcInit(); }).share();
}

SchriftVorlauf::SchriftVorlauf(std::shared_future<void> konfiguration)
    : arbeit(std::async(std::launch::async, [k = std::move(konfiguration)] { Vorlauf(k); }))
{
}

SchriftVorlauf::~SchriftVorlauf()
{
    if (arbeit.valid())
        arbeit.wait();
}
