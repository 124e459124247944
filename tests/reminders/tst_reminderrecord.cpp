#include "recordbytes.h"
#include "reminders/reminderrecord.h"
#include "reminders/reminderviews.h"

#include <QLocale>
#include <QTest>

using namespace nookery;

class tst_ReminderRecord : public QObject
{
    Q_OBJECT

private slots:
    void storedBytes_data();
    void storedBytes();
    void readBack();
    void readDate_data();
    void readDate();
    void dueRule_data();
    void dueRule();
    void upcomingCountsEachMatchingDay_data();
    void upcomingCountsEachMatchingDay();
    void upcomingOrder();
    void lines_data();
    void lines();
    void daysChecked_data();
    void daysChecked();
};

void tst_ReminderRecord::storedBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<char>("showYears");
    QTest::addColumn<char>("frequency");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("short text padded")
        << QStringLiteral("Tea") << 'X' << 'M' << rec("Tea", 'X', 'M', "12/08/2026");
    const QString sixty = QStringLiteral("0123456789").repeated(6);
    QTest::newRow("cut at 55") << sixty << 'A' << 'Y'
                               << rec(sixty.left(55).toLatin1(), 'A', 'Y', "12/08/2026");
    QTest::newRow("code page and ?") << QStringLiteral("€5 for café ☕") << 'X' << 'O'
                                     << rec("\x80"
                                            "5 for caf\xe9 ?",
                                            'X', 'O', "12/08/2026");
    QTest::newRow("tabs and line breaks")
        << QStringLiteral("a\tb\r\nc") << 'X' << 'W' << rec("a b  c", 'X', 'W', "12/08/2026");
}

void tst_ReminderRecord::storedBytes()
{
    QFETCH(QString, text);
    QFETCH(char, showYears);
    QFETCH(char, frequency);
    QFETCH(QByteArray, bytes);
    const ReminderRecord r =
        ReminderRecord::make(text, showYears, frequency, QStringLiteral("12/08/2026"));
    QCOMPARE(r.toBytes(), bytes);
    QCOMPARE(r.Text.size(), 55);
    QCOMPARE(ReminderRecord::fromBytes(bytes), r);
}

void tst_ReminderRecord::readBack()
{
    // What nothing reads is kept byte for byte; control bytes show as blanks.
    const QByteArray raw = rec("Call\tMum\x01\x00", 'Q', 'Z', "31/02/2024", "\xff\x01x");
    const ReminderRecord r = ReminderRecord::fromBytes(raw);
    QCOMPARE(r.trimmedText(), QStringLiteral("Call Mum"));
    QCOMPARE(r.Reserved, QByteArray("\xff\x01x"));
    QCOMPARE(r.Frequency, 'Z');
    QVERIFY(!r.showsYears());
    QCOMPARE(r.toBytes(), rec("Call Mum", 'Q', 'Z', "31/02/2024", "\xff\x01x"));
    // A torn record reads as if blank-padded.
    const ReminderRecord torn = ReminderRecord::fromBytes(raw.left(20));
    QCOMPARE(torn.toBytes(), QByteArray("Call Mum").leftJustified(70));
}

void tst_ReminderRecord::readDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("dayFirst");
    QTest::addColumn<QDate>("date");

    QTest::newRow("month first") << QStringLiteral("03/04/2026") << false << QDate(2026, 3, 4);
    QTest::newRow("day first") << QStringLiteral("03/04/2026") << true << QDate(2026, 4, 3);
    QTest::newRow("day first text, month first setting")
        << QStringLiteral("25/12/2001") << false << QDate(2001, 12, 25);
    QTest::newRow("month first text, day first setting")
        << QStringLiteral("12/25/2001") << true << QDate(2001, 12, 25);
    QTest::newRow("dashes, dots, short parts")
        << QStringLiteral("1-2.2026") << false << QDate(2026, 1, 2);
    QTest::newRow("two-digit 29 is 2029")
        << QStringLiteral("01/01/29") << false << QDate(2029, 1, 1);
    QTest::newRow("two-digit 30 is 1930")
        << QStringLiteral("01/01/30") << false << QDate(1930, 1, 1);
    QTest::newRow("one-digit year") << QStringLiteral("01/01/5") << false << QDate(2005, 1, 1);
    QTest::newRow("padded with blanks")
        << QStringLiteral(" 2/29/2024 ") << false << QDate(2024, 2, 29);
    QTest::newRow("no such day") << QStringLiteral("02/29/2025") << false << QDate();
    QTest::newRow("both above 12") << QStringLiteral("13/13/2024") << false << QDate();
    QTest::newRow("three-digit year") << QStringLiteral("01/01/202") << false << QDate();
    QTest::newRow("month 0") << QStringLiteral("00/10/2024") << false << QDate();
    QTest::newRow("letters") << QStringLiteral("ab/cd/efgh") << false << QDate();
    QTest::newRow("two parts") << QStringLiteral("12/25") << false << QDate();
    QTest::newRow("empty") << QString() << false << QDate();
    QTest::newRow("blank field") << QString(10, u' ') << true << QDate();
}

void tst_ReminderRecord::readDate()
{
    QFETCH(QString, text);
    QFETCH(bool, dayFirst);
    QFETCH(QDate, date);
    QCOMPARE(readReminderDate(text, dayFirst).value_or(QDate()), date);
}

void tst_ReminderRecord::dueRule_data()
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

void tst_ReminderRecord::dueRule()
{
    QFETCH(char, frequency);
    QFETCH(QString, stored);
    QFETCH(bool, dayFirst);
    QFETCH(QDate, day);
    QFETCH(bool, due);
    const ReminderRecord r = ReminderRecord::make(QStringLiteral("x"), 'X', frequency, stored);
    QCOMPARE(isDueOn(r, dayFirst, day), due);
}

void tst_ReminderRecord::upcomingCountsEachMatchingDay_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("weekly");
    QTest::addColumn<int>("christmas");
    QTest::newRow("6 days") << 6 << 1 << 0;
    QTest::newRow("13 days") << 13 << 2 << 0;
    QTest::newRow("17 days reach Christmas") << 17 << 3 << 1;
    QTest::newRow("today only") << 0 << 0 << 0;
}

void tst_ReminderRecord::upcomingCountsEachMatchingDay()
{
    QFETCH(int, days);
    QFETCH(int, weekly);
    QFETCH(int, christmas);
    const QList<ReminderRecord> records = {
        ReminderRecord::make(QStringLiteral("Christmas Day"), 'X', 'Y',
                             QStringLiteral("12/25/2001")),
        ReminderRecord::make(QStringLiteral("Bins"), 'X', 'W', QStringLiteral("01/01/2026")),
    };
    // 8 December 2026 is a Tuesday; 1 January 2026 a Thursday.
    const QList<ReminderLine> lines = upcomingLines(records, QDate(2026, 12, 8), days, false);
    QCOMPARE(std::count_if(lines.begin(), lines.end(), [](auto &l) { return l.record == 2; }),
             weekly);
    QCOMPARE(std::count_if(lines.begin(), lines.end(), [](auto &l) { return l.record == 1; }),
             christmas);
}

void tst_ReminderRecord::upcomingOrder()
{
    const QList<ReminderRecord> records = {
        ReminderRecord::make(QStringLiteral("Later"), 'X', 'O', QStringLiteral("12/10/2026")),
        ReminderRecord::make(QStringLiteral("Daily-ish"), 'X', 'M', QStringLiteral("12/09/2026")),
        ReminderRecord::make(QStringLiteral("Today"), 'X', 'O', QStringLiteral("12/08/2026")),
        ReminderRecord::make(QStringLiteral("Also later"), 'X', 'Y', QStringLiteral("12/10/1990")),
        ReminderRecord::make(QStringLiteral("Broken"), 'X', 'W', QStringLiteral("99/99/2026")),
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

void tst_ReminderRecord::lines_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("dayFirst");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<char>("showYears");
    QTest::addColumn<QDate>("lineDate");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("print");

    const QString text = QStringLiteral("Wedding anniversary").leftJustified(55);
    QTest::newRow("years since 1976, line for a later year")
        << QStringLiteral("en_US") << false << QStringLiteral("06/02/1976") << 'A'
        << QDate(2002, 6, 2)
        << QStringLiteral("06/02/02   Sun\tYearly \t") + text + QStringLiteral(" ... 25 years")
        << QStringLiteral("06/02/02   Sun   Yearly \t") + text;
    QTest::newRow("day first, no years")
        << QStringLiteral("en_US") << true << QStringLiteral("02/06/1976") << 'X'
        << QDate(2001, 6, 2) << QStringLiteral("02/06/01   Sat\tYearly \t") + text
        << QStringLiteral("02/06/01   Sat   Yearly \t") + text;
    QTest::newRow("German separator and weekday")
        << QStringLiteral("de_DE") << true << QStringLiteral("02.06.1976") << 'A'
        << QDate(2001, 6, 2)
        << QStringLiteral("02.06.01   Sa.\tYearly \t") + text + QStringLiteral(" ... 25 years")
        << QStringLiteral("02.06.01   Sa.   Yearly \t") + text;
    QTest::newRow("unreadable date keeps its text")
        << QStringLiteral("en_US") << false << QStringLiteral("31/31/99") << 'A' << QDate()
        << QStringLiteral("31/31/99      \tYearly \t") + text
        << QStringLiteral("31/31/99         Yearly \t") + text;
}

void tst_ReminderRecord::lines()
{
    QFETCH(QString, locale);
    QFETCH(bool, dayFirst);
    QFETCH(QString, stored);
    QFETCH(char, showYears);
    QFETCH(QDate, lineDate);
    QFETCH(QString, list);
    QFETCH(QString, print);
    QLocale::setDefault(QLocale(locale));
    const auto patterns = DatePatterns::fromSetting(dayFirst ? QStringLiteral("dd/mm") : QString());
    const ReminderRecord r =
        ReminderRecord::make(QStringLiteral("Wedding anniversary"), showYears, 'Y', stored);
    const ReminderLine line{1, lineDate};
    const QString gotList = listLineText(line, r, QDate(2001, 6, 1), patterns);
    const QString gotPrint = printLineText(line, r, patterns);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(gotList, list);
    QCOMPARE(gotPrint, print);
}

void tst_ReminderRecord::daysChecked_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("days");
    QTest::newRow("plain") << QStringLiteral("13") << 13;
    QTest::newRow("blanks and sign") << QStringLiteral(" +3 ") << 3;
    QTest::newRow("zero") << QStringLiteral("0") << 0;
    QTest::newRow("negative") << QStringLiteral("-4") << 0;
    QTest::newRow("huge") << QStringLiteral("99999999999999999999") << 365;
    QTest::newRow("text") << QStringLiteral("a week") << 6;
    QTest::newRow("decimal") << QStringLiteral("6.5") << 6;
    QTest::newRow("sign only") << QStringLiteral("-") << 6;
}

void tst_ReminderRecord::daysChecked()
{
    QFETCH(QString, setting);
    QFETCH(int, days);
    QCOMPARE(daysCheckedFrom(setting), days);
}

QTEST_GUILESS_MAIN(tst_ReminderRecord)
#include "tst_reminderrecord.moc"
