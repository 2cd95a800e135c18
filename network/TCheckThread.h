// The receiver thread of an active mailslot component.
#pragma once
#include "PollSchleife.h"

#include <QThread>

#include <atomic>

class TMailSlot2;
class UdpKanal;

// Runs the loop of PollSchleife. Each check reads every waiting datagram
// off the socket into the component's queue (TMailSlot2::Abholen) and, when
// messages wait there, asks the user-interface thread through a queued call
// to hand them on; at most one such call is outstanding. With an interval
// below a second the sleep also ends as soon as a datagram arrives, so the
// socket is drained while the window is busy and a burst does not overflow
// the system's buffer.
class TCheckThread : public QThread, private IPollUmgebung
{
public:
    TCheckThread(TMailSlot2 &slot, const UdpKanal &kanal, int intervall);
    ~TCheckThread() override;

    void IntervallSetzen(int ms) { intervall = ms; }
    // Ends the loop soon (a sleeping thread wakes at once); then wait().
    void Beenden();
    // Called by the user-interface pass when it has taken what waited.
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
    // The queue was full at the last check: wait before reading again.
    bool gestaut = false;
    int wecker = -1; // eventfd that ends a sleep
};
