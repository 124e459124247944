#pragma once

#include <QDate>
#include <QString>

namespace nookery {

// The ways the calendar writes a date.
enum class DateStyle {
    ShortFormat, // "dd/mm/yy" or "mm/dd/yy" by "Calendar Format"
    ShortDate,   // the locale's short date
    MediumDate,  // "dd-MMM-yy" with the locale's month
    LongDate,    // the locale's long date
    None,        // every style switched off: nothing is written
};

// The three style keys as the store reads them ("Short Date", "Medium Date", "Long Date";
// the last is on when never set).
struct StyleKeys
{
    bool shortDate = false;
    bool mediumDate = false;
    bool longDate = true;
};

// The date label's style: the first key that is on; none when all are off.
DateStyle displayStyle(const StyleKeys &keys);
// The same choice for the clipboard, with the locale's short date for "Short Date".
DateStyle copyStyle(const StyleKeys &keys);

// `date` in `style`; empty for DateStyle::None.
QString formatDate(const QDate &date, DateStyle style, const QString &calendarFormat);

// Whole calendar days between the two dates, never negative. Dates, not times, so a
// daylight-saving change never makes ten days nine.
qint64 dayDifference(const QDate &today, const QDate &picked);

} // namespace nookery
