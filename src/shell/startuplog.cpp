#include "shell/startuplog.h"

#include "common/datepattern.h"
#include "common/failure.h"
#include "common/text1252.h"

#include <QLocale>

#include <array>

namespace nookery {

namespace {

bool survivesCodePage(const QString &text)
{
    return fromWindows1252(toWindows1252(text)) == text;
}

// Day before month in the locale's short date format ("d.M.yy", "dd/MM/yyyy").
bool localeDayFirst()
{
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    const qsizetype d = format.indexOf(u'd');
    const qsizetype m = format.indexOf(u'M');
    return d >= 0 && (m < 0 || d < m);
}

// Up to three runs of digits and what follows the last one.
struct Numbers
{
    std::array<int, 3> value{};
    std::array<int, 3> digits{};
    int count = 0;
    QStringView rest;
};

Numbers leadingNumbers(QStringView text, int most, bool allowDot)
{
    Numbers out;
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    while (out.count < most && i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
        int v = 0;
        int n = 0;
        while (i < text.size() && text[i].unicode() >= '0' && text[i].unicode() <= '9' && n < 5) {
            v = v * 10 + (text[i].unicode() - '0');
            ++n;
            ++i;
        }
        out.value[size_t(out.count)] = v;
        out.digits[size_t(out.count)] = n;
        ++out.count;
        if (out.count < most && i + 1 < text.size() &&
            (text[i] == u'/' || text[i] == u'-' || text[i] == u':' ||
             (allowDot && text[i] == u'.')) &&
            text[i + 1].isDigit())
            ++i;
        else
            break;
    }
    out.rest = text.mid(i);
    return out;
}

// "am" for a suffix that starts the English or the locale's morning text, "pm" likewise;
// a cut field keeps only the start of it ("p." of "p. m.").
std::optional<bool> afternoon(QStringView suffix)
{
    const QString s = suffix.trimmed().toString();
    if (s.isEmpty())
        return std::nullopt;
    const QLocale locale;
    const auto starts = [&s](const QString &word) {
        const QString w = word.trimmed();
        return !w.isEmpty() && w.startsWith(s, Qt::CaseInsensitive);
    };
    if (starts(QStringLiteral("AM")) || starts(locale.amText()))
        return false;
    if (starts(QStringLiteral("PM")) || starts(locale.pmText()))
        return true;
    return std::nullopt;
}

} // namespace

QString startDateText(const QDate &date, const QString &calendarFormat)
{
    return formatDatePattern(date, DatePatterns::fromSetting(calendarFormat).longDate);
}

QString startTimeText(const QTime &time)
{
    const QString text = longTime(time).left(StartupRecord::TimeLength);
    if (!survivesCodePage(text) || !readStartTime(text))
        return time.toString(QStringLiteral("HH:mm:ss"));
    return text;
}

StartupRecord StartupRecord::at(const QDateTime &moment, const QString &calendarFormat)
{
    return {startDateText(moment.date(), calendarFormat), startTimeText(moment.time())};
}

StartupRecord StartupRecord::fromBytes(const QByteArray &bytes)
{
    return {fromWindows1252(bytes.left(DateLength)),
            fromWindows1252(bytes.mid(DateLength, TimeLength))};
}

QByteArray StartupRecord::toBytes() const
{
    return toFixedField(StartDate, DateLength) + toFixedField(StartTime, TimeLength);
}

QDate readStartDate(const QString &text)
{
    const Numbers n = leadingNumbers(text, 3, true);
    if (n.count != 3 || !n.rest.trimmed().isEmpty() || n.digits[2] > 4)
        return {};
    const bool dayFirst = localeDayFirst();
    const int day = n.value[dayFirst ? 0 : 1];
    const int month = n.value[dayFirst ? 1 : 0];
    int year = n.value[2];
    if (n.digits[2] <= 2)
        year += 2000;
    return QDate(year, month, day);
}

std::optional<QTime> readStartTime(const QString &text)
{
    const Numbers n = leadingNumbers(text, 3, true);
    if (n.count < 2 || n.digits[0] > 2 || n.digits[1] != 2 || (n.count == 3 && n.digits[2] != 2))
        return std::nullopt;
    int hour = n.value[0];
    const int minute = n.value[1];
    const int second = n.count == 3 ? n.value[2] : 0;
    if (!n.rest.trimmed().isEmpty()) {
        const std::optional<bool> pm = afternoon(n.rest);
        if (!pm || hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (*pm ? 12 : 0);
    }
    const QTime time(hour, minute, second);
    if (!time.isValid())
        return std::nullopt;
    return time;
}

QString startupLine(const StartupRecord &record, qint64 number, bool shortDate)
{
    const QDate date = readStartDate(record.StartDate);
    QString dateText = record.StartDate;
    if (shortDate && date.isValid())
        dateText = formatDatePattern(date, QStringLiteral("mm/dd/yy"));
    const std::optional<QTime> time = readStartTime(record.StartTime);
    const QString timeText = time ? QLocale::c().toString(*time, QStringLiteral("hh:mm ap"))
                                  : record.StartTime.trimmed();
    const QString weekday =
        date.isValid() ? QLocale().dayName(date.dayOfWeek(), QLocale::LongFormat) : QString();
    return u' ' + dateText + QStringLiteral("    ") + timeText + QStringLiteral("    ") + weekday +
           u'\t' + QString::number(number);
}

void appendStartup(const QString &path, const StartupRecord &record)
{
    RecordFile file(StartupRecord::Length);
    file.open(path);
    file.appendUnsynced(record.toBytes());
    file.close();
}

StartupLog::StartupLog(QString path) : m_path(std::move(path)) {}

void StartupLog::open()
{
    m_file.open(m_path);
}

QList<StartupRecord> StartupLog::records() const
{
    const qint64 n = count();
    const QByteArray bytes = m_file.readRecords(0, n);
    QList<StartupRecord> out;
    out.reserve(bytes.size() / StartupRecord::Length);
    for (qsizetype at = 0; at + StartupRecord::Length <= bytes.size(); at += StartupRecord::Length)
        out.append(StartupRecord::fromBytes(bytes.mid(at, StartupRecord::Length)));
    return out;
}

QStringList StartupLog::lines(bool shortDate) const
{
    const QList<StartupRecord> all = records();
    QStringList out;
    out.reserve(all.size());
    for (qsizetype k = all.size(); k >= 1; --k)
        out.append(startupLine(all[k - 1], k, shortDate));
    return out;
}

void StartupLog::pruneToNewest()
{
    if (!isOpen())
        open();
    const qint64 n = count();
    const QByteArray newest = n > 0 ? m_file.read(n - 1) : QByteArray();
    step("read");
    // The held handle goes before the rename and comes back after it, whatever happened.
    m_file.close();
    step("closed");
    try {
        replaceFileAtomically(m_path, newest, TemporaryName);
    } catch (...) {
        m_file.open(m_path);
        throw;
    }
    step("replaced");
    m_file.open(m_path);
    step("reopened");
}

} // namespace nookery
