#include "timers/formatremaining.h"

#include <QLocale>
#include <limits>
#include <optional>

namespace nookery {

namespace {

qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// The older versions kept hours, minutes and seconds in 32-bit integers; a part that does
// not fit ends the text there.
std::optional<qint32> fit32(qint64 v)
{
    if (v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(v);
}

// ASCII digits grouped by threes with the locale's separator, whatever digits the
// locale itself writes.
QString groupedDays(qint64 days)
{
    const QString digits =
        QString::number(days < 0 ? -static_cast<quint64>(days) : static_cast<quint64>(days));
    const QString separator = QLocale().groupSeparator();
    QString out;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += separator;
        out += digits.at(i);
    }
    return days < 0 ? u'-' + out : out;
}

QString twoDigits(qint32 v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

} // namespace

Remaining FormatRemaining(qint64 s)
{
    Remaining r;
    r.text = groupedDays(floorDiv(s, 86400)) + QStringLiteral(" days, ");

    const auto hours = fit32(floorDiv(s, 3600));
    if (!hours)
        return r;
    r.text += QString::number(*hours % 24) + QStringLiteral(" hours, ");

    const auto totalMinutes = fit32(floorDiv(s, 60));
    if (!totalMinutes)
        return r;
    const qint32 m = *totalMinutes % 60;
    r.text += QString::number(m) + QStringLiteral(" mins, ");

    const auto totalSeconds = fit32(s);
    if (!totalSeconds)
        return r;
    const qint32 sec = *totalSeconds % 60;
    r.text += QString::number(sec) + QStringLiteral(" secs.");

    if (s < 0) {
        // A late tick can see a moment already passed; the digits stop at zero rather than
        // read "-1:0-1:0-1".
        r.hours = QStringLiteral("0:");
        r.minutes = QStringLiteral("00:");
        r.seconds = QStringLiteral("00");
    } else {
        r.hours = QString::number(*hours) + u':';
        r.minutes = twoDigits(m) + u':';
        r.seconds = twoDigits(sec);
    }
    return r;
}

} // namespace nookery
