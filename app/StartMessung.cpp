// Start-up measurement: the time from launch to the window's first paint.
#include "StartMessung.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {
class ErsterAnstrich : public QObject
{
public:
    ErsterAnstrich(QWidget &fenster, long long start, bool ende) : QObject(&fenster), start(start), ende(ende)
    {
        fenster.installEventFilter(this);
    }

    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && !gemeldet) {
            gemeldet = true;
            o->removeEventFilter(this);
            // Queued, so the paint itself and its flush to the screen are in.
            QTimer::singleShot(0, this, [this] { Melden(); });
        }
        return false;
    }

private:
    void Melden()
    {
        const auto jetzt =
            std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
                .count();
        std::fprintf(stderr, "Startzeit: %.1f ms\n", double(jetzt - start) / 1e6);
        if (ende)
            QCoreApplication::quit();
    }

    long long start;
    bool ende;
    bool gemeldet = false;
};
}

void StartMessungAnmelden(QWidget &fenster)
{
    bool ok = false;
    const long long start = qEnvironmentVariable("PENNORIA_STARTMESSUNG").toLongLong(&ok);
    if (!ok || start <= 0)
        return;
    new ErsterAnstrich(fenster, start, qEnvironmentVariableIsSet("PENNORIA_STARTMESSUNG_ENDE"));
}
