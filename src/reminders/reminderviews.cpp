#include "reminders/reminderviews.h"

#include <QLocale>

#include <array>
#include <optional>
#include <vector>

namespace nookery {

namespace {

constexpr int MaxDaysChecked = 365;
constexpr int DefaultDaysChecked = 6;

// Formats many lines with what the locale gives looked up once, not once a line.
class LineFormat
{
public:
    LineFormat(const QDate &today, const DatePatterns &patterns)
        : m_today(today), m_dayFirst(patterns.dayFirst()), m_separator(localeDateSeparator()),
          m_ownSeparator(localeOwnDateSeparator())
    {
        const QLocale locale;
        for (int d = 1; d <= 7; ++d)
            m_weekdays[size_t(d - 1)] = locale.dayName(d, QLocale::ShortFormat);
    }

    // "12/08/26   Tue", or for a date that cannot be read, the stored text in its place.
    QString datePart(const ReminderLine &line, const ReminderRecord &record) const
    {
        if (!line.date.isValid())
            return record.Date.trimmed().leftJustified(14, u' ', true);
        const QDate &d = line.date;
        const int first = m_dayFirst ? d.day() : d.month();
        const int second = m_dayFirst ? d.month() : d.day();
        QString out;
        out.reserve(20);
        out += twoDigits(first);
        out += m_separator;
        out += twoDigits(second);
        out += m_separator;
        out += twoDigits(d.year() % 100);
        out += QLatin1String("   ");
        out += m_weekdays[size_t(d.dayOfWeek() - 1)];
        return out;
    }

    QString listLine(const ReminderLine &line, const ReminderRecord &record) const
    {
        QString text = datePart(line, record) + u'\t' + frequencyName(record.Frequency) + u'\t' +
                       record.Text.leftJustified(ReminderRecord::TextLength, u' ', true);
        if (record.showsYears()) {
            if (const auto stored = readReminderDate(record.Date, m_dayFirst, m_ownSeparator))
                text += QStringLiteral(" ... %1 years").arg(m_today.year() - stored->year());
        }
        return text;
    }

    QString printLine(const ReminderLine &line, const ReminderRecord &record) const
    {
        return datePart(line, record) + QStringLiteral("   ") + frequencyName(record.Frequency) +
               u'\t' + record.Text.leftJustified(ReminderRecord::TextLength, u' ', true);
    }

private:
    static QString twoDigits(int n)
    {
        const char digits[] = {char('0' + n / 10 % 10), char('0' + n % 10)};
        return QString::fromLatin1(digits, 2);
    }

    QDate m_today;
    bool m_dayFirst;
    QString m_separator;
    QString m_ownSeparator;
    std::array<QString, 7> m_weekdays;
};

} // namespace

QList<ReminderLine> upcomingLines(const QList<ReminderRecord> &records, const QDate &today,
                                  int daysChecked, bool dayFirst)
{
    // Read each date once, not once a day.
    const QString separator = localeOwnDateSeparator();
    std::vector<std::optional<QDate>> dates;
    dates.reserve(size_t(records.size()));
    for (const ReminderRecord &r : records)
        dates.push_back(readReminderDate(r.Date, dayFirst, separator));

    QList<ReminderLine> out;
    for (int j = 0; j <= daysChecked; ++j) {
        const QDate day = today.addDays(j);
        for (qsizetype i = 0; i < records.size(); ++i) {
            const auto &date = dates[size_t(i)];
            if (date && isDueOn(records.at(i).Frequency, *date, day))
                out.append({int(i + 1), day});
        }
    }
    return out;
}

QList<ReminderLine> allLines(const QList<ReminderRecord> &records, bool dayFirst)
{
    const QString separator = localeOwnDateSeparator();
    QList<ReminderLine> out;
    out.reserve(records.size());
    for (qsizetype i = 0; i < records.size(); ++i)
        out.append({int(i + 1),
                    readReminderDate(records.at(i).Date, dayFirst, separator).value_or(QDate())});
    return out;
}

QString listLineText(const ReminderLine &line, const ReminderRecord &record, const QDate &today,
                     const DatePatterns &patterns)
{
    return LineFormat(today, patterns).listLine(line, record);
}

QStringList listLineTexts(const QList<ReminderLine> &lines, const QList<ReminderRecord> &records,
                          const QDate &today, const DatePatterns &patterns)
{
    const LineFormat format(today, patterns);
    QStringList out;
    out.reserve(lines.size());
    for (const ReminderLine &line : lines)
        out.append(format.listLine(line, records.at(line.record - 1)));
    return out;
}

QString printLineText(const ReminderLine &line, const ReminderRecord &record,
                      const DatePatterns &patterns)
{
    return LineFormat(QDate(), patterns).printLine(line, record);
}

int daysCheckedFrom(const QString &setting)
{
    const QString t = setting.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t.at(i) == u'+' || t.at(i) == u'-')) {
        negative = t.at(i) == u'-';
        ++i;
    }
    if (i == t.size())
        return DefaultDaysChecked;
    qint64 value = 0;
    for (; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c < u'0' || c > u'9')
            return DefaultDaysChecked;
        value = qMin<qint64>(value * 10 + (c.unicode() - '0'), MaxDaysChecked + 1);
    }
    return negative ? 0 : int(qMin<qint64>(value, MaxDaysChecked));
}

} // namespace nookery
