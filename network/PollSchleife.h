// The receiver thread's polling loop, apart from the thread so that a test
// can run it on a test clock.
#pragma once

class IPollUmgebung
{
public:
    virtual ~IPollUmgebung() = default;
    virtual bool SollEnden() = 0;
    virtual int Intervall() = 0;       // CheckInterval in ms
    virtual void Schlafen(int ms) = 0; // returns early when asked to end
    virtual void Pruefen() = 0;        // look for waiting messages, hand them over
};

// Below 1000 ms: check, then sleep the interval. From 1000 ms: sleep in
// steps of 1000 ms, checking at once and then whenever the slept time has
// reached the interval, so that the period is the interval taken up to the
// next whole second and an end request is noticed within a second.
// An interval below 1 ms is taken as 1 ms, so the loop never spins.
void PollSchleife(IPollUmgebung &u);
