// Conversion between QDateTime and the day count our files store.
#include "DelphiZeit.h"

#include <cmath>

namespace {
const QDate kNullTag(1899, 12, 30);
constexpr double kMsProTag = 86400000.0;
} // namespace

double ZeitNachDelphi(const QDateTime &zeit)
{
    const QDateTime lokal = zeit.toLocalTime();
    const double tage = double(kNullTag.daysTo(lokal.date()));
    const double bruch = lokal.time().msecsSinceStartOfDay() / kMsProTag;
    // Before the epoch the fraction still counts forward from midnight, as the format does.
    return tage >= 0 ? tage + bruch : tage - bruch;
}

QDateTime DelphiNachZeit(double tage)
{
    if (!std::isfinite(tage) || std::fabs(tage) > 3.0e6)
        return {};
    const double ganz = std::trunc(tage);
    double bruch = std::fabs(tage - ganz);
    qint64 ms = qint64(std::llround(bruch * kMsProTag));
    QDate d = kNullTag.addDays(qint64(ganz));
    if (ms >= qint64(kMsProTag)) {
        ms -= qint64(kMsProTag);
        d = d.addDays(1);
    }
    return QDateTime(d, QTime::fromMSecsSinceStartOfDay(int(ms)));
}
