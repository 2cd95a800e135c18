// The receiver thread of an active mailslot component.
#include "TCheckThread.h"

#include "TMailSlot2.h"
#include "UdpKanal.h"

#include <QMetaObject>

#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

TCheckThread::TCheckThread(TMailSlot2 &s, const UdpKanal &k, int ms)
    : slot(s), kanal(k), intervall(ms), wecker(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
}

TCheckThread::~TCheckThread()
{
    if (wecker >= 0)
        ::close(wecker);
}

void TCheckThread::run()
{
    PollSchleife(*this);
}

void TCheckThread::Beenden()
{
    laeuft = false;
    if (wecker >= 0) {
        const quint64 eins = 1;
        [[maybe_unused]] const ssize_t n = ::write(wecker, &eins, sizeof eins);
    }
}

void TCheckThread::Schlafen(int ms)
{
    if (!laeuft)
        return;
    // Datagrams end the sleep only with a short interval, and not while the
    // window has not taken what was read (else the loop would spin).
    const bool aufDaten = ms < 1000 && !gestaut;
    pollfd p[2] = {{wecker, POLLIN, 0}, {kanal.Handle(), POLLIN, 0}};
    int r;
    do
        r = ::poll(p, aufDaten && kanal.Handle() >= 0 ? 2 : 1, gestaut ? qMin(ms, 5) : ms);
    while (r < 0 && errno == EINTR && laeuft);
    if (wecker < 0 && r < 0)
        QThread::msleep(ulong(ms)); // no eventfd: a plain sleep
}

void TCheckThread::Pruefen()
{
    const bool wartet = slot.Abholen();
    // Many more than a class sends between two passes of the window: it
    // has fallen behind, so give it time before reading on.
    gestaut = wartet && uebergabe;
    if (!wartet || uebergabe.exchange(true))
        return;
    QMetaObject::invokeMethod(&slot, "Empfangen", Qt::QueuedConnection);
}
