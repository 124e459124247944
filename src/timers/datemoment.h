#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <optional>

namespace nookery::datemoment {

// A date countdown's stored date: month, day, four-digit year, month first whatever the
// separator or the locale ("03/04/2026", "03.04.2026" and "03 04 2026", written under C by
// older versions, are all 4 March).
std::optional<QDate> parseDate(const QString &stored);
// The stored time of day on the 12-hour clock, "hh:mm:ss AM" ("12:00:00 AM" is midnight,
// "12:00:00 PM" noon).
std::optional<QTime> parseTime(const QString &stored);
// The local moment of a stored date and time, or none when either cannot be read.
std::optional<QDateTime> parse(const QString &date, const QString &time);

// The date as it is stored: "mm/dd/yyyy" with the locale's date separator.
QString formatDate(const QDate &date);
// "hh:mm:ss AM" from the editor's four lists.
QString formatTime(const QString &hour, const QString &minute, const QString &second,
                   const QString &amPm);

// A local wall-clock time as one moment: a time skipped by a DST switch counts as the
// same time after the switch (02:30 on the spring-forward night is 03:30), and a time
// that happens twice counts as its first occurrence.
QDateTime localMoment(const QDate &date, const QTime &time);

} // namespace nookery::datemoment
