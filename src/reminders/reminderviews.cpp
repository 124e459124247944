#include "reminders/reminderviews.h"

#include <QLocale>

#include <optional>
#include <vector>

namespace nookery {

namespace {

constexpr int MaxDaysChecked = 365;
constexpr int DefaultDaysChecked = 6;

// "12/08/26   Tue", or for a date that cannot be read, the stored text in its place.
QString datePart(const ReminderLine &line, const ReminderRecord &record,
                 const DatePatterns &patterns)
{
    if (!line.date.isValid())
        return record.Date.trimmed().leftJustified(14, u' ', true);
    return formatDatePattern(line.date, patterns.shortDate) + QStringLiteral("   ") +
           QLocale().dayName(line.date.dayOfWeek(), QLocale::ShortFormat);
}

} // namespace

QList<ReminderLine> upcomingLines(const QList<ReminderRecord> &records, const QDate &today,
                                  int daysChecked, bool dayFirst)
{
    // Read each date once, not once a day.
    std::vector<std::optional<QDate>> dates;
    dates.reserve(size_t(records.size()));
    for (const ReminderRecord &r : records)
        dates.push_back(readReminderDate(r.Date, dayFirst));

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
    QList<ReminderLine> out;
    out.reserve(records.size());
    for (qsizetype i = 0; i < records.size(); ++i)
        out.append({int(i + 1), readReminderDate(records.at(i).Date, dayFirst).value_or(QDate())});
    return out;
}

QString listLineText(const ReminderLine &line, const ReminderRecord &record, const QDate &today,
                     const DatePatterns &patterns)
{
    QString text = datePart(line, record, patterns) + u'\t' + frequencyName(record.Frequency) +
                   u'\t' + record.Text.leftJustified(ReminderRecord::TextLength, u' ', true);
    if (record.showsYears()) {
        if (const auto stored = readReminderDate(record.Date, patterns.dayFirst()))
            text += QStringLiteral(" ... %1 years").arg(today.year() - stored->year());
    }
    return text;
}

QString printLineText(const ReminderLine &line, const ReminderRecord &record,
                      const DatePatterns &patterns)
{
    return datePart(line, record, patterns) + QStringLiteral("   ") +
           frequencyName(record.Frequency) + u'\t' +
           record.Text.leftJustified(ReminderRecord::TextLength, u' ', true);
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
