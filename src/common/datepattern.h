#pragma once

#include <QDate>
#include <QString>
#include <QTime>

namespace nookery {

// "Calendar" / "Calendar Format": "dd/mm" puts the day first; any other value, the empty
// string included, puts the month first.
struct DatePatterns
{
    QString dayMonth;  // "dd/mm" or "mm/dd"
    QString shortDate; // "dd/mm/yy" or "mm/dd/yy"
    QString longDate;  // "dd/mm/yyyy" or "mm/dd/yyyy"

    static DatePatterns fromSetting(const QString &calendarFormat);
    bool dayFirst() const { return dayMonth.startsWith(u'd'); }

    bool operator==(const DatePatterns &) const = default;
};

// Formats `date` with one of the patterns above; the separator is the locale's date
// separator (the one of its short date format), as the older versions printed dates.
QString formatDatePattern(const QDate &date, const QString &pattern);

// The date separator of the default locale's short date format ("/" in en_US, "." in de_DE).
QString localeDateSeparator();

// Medium date "dd-MMM-yy" with the default locale's month abbreviation: "08-Dec-26",
// de_DE "08-Dez.-26".
QString mediumDate(const QDate &date);

// Medium time, twelve-hour with the locale's AM/PM text: "09:05 PM" for 21:05.
QString mediumTime(const QTime &time);

// The default locale's long time format without its time-zone part ("9:00:00 AM" in en_US,
// "09:00:00" in de_DE): the zone name Qt appends is wanted by no caller.
QString longTimeFormat();
QString longTime(const QTime &time);

} // namespace nookery
