#include "clock.h"

namespace nookery {

QDateTime SystemClock::now() const
{
    QDateTime t = QDateTime::currentDateTime();
    const QTime time = t.time();
    t.setTime(QTime(time.hour(), time.minute(), time.second()));
    return t;
}

} // namespace nookery
