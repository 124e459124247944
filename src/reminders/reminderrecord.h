#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>

namespace nookery {

// One reminder as "reminder.dat" holds it: 70 bytes, Windows-1252, blank-padded. The fields
// keep what the file says, so a record read and written back changes no byte it need not.
struct ReminderRecord
{
    static constexpr int Length = 70;
    static constexpr int TextLength = 55;

    QString Text;                 // always 55 characters, as the file holds them
    QByteArray Reserved{3, '\0'}; // nothing reads it; kept as read
    char ShowYears = 'X';         // 'A' shows the years since Date
    char Frequency = 'O';         // 'O', 'W', 'M', 'Y'; anything else is never due
    QString Date;                 // the stored date text, 10 characters

    // A new record as the window makes it: `text` cut or padded to 55 characters (what the
    // code page lacks becomes "?", tabs and line breaks blanks), Reserved zeroed.
    static ReminderRecord make(const QString &text, char showYears, char frequency,
                               const QString &date);
    // Up to 70 bytes; a short (torn) record reads as if blank-padded.
    static ReminderRecord fromBytes(const QByteArray &bytes);
    QByteArray toBytes() const;

    QString trimmedText() const { return Text.trimmed(); }
    bool showsYears() const { return ShowYears == 'A'; }

    bool operator==(const ReminderRecord &) const = default;
};

// The stored date text read in the order the calendar setting gives, or the other one when
// that would make a month above 12. "/", "-", ".", a blank or the locale's own separator; a
// one or two digit year is 1930-2029. Anything else, or a day that does not exist, gives
// nothing.
std::optional<QDate> readReminderDate(const QString &text, bool dayFirst);
// The same with localeOwnDateSeparator() given, for callers that read many dates.
std::optional<QDate> readReminderDate(const QString &text, bool dayFirst,
                                      const QString &localeSeparator);

// Whether a reminder with `frequency` and the (readable) stored `date` falls due on `day`.
// "O" on its date; "W" on its weekday; "M" on its day of the month, which a shorter month
// lacks; "Y" on its month and day, 29 February only in leap years.
bool isDueOn(char frequency, const QDate &date, const QDate &day);
bool isDueOn(const ReminderRecord &record, bool dayFirst, const QDate &day);

// "Once   ", "Weekly ", "Monthly", "Yearly ", or 7 blanks for a code that means nothing.
QString frequencyName(char frequency);

} // namespace nookery
