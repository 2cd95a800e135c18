// The receiver thread of an active mailslot component.
#include "TCheckThread.h"

#include "TMailSlot2.h"
#include "UdpKanal.h"

#include <QMetaObject>

TCheckThread::TCheckThread(TMailSlot2 &s, const UdpKanal &k, int ms) : slot(s), kanal(k), intervall(ms) {}

void TCheckThread::run()
{
    PollSchleife(*this);
}

void TCheckThread::Beenden()
{
    QMutexLocker l(&mutex);
    laeuft = false;
    wecker.wakeAll();
}

void TCheckThread::Schlafen(int ms)
{
    QMutexLocker l(&mutex);
    if (laeuft)
        wecker.wait(&mutex, QDeadlineTimer(ms));
}

void TCheckThread::Pruefen()
{
    if (uebergabe || !kanal.Wartet())
        return;
    uebergabe = true;
    QMetaObject::invokeMethod(&slot, "Empfangen", Qt::QueuedConnection);
}
