#include "timers/countdowntimer.h"
#include "timers/datemoment.h"
#include "timers/formatremaining.h"
#include "timers/fullscreenlayout.h"
#include "timers/stopwatch.h"
#include "timers/wavefile.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace nookery;

class TestTimersCore : public QObject
{
    Q_OBJECT

private slots:
    void formatRemaining_data();
    void formatRemaining();
    void countdownFollowsClock_data();
    void countdownFollowsClock();
    void stopwatchClockSetBack();
    void dateEntries_data();
    void dateEntries();
    void fullScreenLayout_data();
    void fullScreenLayout();
    void waveFiles();
    // Run again under TZ=Europe/Berlin: 2026-03-29 skips 02:00 to 03:00, 2026-10-25 repeats
    // 02:00 to 03:00.
    void countdownAcrossSwitch();
    void datesAcrossSwitch_data();
    void datesAcrossSwitch();
};

static bool inBerlin()
{
    return QDateTime(QDate(2026, 1, 1), QTime(12, 0)).offsetFromUtc() == 3600 &&
           QDateTime(QDate(2026, 7, 1), QTime(12, 0)).offsetFromUtc() == 7200;
}

void TestTimersCore::formatRemaining_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("digits");

    const auto row = [&](const char *name, qint64 s, const char *text, const char *digits,
                         const QString &locale = QStringLiteral("en_US")) {
        QTest::newRow(name) << locale << s << QString::fromLatin1(text)
                            << QString::fromLatin1(digits);
    };
    row("0", 0, "0 days, 0 hours, 0 mins, 0 secs.", "0:00:00");
    row("1", 1, "0 days, 0 hours, 0 mins, 1 secs.", "0:00:01");
    row("59", 59, "0 days, 0 hours, 0 mins, 59 secs.", "0:00:59");
    row("60", 60, "0 days, 0 hours, 1 mins, 0 secs.", "0:01:00");
    row("61", 61, "0 days, 0 hours, 1 mins, 1 secs.", "0:01:01");
    row("3599", 3599, "0 days, 0 hours, 59 mins, 59 secs.", "0:59:59");
    row("3600", 3600, "0 days, 1 hours, 0 mins, 0 secs.", "1:00:00");
    row("86399", 86399, "0 days, 23 hours, 59 mins, 59 secs.", "23:59:59");
    row("86400", 86400, "1 days, 0 hours, 0 mins, 0 secs.", "24:00:00");
    row("90061", 90061, "1 days, 1 hours, 1 mins, 1 secs.", "25:01:01");
    row("93784", 93784, "1 days, 2 hours, 3 mins, 4 secs.", "26:03:04");
    row("1234 days", 1234LL * 86400 + 5, "1,234 days, 0 hours, 0 mins, 5 secs.", "29616:00:05");
    row("1234 days de", 1234LL * 86400 + 5, "1.234 days, 0 hours, 0 mins, 5 secs.", "29616:00:05",
        QStringLiteral("de_DE"));
    row("int max", 2147483647LL, "24,855 days, 3 hours, 14 mins, 7 secs.", "596523:14:07");
    row("int max + 1", 2147483648LL, "24,855 days, 3 hours, 14 mins, ", "");
    row("minutes max", 128849018879LL, "1,491,308 days, 2 hours, 7 mins, ", "");
    row("minutes max + 1", 128849018880LL, "1,491,308 days, 2 hours, ", "");
    row("hours past", 2147483648LL * 3600, "89,478,485 days, ", "");
    row("-1", -1, "-1 days, -1 hours, -1 mins, -1 secs.", "0:00:00");
    row("-90061", -90061, "-2 days, -2 hours, -2 mins, -1 secs.", "0:00:00");
}

void TestTimersCore::formatRemaining()
{
    QFETCH(QString, locale);
    QFETCH(qint64, seconds);
    QFETCH(QString, text);
    QFETCH(QString, digits);
    QLocale::setDefault(QLocale(locale));
    const Remaining r = FormatRemaining(seconds);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(r.text, text);
    QCOMPARE(r.digits(), digits);
    QCOMPARE(r.hasDigits(), !digits.isEmpty());
}

void TestTimersCore::countdownFollowsClock_data()
{
    QTest::addColumn<qint64>("duration");
    QTest::addColumn<qint64>("jump");
    QTest::addColumn<bool>("stop"); // read by Stop instead of a tick
    QTest::addColumn<qint64>("left");
    QTest::addColumn<bool>("rings");

    QTest::newRow("3 hours forward, 5 left")
        << 5 * 3600LL << 3 * 3600LL << false << 2 * 3600LL << false;
    QTest::newRow("3 hours forward, 2 left")
        << 2 * 3600LL << 3 * 3600LL << false << -3600LL << true;
    QTest::newRow("1 hour back") << 600LL << -3600LL << false << 4200LL << false;
    QTest::newRow("to the second") << 20LL << 20LL << false << 0LL << true;
    QTest::newRow("a second early") << 20LL << 19LL << false << 1LL << false;
    // Stop takes the time from the clock, not from the last tick; at zero it rings.
    QTest::newRow("stopped") << 100LL << 5LL << true << 95LL << false;
    QTest::newRow("stopped at zero") << 100LL << 100LL << true << 0LL << true;
}

void TestTimersCore::countdownFollowsClock()
{
    QFETCH(qint64, duration);
    QFETCH(qint64, jump);
    QFETCH(bool, stop);
    QFETCH(qint64, left);
    QFETCH(bool, rings);
    // Late in the day, so the countdown crosses midnight.
    const QDateTime start(QDate(2026, 12, 31), QTime(23, 59, 50));
    CountdownTimer t;
    t.setDuration(duration);
    t.start(start);
    const QDateTime now = start.addSecs(jump);
    QCOMPARE((stop ? t.stop(now) : t.tick(now)) == CountdownTimer::Outcome::Alarm, rings);
    QCOMPARE(t.remaining(), left);
    QCOMPARE(t.state(), rings  ? CountdownTimer::State::Alarm
                        : stop ? CountdownTimer::State::Stopped
                               : CountdownTimer::State::Running);
    // The alarm rings once: later ticks of a rung countdown do nothing.
    if (rings)
        QCOMPARE(t.tick(now.addSecs(1)), CountdownTimer::Outcome::Counting);
}

void TestTimersCore::stopwatchClockSetBack()
{
    const QDateTime t0(QDate(2026, 3, 1), QTime(12, 0));
    Stopwatch w;
    w.start(t0);
    QCOMPARE(w.tick(t0.addSecs(90010)), 90010);
    // Set back before the start: count on from zero.
    QCOMPARE(w.tick(t0.addSecs(-100)), 0);
    QCOMPARE(w.tick(t0.addSecs(-90)), 10);
}

void TestTimersCore::dateEntries_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QDateTime>("moment");

    const auto row = [](const char *name, const char *date, const char *time, QDateTime moment) {
        QTest::newRow(name) << QString::fromLatin1(date) << QString::fromLatin1(time) << moment;
    };
    const auto at = [](int y, int m, int d, int h, int min, int s) {
        return QDateTime(QDate(y, m, d), QTime(h, min, s));
    };
    row("slash", "03/04/2026", "09:30:15 PM", at(2026, 3, 4, 21, 30, 15));
    row("dot, month first", "03.04.2026", "09:30:15 AM", at(2026, 3, 4, 9, 30, 15));
    row("dash", "12-31-9999", "11:59:59 PM", at(9999, 12, 31, 23, 59, 59));
    row("blanks, as C wrote them", "03 04 2026", "09:30:15 PM", at(2026, 3, 4, 21, 30, 15));
    row("midnight", "01/01/2027", "12:00:00 AM", at(2027, 1, 1, 0, 0, 0));
    row("noon", "01/01/2027", "12:00:00 PM", at(2027, 1, 1, 12, 0, 0));
    row("30 February", "02/30/2026", "12:00:00 PM", {});
    row("day first", "31/12/2026", "12:00:00 PM", {});
    row("garbage date", "soon", "12:00:00 PM", {});
    row("garbage time", "01/01/2027", "noon", {});
    row("13 o'clock", "01/01/2027", "13:00:00 PM", {});
    row("empty", "", "", {});
}

void TestTimersCore::dateEntries()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QDateTime, moment);
    const auto parsed = datemoment::parse(date, time);
    QCOMPARE(parsed.has_value(), moment.isValid());
    if (moment.isValid()) {
        QCOMPARE(*parsed, moment);
        // Written back as it was read, with this locale's separator.
        QCOMPARE(
            datemoment::formatDate(parsed->date()),
            QString(date).replace(QRegularExpression(QStringLiteral("\\D")), QStringLiteral("/")));
    }
}

void TestTimersCore::fullScreenLayout_data()
{
    QTest::addColumn<bool>("large");
    QTest::addColumn<bool>("two");
    QTest::addColumn<QRect>("panel");
    QTest::addColumn<int>("secondsLeft");
    QTest::addColumn<QRect>("minutesBar");
    QTest::addColumn<QRect>("secondsBar");
    QTest::addColumn<int>("digitFont");
    // A 1920-pixel screen: 28800 twips.
    QTest::newRow("normal, one digit")
        << false << false << QRect(10320, 2000, 8160, 3000) << 5520 << QRect(300, 2640, 4100, 350)
        << QRect(5600, 2640, 2400, 350) << 120;
    QTest::newRow("normal, two digits")
        << false << true << QRect(9670, 2000, 9460, 3000) << 6820 << QRect(950, 2640, 4100, 350)
        << QRect(6900, 2640, 2400, 350) << 120;
    QTest::newRow("large, one digit")
        << true << false << QRect(8000, 3000, 12800, 4500) << 8600 << QRect(0, 4080, 7100, 465)
        << QRect(8600, 4080, 4000, 465) << 200;
    QTest::newRow("large, two digits")
        << true << true << QRect(6900, 3000, 15000, 4500) << 10800 << QRect(1100, 4080, 7100, 465)
        << QRect(10800, 4080, 4000, 465) << 200;
}

void TestTimersCore::fullScreenLayout()
{
    QFETCH(bool, large);
    QFETCH(bool, two);
    QFETCH(QRect, panel);
    QFETCH(int, secondsLeft);
    QFETCH(QRect, minutesBar);
    QFETCH(QRect, secondsBar);
    QFETCH(int, digitFont);
    const FullScreenLayout l = FullScreenLayout::compute(large, two, 28800);
    QCOMPARE(l.digitPanel, panel);
    QCOMPARE(l.minutes.left(), l.hours.width());
    QCOMPARE(l.seconds.left(), secondsLeft);
    QCOMPARE(l.minutesBar, minutesBar);
    QCOMPARE(l.secondsBar, secondsBar);
    QCOMPARE(l.digitFont, digitFont);
    QCOMPARE(l.message.left() * 2 + l.message.width(), 28800);
    QCOMPARE(l.alarmPanel.left(), (28800 - 8600) / 2);
}

void TestTimersCore::waveFiles()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("timer.wav")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QDir folder(dir.path());
    QCOMPARE(resolveWaveFile(folder, QStringLiteral("Timer.wav")),
             dir.filePath(QStringLiteral("timer.wav")));
    QCOMPARE(resolveWaveFile(folder, QStringLiteral("bell.wav")),
             dir.filePath(QStringLiteral("bell.wav")));
    QCOMPARE(resolveWaveFile(folder, QStringLiteral("/usr/x.wav")), QStringLiteral("/usr/x.wav"));
    QCOMPARE(resolveWaveFile(folder, QString()), QString());
}

void TestTimersCore::countdownAcrossSwitch()
{
    if (!inBerlin())
        QSKIP("needs TZ=Europe/Berlin");
    // Two real hours from 01:00 on the spring-forward night end at 04:00 on the clock.
    const QDate night(2026, 3, 29);
    CountdownTimer t;
    t.setDuration(7200);
    t.start(QDateTime(night, QTime(1, 0)));
    QCOMPARE(t.tick(QDateTime(night, QTime(3, 59, 59))), CountdownTimer::Outcome::Counting);
    QCOMPARE(t.tick(QDateTime(night, QTime(4, 0))), CountdownTimer::Outcome::Alarm);
}

void TestTimersCore::datesAcrossSwitch_data()
{
    QTest::addColumn<QDate>("night");
    QTest::addColumn<int>("fromOneAm");
    // 02:30 in the gap counts to 03:30; in the repeated hour the first 02:30 counts.
    QTest::newRow("gap") << QDate(2026, 3, 29) << 3600 + 1800;
    QTest::newRow("repeated hour") << QDate(2026, 10, 25) << 5400;
}

void TestTimersCore::datesAcrossSwitch()
{
    QFETCH(QDate, night);
    QFETCH(int, fromOneAm);
    if (!inBerlin())
        QSKIP("needs TZ=Europe/Berlin");
    const auto moment = datemoment::parse(night.toString(u"MM/dd/yyyy"), u"02:30:00 AM"_qs);
    QVERIFY(moment && moment->isValid());
    QCOMPARE(QDateTime(night, QTime(1, 0)).secsTo(*moment), fromOneAm);
}

QTEST_GUILESS_MAIN(TestTimersCore)
#include "tst_timerscore.moc"
