// Points in time as our files store them: days since 1899-12-30.
#pragma once
#include <QDateTime>

// Points in time as stored in our files: days since 1899-12-30 00:00 local
// time, the fraction being the time of day.
double ZeitNachDelphi(const QDateTime &zeit);
QDateTime DelphiNachZeit(double tage);
