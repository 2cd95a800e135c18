// Helpers of the network tests: free port ranges on this machine, waiting
// for datagrams without a fixed sleep.
#pragma once
#include "MailSlotPort.h"
#include "TMailSlot2.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>
#include <unistd.h>

// A port range start whose port for the mailbox is free right now. Starts
// from the process id, so that tests of parallel runs pick different ranges.
inline int FreiePortBasis(const QString &mailBox, int versatz = 0)
{
    for (int k = 0; k < 60; ++k) {
        const int basis =
            20000 + int((unsigned(::getpid()) * 7919u + unsigned(versatz) * 3001u + unsigned(k) * 1000u) % 40000u);
        UdpKanal probe;
        if (probe.Binden(MailSlotPort(mailBox, basis)))
            return basis;
    }
    return 20000;
}

// Lets the event loop run until the condition holds or the time is up.
inline bool WartenBis(const std::function<bool()> &bedingung, int maxMs = 3000)
{
    QElapsedTimer t;
    t.start();
    while (!bedingung()) {
        if (t.elapsed() > maxMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}
