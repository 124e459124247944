#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace nookery {

// The "Calendar" keys that choose the stamp's date style, as the store reads them.
struct StampStyle
{
    bool shortDate = false;  // "Short Date"
    bool mediumDate = false; // "Medium Date"
    bool longDate = true;    // "Long Date", on when never set
    QString calendarFormat;  // "Calendar Format"
};

// The date and time stamp for `now`: the first chosen date style, two blanks, the medium
// time. No value when no style is chosen.
std::optional<QString> dateStamp(const StampStyle &style, const QDateTime &now);

} // namespace nookery
