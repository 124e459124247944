#pragma once

#include <QString>

namespace nookery {

// A signed number of seconds as the timers show it: the long text ("1 days, 2 hours,
// 3 mins, 4 secs.") and the three digit labels of H:MM:SS.
struct Remaining
{
    QString text;
    // "26:", "03:", "04". All three are empty when the number is too large for them: the
    // caller then leaves its digit labels as they were.
    QString hours;
    QString minutes;
    QString seconds;

    bool hasDigits() const { return !hours.isEmpty(); }
    QString digits() const { return hours + minutes + seconds; }
    bool operator==(const Remaining &) const = default;
};

Remaining FormatRemaining(qint64 seconds);

} // namespace nookery
