// IUhr: tick count, local time and short waits, and the real clock behind it.
#pragma once
#include <QDateTime>
#include <QtGlobal>

// Tick count, local time and the short busy waits of feedback and retries.
// Tests replace it so that a 150 ms flash or a 5 x 100 ms retry takes no time.
class IUhr
{
public:
    virtual ~IUhr() = default;
    virtual qint64 Ticks() = 0;      // milliseconds, monotonic
    virtual QDateTime Jetzt() = 0;   // local date and time
    virtual void Warten(int ms) = 0; // busy wait; the UI may keep painting
};

class SystemUhr : public IUhr
{
public:
    qint64 Ticks() override;
    QDateTime Jetzt() override;
    void Warten(int ms) override;
};
