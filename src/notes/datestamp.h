#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace nookery {

// The "Calendar" keys that choose the stamp's date style.
struct StampStyle
{
    QString shortDate;      // "Short Date"
    QString mediumDate;     // "Medium Date"
    QString longDate;       // "Long Date"
    QString calendarFormat; // "Calendar Format"
};

// The date and time stamp for `now`: the chosen date style, two blanks, the medium time.
// No value when no style is chosen ("Long Date" set to anything but "yes" and the other two
// not "yes").
std::optional<QString> dateStamp(const StampStyle &style, const QDateTime &now);

} // namespace nookery
