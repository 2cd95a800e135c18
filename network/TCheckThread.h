// The receiver thread of an active mailslot component.
#pragma once
#include "PollSchleife.h"

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>

class TMailSlot2;
class UdpKanal;

// Polls the component's socket in the loop of PollSchleife. When messages
// wait it asks the user-interface thread, through a queued call, to read
// them all in one pass; it never touches the component's data itself, and
// at most one such call is outstanding.
class TCheckThread : public QThread, private IPollUmgebung
{
public:
    TCheckThread(TMailSlot2 &slot, const UdpKanal &kanal, int intervall);

    void IntervallSetzen(int ms) { intervall = ms; }
    // Ends the loop soon (a sleeping thread wakes at once); then wait().
    void Beenden();
    // Called by the user-interface pass when it has read what waited.
    void UebergabeErledigt() { uebergabe = false; }

protected:
    void run() override;

private:
    bool SollEnden() override { return !laeuft; }
    int Intervall() override { return intervall; }
    void Schlafen(int ms) override;
    void Pruefen() override;

    TMailSlot2 &slot;
    const UdpKanal &kanal;
    std::atomic<int> intervall;
    std::atomic<bool> laeuft{true};
    std::atomic<bool> uebergabe{false};
    QMutex mutex;
    QWaitCondition wecker;
};
