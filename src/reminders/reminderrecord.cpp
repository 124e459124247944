#include "reminders/reminderrecord.h"

#include "common/datepattern.h"
#include "common/text1252.h"
#include "reminders/recordlayout.h"

#include <QStringList>

namespace nookery {

namespace layout = reminderlayout::current;

namespace {

static_assert(layout::RecordLength == ReminderRecord::Length);
static_assert(layout::Text.width == ReminderRecord::TextLength);

// Control characters would break a list line (a tab shifts the columns, a line break splits
// it), so they are blanks both ways. The code page's five holes decode to C1 controls.
QString withoutControls(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            c = u' ';
    }
    return text;
}

// Records are decoded by the thousand for a view: one lookup table, built once from the
// code page, instead of a converter per field.
QString decode(QByteArrayView bytes)
{
    static const QString table = [] {
        QByteArray all(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        return fromWindows1252(all);
    }();
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (char c : bytes)
        *d++ = table.at(uchar(c));
    return out;
}

QByteArrayView field(const QByteArray &record, reminderlayout::Field f)
{
    return QByteArrayView(record).sliced(f.offset, f.width);
}

char byteAt(const QByteArray &record, reminderlayout::Field f)
{
    return record.at(f.offset);
}

// Whole digits only, 1 to `maxDigits` of them.
std::optional<int> number(QStringView text, int maxDigits)
{
    if (text.isEmpty() || text.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

} // namespace

ReminderRecord ReminderRecord::make(const QString &text, char showYears, char frequency,
                                    const QString &date)
{
    ReminderRecord r;
    r.Text = fromWindows1252(toFixedField(withoutControls(text), layout::Text.width));
    r.ShowYears = showYears;
    r.Frequency = frequency;
    r.Date = fromWindows1252(toFixedField(date, layout::Date.width));
    return r;
}

ReminderRecord ReminderRecord::fromBytes(const QByteArray &bytes)
{
    QByteArray whole = bytes.left(layout::RecordLength);
    whole.append(layout::RecordLength - whole.size(), ' ');
    ReminderRecord r;
    r.Text = withoutControls(decode(field(whole, layout::Text)));
    r.Reserved = field(whole, layout::Reserved).toByteArray();
    r.ShowYears = byteAt(whole, layout::ShowYears);
    r.Frequency = byteAt(whole, layout::Frequency);
    r.Date = decode(field(whole, layout::Date));
    return r;
}

QByteArray ReminderRecord::toBytes() const
{
    QByteArray out;
    out.reserve(layout::RecordLength);
    out += toFixedField(withoutControls(Text), layout::Text.width);
    out += Reserved.left(layout::Reserved.width);
    out.append(layout::Reserved.width - qMin<qsizetype>(Reserved.size(), layout::Reserved.width),
               '\0');
    out += ShowYears;
    out += Frequency;
    out += toFixedField(Date, layout::Date.width);
    return out;
}

std::optional<QDate> readReminderDate(const QString &text, bool dayFirst)
{
    return readReminderDate(text, dayFirst, localeOwnDateSeparator());
}

std::optional<QDate> readReminderDate(const QString &text, bool dayFirst,
                                      const QString &localeSeparator)
{
    const QString t = text.trimmed();
    const auto isSeparator = [&localeSeparator](QChar c) {
        return isDateSeparator(c) || localeSeparator.contains(c);
    };

    QList<QStringView> parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (isSeparator(t.at(i))) {
            parts.append(QStringView(t).mid(start, i - start));
            start = i + 1;
        }
    }
    parts.append(QStringView(t).mid(start));
    if (parts.size() != 3)
        return std::nullopt;

    const auto first = number(parts.at(0), 2);
    const auto second = number(parts.at(1), 2);
    if (!first || !second || parts.at(2).size() == 3)
        return std::nullopt;
    auto year = number(parts.at(2), 4);
    if (!year)
        return std::nullopt;
    if (parts.at(2).size() <= 2)
        *year += *year < 30 ? 2000 : 1900;

    int day = dayFirst ? *first : *second;
    int month = dayFirst ? *second : *first;
    if (month > 12)
        std::swap(day, month);
    const QDate date(*year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

bool isDueOn(char frequency, const QDate &date, const QDate &day)
{
    switch (frequency) {
    case 'O':
        return date == day;
    case 'W':
        return date.dayOfWeek() == day.dayOfWeek();
    case 'M':
        return date.day() == day.day();
    case 'Y':
        return date.month() == day.month() && date.day() == day.day();
    default:
        return false;
    }
}

bool isDueOn(const ReminderRecord &record, bool dayFirst, const QDate &day)
{
    const auto date = readReminderDate(record.Date, dayFirst);
    return date && isDueOn(record.Frequency, *date, day);
}

QString frequencyName(char frequency)
{
    switch (frequency) {
    case 'O':
        return QStringLiteral("Once   ");
    case 'W':
        return QStringLiteral("Weekly ");
    case 'M':
        return QStringLiteral("Monthly");
    case 'Y':
        return QStringLiteral("Yearly ");
    default:
        return QString(7, u' ');
    }
}

} // namespace nookery
