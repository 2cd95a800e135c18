#pragma once
#include <QString>

// The desktop's "open" action for files and web addresses.
class IOeffner
{
public:
    virtual ~IOeffner() = default;
    virtual bool Oeffnen(const QString &ziel) = 0;
};
