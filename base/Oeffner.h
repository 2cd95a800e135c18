// IOeffner: the desktop's non-blocking open action for files and addresses.
#pragma once
#include <QString>

#include <functional>

// The desktop's "open" action for files and web addresses. It runs without
// blocking the window; its outcome arrives later: `fertig` is called exactly
// once, with false when the opener failed (also when it could not be
// started at all, which may be reported before Oeffnen returns).
class IOeffner
{
public:
    virtual ~IOeffner() = default;
    virtual void Oeffnen(const QString &ziel, std::function<void(bool ok)> fertig) = 0;
};
