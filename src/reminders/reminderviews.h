#pragma once

#include "common/datepattern.h"
#include "reminders/reminderrecord.h"

#include <QDate>
#include <QList>
#include <QStringList>

namespace nookery {

// One line of a view: which record it shows and for which day. `date` is invalid for a
// record whose stored date cannot be read (listed in the all view only).
struct ReminderLine
{
    int record = 0; // counted from 1
    QDate date;

    bool operator==(const ReminderLine &) const = default;
};

// Today and each of the next `daysChecked` days, the records due that day in file order:
// a weekly reminder shows once for every matching day.
QList<ReminderLine> upcomingLines(const QList<ReminderRecord> &records, const QDate &today,
                                  int daysChecked, bool dayFirst);
// Every record once, dated with its stored date.
QList<ReminderLine> allLines(const QList<ReminderRecord> &records, bool dayFirst);

// "12/08/26   Tue<tab>Weekly <tab>" + the 55 characters of Text, then for a record that shows
// its years " ... 25 years" (this year minus the stored one, whatever day the line is for).
QString listLineText(const ReminderLine &line, const ReminderRecord &record, const QDate &today,
                     const DatePatterns &patterns);
// The lines of a whole view, `lines` pointing into `records`.
QStringList listLineTexts(const QList<ReminderLine> &lines, const QList<ReminderRecord> &records,
                          const QDate &today, const DatePatterns &patterns);
// As printed: weekday and frequency three blanks apart, no years.
QString printLineText(const ReminderLine &line, const ReminderRecord &record,
                      const DatePatterns &patterns);

// "Days Checked": a whole number, blanks and sign allowed, held to 0-365; anything else
// gives the default 6.
int daysCheckedFrom(const QString &setting);

} // namespace nookery
