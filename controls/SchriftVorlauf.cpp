// Font database warm-up on a worker thread (see the header).
#include "SchriftVorlauf.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QString>
#include <QStringList>

namespace {
void Vorlauf()
{
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

SchriftVorlauf::SchriftVorlauf() : arbeit(std::async(std::launch::async, Vorlauf)) {}

SchriftVorlauf::~SchriftVorlauf()
{
    if (arbeit.valid())
        arbeit.wait();
}
