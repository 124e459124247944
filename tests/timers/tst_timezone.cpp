#include "timers/countdowntimer.h"
#include "timers/datemoment.h"

#include <QTest>

using namespace nookery;

// Runs with TZ=Europe/Berlin: 2026-03-29 skips 02:00 to 03:00, 2026-10-25 repeats 02:00 to
// 03:00.
class TestTimeZone : public QObject
{
    Q_OBJECT

private slots:
    void countdownAcrossSwitch();
    void dateInGap();
    void dateInRepeatedHour();
};

void TestTimeZone::countdownAcrossSwitch()
{
    // Two real hours from 01:00 on the spring-forward night end at 04:00 on the clock.
    const QDateTime start(QDate(2026, 3, 29), QTime(1, 0));
    CountdownTimer t;
    t.setDuration(7200);
    t.start(start);
    QCOMPARE(t.target().time(), QTime(4, 0));
    QCOMPARE(t.tick(QDateTime(QDate(2026, 3, 29), QTime(3, 59, 59))),
             CountdownTimer::Outcome::Counting);
    QCOMPARE(t.tick(QDateTime(QDate(2026, 3, 29), QTime(4, 0))), CountdownTimer::Outcome::Alarm);
}

void TestTimeZone::dateInGap()
{
    const auto moment =
        datemoment::parse(QStringLiteral("03/29/2026"), QStringLiteral("02:30:00 AM"));
    QVERIFY(moment && moment->isValid());
    QCOMPARE(moment->time(), QTime(3, 30));
    const QDateTime oneAm(QDate(2026, 3, 29), QTime(1, 0));
    QCOMPARE(oneAm.secsTo(*moment), 3600 + 1800);
}

void TestTimeZone::dateInRepeatedHour()
{
    const auto moment =
        datemoment::parse(QStringLiteral("10/25/2026"), QStringLiteral("02:30:00 AM"));
    QVERIFY(moment);
    const QDateTime oneAm(QDate(2026, 10, 25), QTime(1, 0));
    QCOMPARE(oneAm.secsTo(*moment), 5400);
}

QTEST_GUILESS_MAIN(TestTimeZone)
#include "tst_timezone.moc"
