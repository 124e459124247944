#include "timers/datemoment.h"

#include "common/datepattern.h"

#include <QRegularExpression>

namespace nookery::datemoment {

std::optional<QDate> parseDate(const QString &stored)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,2})[^\\d](\\d{1,2})[^\\d](\\d{4})\\s*$"));
    const QRegularExpressionMatch m = pattern.match(stored);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate date(m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QTime> parseTime(const QString &stored)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,2}):(\\d{2}):(\\d{2})\\s*([AP]M)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = pattern.match(stored);
    if (!m.hasMatch())
        return std::nullopt;
    const int hour12 = m.captured(1).toInt();
    if (hour12 < 1 || hour12 > 12)
        return std::nullopt;
    const bool pm = m.captured(4).compare(u"PM", Qt::CaseInsensitive) == 0;
    const QTime time(hour12 % 12 + (pm ? 12 : 0), m.captured(2).toInt(), m.captured(3).toInt());
    if (!time.isValid())
        return std::nullopt;
    return time;
}

std::optional<QDateTime> parse(const QString &date, const QString &time)
{
    const auto d = parseDate(date);
    const auto t = parseTime(time);
    if (!d || !t)
        return std::nullopt;
    return localMoment(*d, *t);
}

QString formatDate(const QDate &date)
{
    return formatDatePattern(date, QStringLiteral("mm/dd/yyyy"));
}

QString formatTime(const QString &hour, const QString &minute, const QString &second,
                   const QString &amPm)
{
    return hour + u':' + minute + u':' + second + u' ' + amPm;
}

QDateTime localMoment(const QDate &date, const QTime &time)
{
    // Try the offsets in force the day before and the day after (a zone switches at most
    // once a day): each that maps back to the same wall time is an occurrence of it.
    const int before = QDateTime(date.addDays(-1), time).offsetFromUtc();
    const int after = QDateTime(date.addDays(1), time).offsetFromUtc();
    const QDateTime wall(date, time, Qt::UTC);
    QDateTime first;
    for (const int offset : {before, after}) {
        const QDateTime candidate = wall.addSecs(-offset).toLocalTime();
        if (candidate.date() == date && candidate.time() == time &&
            (!first.isValid() || candidate < first))
            first = candidate;
    }
    if (first.isValid())
        return first;
    // Skipped by a switch forward: the same time on the clock as it ran before the switch.
    return wall.addSecs(-before).toLocalTime();
}

} // namespace nookery::datemoment
