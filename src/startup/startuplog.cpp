#include "startup/startuplog.h"

#include "common/datepattern.h"
#include "common/text1252.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <climits>

namespace nookery {

// What reading a log needs of the locale, looked up once per list rather than per line.
struct StartupLocale
{
    StartupLocale()
    {
        const QLocale locale;
        for (int day = 1; day <= 7; ++day)
            weekdays[size_t(day - 1)] = locale.dayName(day, QLocale::LongFormat);
        am = locale.amText().trimmed();
        pm = locale.pmText().trimmed();
    }

    std::array<QString, 7> weekdays;
    QString am;
    QString pm;
};

namespace {

bool survivesCodePage(const QString &text)
{
    return fromWindows1252(toWindows1252(text)) == text;
}

// Up to three runs of digits and what follows the last one.
struct Numbers
{
    std::array<int, 3> value{};
    std::array<int, 3> digits{};
    int count = 0;
    QStringView rest;
};

// A date's parts may also stand apart by a blank (written under C by older versions).
Numbers leadingNumbers(QStringView text, int most, bool date)
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
            (text[i] == u':' || (isDateSeparator(text[i]) && (date || text[i] != u' '))) &&
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
std::optional<bool> afternoon(QStringView suffix, const StartupLocale &facts)
{
    const QStringView s = suffix.trimmed();
    if (s.isEmpty())
        return std::nullopt;
    const auto starts = [&s](QStringView word) {
        return !word.isEmpty() && word.startsWith(s, Qt::CaseInsensitive);
    };
    if (starts(u"AM") || starts(facts.am))
        return false;
    if (starts(u"PM") || starts(facts.pm))
        return true;
    return std::nullopt;
}

QDate readDate(QStringView text, bool dayFirst)
{
    const Numbers n = leadingNumbers(text, 3, true);
    if (n.count != 3 || !n.rest.trimmed().isEmpty() || n.digits[2] > 4)
        return {};
    int year = n.value[2];
    if (n.digits[2] <= 2)
        year += 2000;
    const QDate date(year, n.value[dayFirst ? 1 : 0], n.value[dayFirst ? 0 : 1]);
    if (date.isValid())
        return date;
    // Written before "Calendar Format" last changed: 25/12 under mm/dd can only be day first.
    return QDate(year, n.value[dayFirst ? 0 : 1], n.value[dayFirst ? 1 : 0]);
}

std::optional<QTime> readTime(QStringView text, const StartupLocale &facts)
{
    const Numbers n = leadingNumbers(text, 3, false);
    if (n.count < 2 || n.digits[0] > 2 || n.digits[1] != 2 || (n.count == 3 && n.digits[2] != 2))
        return std::nullopt;
    int hour = n.value[0];
    const int minute = n.value[1];
    const int second = n.count == 3 ? n.value[2] : 0;
    if (!n.rest.trimmed().isEmpty()) {
        const std::optional<bool> pm = afternoon(n.rest, facts);
        if (!pm || hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (*pm ? 12 : 0);
    }
    const QTime time(hour, minute, second);
    if (!time.isValid())
        return std::nullopt;
    return time;
}

void appendTwoDigits(QString &out, int n)
{
    out += QChar(u'0' + n / 10);
    out += QChar(u'0' + n % 10);
}

QString line(const StartupRecord &record, qint64 number, bool dayFirst, bool shortDate,
             const StartupLocale &facts)
{
    const QDate date = readDate(record.StartDate, dayFirst);
    QString out;
    out.reserve(48);
    out += u' ';
    if (shortDate && date.isValid())
        out += formatDatePattern(date, QStringLiteral("mm/dd/yy"));
    else
        out += record.StartDate;
    out += QLatin1String("    ");
    // "hh:mm ap" of the C locale, written out by hand: a long log has a line per start.
    if (const std::optional<QTime> time = readTime(record.StartTime, facts)) {
        const int hour = time->hour() % 12 == 0 ? 12 : time->hour() % 12;
        appendTwoDigits(out, hour);
        out += u':';
        appendTwoDigits(out, time->minute());
        out += time->hour() < 12 ? QLatin1String(" am") : QLatin1String(" pm");
    } else {
        out += record.StartTime.trimmed();
    }
    out += QLatin1String("    ");
    if (date.isValid())
        out += facts.weekdays[size_t(date.dayOfWeek() - 1)];
    out += u'\t';
    out += QString::number(number);
    return out;
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

namespace {

QString decode(const char *bytes, qsizetype size)
{
    // Plain ASCII, as nearly every record is, reads the same in Latin-1 and costs far less.
    for (qsizetype i = 0; i < size; ++i) {
        if (static_cast<uchar>(bytes[i]) >= 0x80)
            return fromWindows1252(QByteArray(bytes, size));
    }
    return QString::fromLatin1(bytes, size);
}

} // namespace

StartupRecord StartupRecord::fromBytes(const QByteArray &bytes)
{
    const qsizetype dateSize = std::min<qsizetype>(bytes.size(), DateLength);
    const qsizetype timeSize = std::clamp<qsizetype>(bytes.size() - DateLength, 0, TimeLength);
    return {decode(bytes.constData(), dateSize), decode(bytes.constData() + dateSize, timeSize)};
}

QByteArray StartupRecord::toBytes() const
{
    return toFixedField(StartDate, DateLength) + toFixedField(StartTime, TimeLength);
}

QDate readStartDate(const QString &text, bool dayFirst)
{
    return readDate(text, dayFirst);
}

std::optional<QTime> readStartTime(const QString &text)
{
    return readTime(text, StartupLocale());
}

QString startupLine(const StartupRecord &record, qint64 number, bool dayFirst, bool shortDate)
{
    return line(record, number, dayFirst, shortDate, StartupLocale());
}

void appendStartup(const QString &path, const StartupRecord &record)
{
    RecordFile file(StartupRecord::Length);
    file.open(path);
    file.appendUnsynced(record.toBytes());
    file.close();
}

StartupLog::StartupLog(QString path, bool dayFirst) : m_path(std::move(path)), m_dayFirst(dayFirst)
{
}

void StartupLog::open()
{
    m_file.open(m_path);
}

StartupLines::StartupLines() = default;

StartupLines::StartupLines(QByteArray bytes, bool dayFirst, bool shortDate)
    : m_bytes(std::move(bytes)), m_dayFirst(dayFirst), m_shortDate(shortDate),
      m_locale(std::make_shared<const StartupLocale>())
{
    m_bytes.truncate(m_bytes.size() - m_bytes.size() % StartupRecord::Length);
}

QString StartupLines::at(qsizetype row) const
{
    const qsizetype k = size() - row;
    const QByteArray one = QByteArray::fromRawData(
        m_bytes.constData() + (k - 1) * StartupRecord::Length, StartupRecord::Length);
    return line(StartupRecord::fromBytes(one), k, m_dayFirst, m_shortDate, *m_locale);
}

StartupLines StartupLog::snapshot(bool shortDate) const
{
    return StartupLines(m_file.readRecords(0, count()), m_dayFirst, shortDate);
}

QStringList StartupLog::lines(bool shortDate) const
{
    const StartupLines all = snapshot(shortDate);
    QStringList out;
    out.reserve(all.size());
    for (qsizetype row = 0; row < all.size(); ++row)
        out.append(all.at(row));
    return out;
}

StartupListModel::StartupListModel(QObject *parent) : QAbstractListModel(parent) {}

void StartupListModel::setLines(StartupLines lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

int StartupListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(std::min<qsizetype>(m_lines.size(), INT_MAX));
}

QVariant StartupListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_lines.size())
        return {};
    return m_lines.at(index.row());
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
