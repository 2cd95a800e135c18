// DesktopOeffner: the desktop's default program through xdg-open.
#pragma once
#include "Oeffner.h"

// The desktop's default program through xdg-open, started without waiting;
// its exit status is the outcome (a URL handler that only says "launched"
// would report success before xdg-open has even tried).
class DesktopOeffner : public IOeffner
{
public:
    explicit DesktopOeffner(QString programm = QStringLiteral("xdg-open"));
    void Oeffnen(const QString &ziel, std::function<void(bool ok)> fertig) override;

private:
    QString programm;
};
