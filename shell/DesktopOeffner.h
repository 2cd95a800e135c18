#pragma once
#include "Oeffner.h"

// The desktop's default program through the platform's URL handler.
class DesktopOeffner : public IOeffner
{
public:
    bool Oeffnen(const QString &ziel) override;
};
