#include "clock.h"

#include <algorithm>

namespace nookery {

QDateTime SystemClock::now() const
{
    QDateTime t = QDateTime::currentDateTime();
    const QTime time = t.time();
    t.setTime(QTime(time.hour(), time.minute(), time.second()));
    return t;
}

int msecsToDateChange(const QDateTime &now, int stepMs)
{
    constexpr qint64 HourMs = 3600 * 1000;
    const qint64 secs = now.secsTo(now.date().addDays(1).startOfDay());
    if (secs <= 1)
        return stepMs;
    return int(std::min((secs - 1) * 1000, HourMs));
}

} // namespace nookery
