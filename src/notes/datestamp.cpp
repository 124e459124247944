#include "notes/datestamp.h"

#include "common/datepattern.h"

#include <QLocale>

namespace nookery {

std::optional<QString> dateStamp(const StampStyle &style, const QDateTime &now)
{
    const QDate today = now.date();
    QString date;
    if (style.shortDate)
        date = formatDatePattern(today, DatePatterns::fromSetting(style.calendarFormat).shortDate);
    else if (style.mediumDate)
        date = mediumDate(today);
    else if (style.longDate)
        date = QLocale().toString(today, QLocale::LongFormat);
    else
        return std::nullopt;
    return date + QStringLiteral("  ") + mediumTime(now.time());
}

} // namespace nookery
