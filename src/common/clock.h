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

} // namespace nookery
