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

// Formats `date` with one of the patterns above and localeDateSeparator() between the parts.
QString formatDatePattern(const QDate &date, const QString &pattern);

// The separator the suite writes between a date's parts: the default locale's short-date
// separator when it is "/", "-" or "." ("/" in en_US, "." in de_DE), otherwise "/". The C
// locale's short date ("d MMM yyyy") has only a blank, which no older reader takes.
QString localeDateSeparator();

// The first character between the fields of the default locale's short date, whatever it
// is (a blank in C); older writes used it.
QString localeOwnDateSeparator();

// Whether `c` may stand between the parts of a stored date: "/", "-", "." or a blank, so a
// date written under any locale, C included, reads back.
constexpr bool isDateSeparator(QChar c)
{
    return c == u'/' || c == u'-' || c == u'.' || c == u' ';
}

// Whether the default locale's numeric short date puts the day before the month ("d.M.yy",
// "dd/MM/yyyy"). A short date without a numeric month (C: "d MMM yyyy") gives no order for
// numbers: month first, as "Calendar Format" defaults to.
bool localeDayFirst();

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
