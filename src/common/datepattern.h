#pragma once

#include <QDate>
#include <QString>

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

} // namespace nookery
