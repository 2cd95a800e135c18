// SystemUhr: the real tick count, local time and busy wait.
#include "Uhr.h"

#include <QCoreApplication>
#include <QThread>

#include <chrono>

qint64 SystemUhr::Ticks()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

QDateTime SystemUhr::Jetzt()
{
    return QDateTime::currentDateTime();
}

void SystemUhr::Warten(int ms)
{
    const qint64 ende = Ticks() + ms;
    while (Ticks() < ende) {
        // Keep repainting while we wait, but take no user input meanwhile.
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
        QThread::msleep(1);
    }
}
