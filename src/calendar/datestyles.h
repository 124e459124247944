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

// The three style keys as stored ("Short Date", "Medium Date", "Long Date").
struct StyleKeys
{
    QString shortDate;
    QString mediumDate;
    QString longDate;
};

// The date label's style: the first key that is "yes"; the long date when none is and
// "Long Date" was never set.
DateStyle displayStyle(const StyleKeys &keys);
// The same choice for the clipboard, with the locale's short date for "Short Date".
DateStyle copyStyle(const StyleKeys &keys);

// `date` in `style`; empty for DateStyle::None.
QString formatDate(const QDate &date, DateStyle style, const QString &calendarFormat);

// Whole calendar days between the two dates, never negative. Dates, not times, so a
// daylight-saving change never makes ten days nine.
qint64 dayDifference(const QDate &today, const QDate &picked);

} // namespace nookery
