// StdZufall: the Mersenne twister behind IZufall, and the start seed.
#include "Zufall.h"

#include <QDateTime>

int StdZufall::Zahl(int n)
{
    if (n <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(gen);
}

double StdZufall::Bruch()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(gen);
}

quint32 StartSaat()
{
    const QTime t = QDateTime::currentDateTimeUtc().time();
    return quint32(((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 + t.msec());
}
