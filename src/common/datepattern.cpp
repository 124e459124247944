#include "datepattern.h"

#include <QLocale>

namespace nookery {

DatePatterns DatePatterns::fromSetting(const QString &calendarFormat)
{
    if (calendarFormat == u"dd/mm")
        return {QStringLiteral("dd/mm"), QStringLiteral("dd/mm/yy"), QStringLiteral("dd/mm/yyyy")};
    return {QStringLiteral("mm/dd"), QStringLiteral("mm/dd/yy"), QStringLiteral("mm/dd/yyyy")};
}

QString localeOwnDateSeparator()
{
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    for (const QChar c : format) {
        if (!c.isLetter() && c != u'\'')
            return QString(c);
    }
    return QStringLiteral("/");
}

QString localeDateSeparator()
{
    const QString own = localeOwnDateSeparator();
    if (own == u"/" || own == u"-" || own == u".")
        return own;
    return QStringLiteral("/");
}

bool localeDayFirst()
{
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    const qsizetype day = format.indexOf(u'd');
    const qsizetype month = format.indexOf(u'M');
    if (day < 0 || month < 0 || format.mid(month, 3) == u"MMM")
        return false;
    return day < month;
}

QString formatDatePattern(const QDate &date, const QString &pattern)
{
    const QString sep = localeDateSeparator();
    QString out;
    const QStringList parts = pattern.split(u'/');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            out += sep;
        const QString &p = parts.at(i);
        if (p == u"dd")
            out += QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
        else if (p == u"mm")
            out += QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'));
        else if (p == u"yy")
            out += QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0'));
        else if (p == u"yyyy")
            out += QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
        else
            out += p;
    }
    return out;
}

QString mediumDate(const QDate &date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(QLocale().monthName(date.month(), QLocale::ShortFormat))
        .arg(date.year() % 100, 2, 10, QLatin1Char('0'));
}

QString mediumTime(const QTime &time)
{
    const QLocale locale;
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2 %3")
        .arg(hour12, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? locale.amText() : locale.pmText());
}

QString longTimeFormat()
{
    // Drop every zone letter ("t", "tt", ...) outside quotes, and the blanks it leaves.
    const QString format = QLocale().timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't')
            continue;
        out += c;
    }
    return out.trimmed();
}

QString longTime(const QTime &time)
{
    return QLocale().toString(time, longTimeFormat());
}

} // namespace nookery
