#include "calendar/datestyles.h"

#include "common/datepattern.h"

#include <QLocale>

namespace nookery {

DateStyle displayStyle(const StyleKeys &keys)
{
    if (keys.shortDate)
        return DateStyle::ShortFormat;
    if (keys.mediumDate)
        return DateStyle::MediumDate;
    if (keys.longDate)
        return DateStyle::LongDate;
    return DateStyle::None;
}

DateStyle copyStyle(const StyleKeys &keys)
{
    const DateStyle style = displayStyle(keys);
    return style == DateStyle::ShortFormat ? DateStyle::ShortDate : style;
}

QString formatDate(const QDate &date, DateStyle style, const QString &calendarFormat)
{
    switch (style) {
    case DateStyle::ShortFormat:
        return formatDatePattern(date, DatePatterns::fromSetting(calendarFormat).shortDate);
    case DateStyle::ShortDate:
        return QLocale().toString(date, QLocale::ShortFormat);
    case DateStyle::MediumDate:
        return mediumDate(date);
    case DateStyle::LongDate:
        return QLocale().toString(date, QLocale::LongFormat);
    case DateStyle::None:
        break;
    }
    return {};
}

qint64 dayDifference(const QDate &today, const QDate &picked)
{
    const qint64 days = today.daysTo(picked);
    return days < 0 ? -days : days;
}

} // namespace nookery
