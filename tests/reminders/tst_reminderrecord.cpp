#include "recordbytes.h"
#include "remindercore.h"
#include "reminders/reminderrecord.h"
#include "reminders/reminderviews.h"

#include <QLocale>
#include <QTest>

using namespace nookery;

void tst_ReminderCore::storedBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<char>("showYears");
    QTest::addColumn<char>("frequency");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("short text padded")
        << u"Tea"_qs << 'X' << 'M' << rec("Tea", 'X', 'M', "12/08/2026");
    const QString sixty = u"0123456789"_qs.repeated(6);
    QTest::newRow("cut at 55") << sixty << 'A' << 'Y'
                               << rec(sixty.left(55).toLatin1(), 'A', 'Y', "12/08/2026");
    QTest::newRow("code page and ?") << u"€5 for café ☕"_qs << 'X' << 'O'
                                     << rec("\x80"
                                            "5 for caf\xe9 ?",
                                            'X', 'O', "12/08/2026");
    QTest::newRow("tabs and line breaks")
        << u"a\tb\r\nc"_qs << 'X' << 'W' << rec("a b  c", 'X', 'W', "12/08/2026");
}

void tst_ReminderCore::storedBytes()
{
    QFETCH(QString, text);
    QFETCH(char, showYears);
    QFETCH(char, frequency);
    QFETCH(QByteArray, bytes);
    const ReminderRecord r = ReminderRecord::make(text, showYears, frequency, u"12/08/2026"_qs);
    QCOMPARE(r.toBytes(), bytes);
    QCOMPARE(r.Text.size(), 55);
    QCOMPARE(ReminderRecord::fromBytes(bytes), r);
}

void tst_ReminderCore::readBack()
{
    // What nothing reads is kept byte for byte; control bytes show as blanks.
    const QByteArray raw = rec("Call\tMum\x01\x00", 'Q', 'Z', "31/02/2024", "\xff\x01x");
    const ReminderRecord r = ReminderRecord::fromBytes(raw);
    QCOMPARE(r.trimmedText(), u"Call Mum"_qs);
    QCOMPARE(r.Reserved, QByteArray("\xff\x01x"));
    QCOMPARE(r.Frequency, 'Z');
    QVERIFY(!r.showsYears());
    QCOMPARE(r.toBytes(), rec("Call Mum", 'Q', 'Z', "31/02/2024", "\xff\x01x"));
    // A torn record reads as if blank-padded.
    const ReminderRecord torn = ReminderRecord::fromBytes(raw.left(20));
    QCOMPARE(torn.toBytes(), QByteArray("Call Mum").leftJustified(70));
}

void tst_ReminderCore::readDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("dayFirst");
    QTest::addColumn<QDate>("date");
    const auto row = [](const char *name, const char *text, bool dayFirst, QDate date = {}) {
        QTest::newRow(name) << QString::fromLatin1(text) << dayFirst << date;
    };
    row("month first", "03/04/2026", false, QDate(2026, 3, 4));
    row("day first", "03/04/2026", true, QDate(2026, 4, 3));
    row("day first text, month first setting", "25/12/2001", false, QDate(2001, 12, 25));
    row("month first text, day first setting", "12/25/2001", true, QDate(2001, 12, 25));
    row("dashes, dots, short parts", "1-2.2026", false, QDate(2026, 1, 2));
    row("two-digit 29 is 2029", "01/01/29", false, QDate(2029, 1, 1));
    row("two-digit 30 is 1930", "01/01/30", false, QDate(1930, 1, 1));
    row("one-digit year", "01/01/5", false, QDate(2005, 1, 1));
    row("padded with blanks", " 2/29/2024 ", false, QDate(2024, 2, 29));
    row("no such day", "02/29/2025", false);
    row("both above 12", "13/13/2024", false);
    row("three-digit year", "01/01/202", false);
    row("month 0", "00/10/2024", false);
    row("letters", "ab/cd/efgh", false);
    row("two parts", "12/25", false);
    row("empty", "", false);
    row("blank field", "          ", true);
}

void tst_ReminderCore::readDate()
{
    QFETCH(QString, text);
    QFETCH(bool, dayFirst);
    QFETCH(QDate, date);
    QCOMPARE(readReminderDate(text, dayFirst).value_or(QDate()), date);
}

void tst_ReminderCore::dueRule_data()
{
    QTest::addColumn<char>("frequency");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("dayFirst");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<bool>("due");

    const auto row = [](const char *name, char f, const char *stored, bool dayFirst, QDate day,
                        bool due) {
        QTest::newRow(name) << f << QString::fromLatin1(stored) << dayFirst << day << due;
    };
    row("yearly 29 Feb, leap year", 'Y', "02/29/2000", false, QDate(2024, 2, 29), true);
    row("yearly 29 Feb, not on 28 Feb", 'Y', "29/02/2000", true, QDate(2023, 2, 28), false);
    row("yearly 29 Feb, not on 1 Mar", 'Y', "02/29/2000", false, QDate(2027, 3, 1), false);
    row("yearly 29 Feb, 2028", 'Y', "29/02/2000", true, QDate(2028, 2, 29), true);
    row("monthly 29th, Feb 2024", 'M', "01/29/2025", false, QDate(2024, 2, 29), true);
    row("monthly 29th, not in Feb 2025", 'M', "01/29/2025", false, QDate(2025, 2, 28), false);
    row("monthly 30th, not on 1 Mar", 'M', "30/01/2023", true, QDate(2023, 3, 1), false);
    row("monthly 31st, not on 30 Apr", 'M', "01/31/2026", false, QDate(2026, 4, 30), false);
    row("monthly 31st, 31 May", 'M', "01/31/2026", false, QDate(2026, 5, 31), true);
    row("monthly, before its date", 'M', "12/15/2028", false, QDate(2023, 6, 15), true);
    row("yearly 31 Dec, not 1 Jan", 'Y', "31/12/2026", true, QDate(2027, 1, 1), false);
    row("yearly 31 Dec", 'Y', "31/12/2026", true, QDate(2027, 12, 31), true);
    row("Christmas month first, day-first text", 'Y', "25/12/2001", false, QDate(2026, 12, 25),
        true);
    row("once today", 'O', "12/08/2026", false, QDate(2026, 12, 8), true);
    row("once yesterday", 'O', "12/07/2026", false, QDate(2026, 12, 8), false);
    row("once, 100 years back", 'O', "12/08/1926", false, QDate(2026, 12, 8), false);
    row("once, two-digit year", 'O', "12/08/26", false, QDate(2026, 12, 8), true);
    row("weekly, same weekday", 'W', "01/05/2023", false, QDate(2026, 12, 10), true);
    row("weekly, next day", 'W', "01/05/2023", false, QDate(2026, 12, 11), false);
    row("unreadable date", 'Y', "31/02/2024", true, QDate(2024, 2, 29), false);
    row("empty date", 'W', "", false, QDate(2026, 12, 8), false);
    row("unknown code", 'x', "12/08/2026", false, QDate(2026, 12, 8), false);
    row("lower-case code", 'y', "12/08/2026", false, QDate(2026, 12, 8), false);
}

void tst_ReminderCore::dueRule()
{
    QFETCH(char, frequency);
    QFETCH(QString, stored);
    QFETCH(bool, dayFirst);
    QFETCH(QDate, day);
    QFETCH(bool, due);
    const ReminderRecord r = ReminderRecord::make(u"x"_qs, 'X', frequency, stored);
    QCOMPARE(isDueOn(r, dayFirst, day), due);
}

void tst_ReminderCore::upcomingCountsEachMatchingDay_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("weekly");
    QTest::addColumn<int>("christmas");
    QTest::newRow("6 days") << 6 << 1 << 0;
    QTest::newRow("13 days") << 13 << 2 << 0;
    QTest::newRow("17 days reach Christmas") << 17 << 3 << 1;
    QTest::newRow("today only") << 0 << 0 << 0;
}

void tst_ReminderCore::upcomingCountsEachMatchingDay()
{
    QFETCH(int, days);
    QFETCH(int, weekly);
    QFETCH(int, christmas);
    const QList<ReminderRecord> records = {
        ReminderRecord::make(u"Christmas Day"_qs, 'X', 'Y', u"12/25/2001"_qs),
        ReminderRecord::make(u"Bins"_qs, 'X', 'W', u"01/01/2026"_qs),
    };
    // 8 December 2026 is a Tuesday; 1 January 2026 a Thursday.
    const QList<ReminderLine> lines = upcomingLines(records, QDate(2026, 12, 8), days, false);
    QCOMPARE(std::count_if(lines.begin(), lines.end(), [](auto &l) { return l.record == 2; }),
             weekly);
    QCOMPARE(std::count_if(lines.begin(), lines.end(), [](auto &l) { return l.record == 1; }),
             christmas);
}

void tst_ReminderCore::upcomingOrder()
{
    const QList<ReminderRecord> records = {
        ReminderRecord::make(u"Later"_qs, 'X', 'O', u"12/10/2026"_qs),
        ReminderRecord::make(u"Daily-ish"_qs, 'X', 'M', u"12/09/2026"_qs),
        ReminderRecord::make(u"Today"_qs, 'X', 'O', u"12/08/2026"_qs),
        ReminderRecord::make(u"Also later"_qs, 'X', 'Y', u"12/10/1990"_qs),
        ReminderRecord::make(u"Broken"_qs, 'X', 'W', u"99/99/2026"_qs),
    };
    const QList<ReminderLine> expected = {{3, QDate(2026, 12, 8)},
                                          {2, QDate(2026, 12, 9)},
                                          {1, QDate(2026, 12, 10)},
                                          {4, QDate(2026, 12, 10)}};
    QCOMPARE(upcomingLines(records, QDate(2026, 12, 8), 6, false), expected);
    const QList<ReminderLine> all = allLines(records, false);
    QCOMPARE(all.size(), 5);
    QCOMPARE(all.at(3), (ReminderLine{4, QDate(1990, 12, 10)}));
    QCOMPARE(all.at(4), (ReminderLine{5, QDate()}));
}

void tst_ReminderCore::lines_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("dayFirst");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<char>("showYears");
    QTest::addColumn<QDate>("lineDate");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("print");

    const QString text = u"Wedding anniversary"_qs.leftJustified(55);
    QTest::newRow("years since 1976, line for a later year")
        << u"en_US"_qs << false << u"06/02/1976"_qs << 'A' << QDate(2002, 6, 2)
        << u"06/02/02   Sun\tYearly \t"_qs + text + u" ... 25 years"_qs
        << u"06/02/02   Sun   Yearly \t"_qs + text;
    QTest::newRow("day first, no years")
        << u"en_US"_qs << true << u"02/06/1976"_qs << 'X' << QDate(2001, 6, 2)
        << u"02/06/01   Sat\tYearly \t"_qs + text << u"02/06/01   Sat   Yearly \t"_qs + text;
    QTest::newRow("German separator and weekday")
        << u"de_DE"_qs << true << u"02.06.1976"_qs << 'A' << QDate(2001, 6, 2)
        << u"02.06.01   Sa.\tYearly \t"_qs + text + u" ... 25 years"_qs
        << u"02.06.01   Sa.   Yearly \t"_qs + text;
    QTest::newRow("unreadable date keeps its text")
        << u"en_US"_qs << false << u"31/31/99"_qs << 'A' << QDate()
        << u"31/31/99      \tYearly \t"_qs + text << u"31/31/99         Yearly \t"_qs + text;
}

void tst_ReminderCore::lines()
{
    QFETCH(QString, locale);
    QFETCH(bool, dayFirst);
    QFETCH(QString, stored);
    QFETCH(char, showYears);
    QFETCH(QDate, lineDate);
    QFETCH(QString, list);
    QFETCH(QString, print);
    QLocale::setDefault(QLocale(locale));
    const auto patterns = DatePatterns::fromSetting(dayFirst ? u"dd/mm"_qs : QString());
    const ReminderRecord r =
        ReminderRecord::make(u"Wedding anniversary"_qs, showYears, 'Y', stored);
    const ReminderLine line{1, lineDate};
    const QString gotList = listLineText(line, r, QDate(2001, 6, 1), patterns);
    const QString gotPrint = printLineText(line, r, patterns);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(gotList, list);
    QCOMPARE(gotPrint, print);
}

void tst_ReminderCore::daysChecked_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("days");
    const auto row = [](const char *setting, int days) {
        QTest::newRow(setting) << QString::fromLatin1(setting) << days;
    };
    row("13", 13);
    row(" +3 ", 3);
    row("0", 0);
    row("-4", 0);
    row("99999999999999999999", 365);
    row("a week", 6);
    row("6.5", 6);
    row("-", 6);
}

void tst_ReminderCore::daysChecked()
{
    QFETCH(QString, setting);
    QFETCH(int, days);
    QCOMPARE(daysCheckedFrom(setting), days);
}

QTEST_GUILESS_MAIN(tst_ReminderCore)
