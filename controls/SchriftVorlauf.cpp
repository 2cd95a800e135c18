// Font database warm-up on a worker thread (see the header).
#include "SchriftVorlauf.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

namespace {
void Vorlauf(const std::shared_future<void> &konfiguration)
{
    if (konfiguration.valid())
        konfiguration.wait();
    QFontDatabase::families();
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
