#pragma once

#include <QDateTime>

namespace nookery {

// Local date and time to the whole second. Every timer of the suite computes from this,
// so tests can move time by hand instead of waiting for it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
};

// How long a single-shot timer sleeps before looking whether the date `now` shows has turned
// over. The clock counts whole seconds, so the sleep ends a second short of midnight and then
// steps by `stepMs` until the date changes: the change is seen at most `stepMs` late. It never
// sleeps more than an hour, so a machine that slept through midnight catches up within one.
int msecsToDateChange(const QDateTime &now, int stepMs);

} // namespace nookery
