#include "support/fakeclock.h"
#include "support/fakesuite.h"
#include "support/windows.h"
#include "timers/countup.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace nookery;

class TestCountUpWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void resumesWhereStopped_data();
    void resumesWhereStopped();
    void clearOnlyWhileStopped();
    void longRuns_data();
    void longRuns();
    void minimisedTitle();

private:
    template <typename T> T *control(const QString &name)
    {
        T *w = window->findChild<T *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    // Stopwatch 1's digits are Label9..11, stopwatch 2's Label12..14.
    QString digits(int watch)
    {
        const int first = watch == 1 ? 9 : 12;
        QString out;
        for (int i = first; i < first + 3; ++i)
            out += control<QLabel>(u"Label" + QString::number(i))->text();
        return out;
    }
    void startStop(int watch)
    {
        control<QAction>(u"menustart" + QString::number(watch + 2))->trigger();
    }
    void tick(int watch)
    {
        QMetaObject::invokeMethod(control<QTimer>(u"Timer" + QString::number(watch + 4)), "timeout",
                                  Qt::DirectConnection);
    }
    bool anyTimerActive()
    {
        const auto timers = window->findChildren<QTimer *>();
        return std::any_of(timers.begin(), timers.end(), [](QTimer *t) {
            return t->isActive() && t->objectName().startsWith(u"Timer");
        });
    }

    test::FakeClock clock;
    test::FakeSuite suite;
    std::unique_ptr<CountUp> window;
};

void TestCountUpWindow::init()
{
    window = std::make_unique<CountUp>(clock, suite);
}

void TestCountUpWindow::cleanup()
{
    window.reset();
    NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS();
}

void TestCountUpWindow::resumesWhereStopped_data()
{
    QTest::addColumn<int>("watch");
    QTest::newRow("CountUp 1") << 1;
    QTest::newRow("CountUp 2") << 2;
}

void TestCountUpWindow::resumesWhereStopped()
{
    QFETCH(int, watch);
    QVERIFY(!anyTimerActive());
    startStop(watch);
    QVERIFY(anyTimerActive());
    clock.advance(9);
    tick(watch);
    clock.advance(1);
    startStop(watch); // stop: the clock's 10 seconds, not the tick's 9
    QCOMPARE(digits(watch), QStringLiteral("0:00:10"));
    QVERIFY(!anyTimerActive());
    clock.advance(20);
    startStop(watch);
    tick(watch);
    QCOMPARE(digits(watch), QStringLiteral("0:00:10"));
    clock.advance(5);
    tick(watch);
    QCOMPARE(digits(watch), QStringLiteral("0:00:15"));
    QCOMPARE(digits(3 - watch), QStringLiteral("0:00:00"));
}

void TestCountUpWindow::clearOnlyWhileStopped()
{
    auto *clear = control<QAction>(QStringLiteral("menuclear4"));
    QVERIFY(!clear->isVisible());
    startStop(2);
    QCOMPARE(control<QAction>(QStringLiteral("menustart4"))->text(),
             QStringLiteral("CountUp 2 Sto&p"));
    QVERIFY(!clear->isVisible());
    clock.advance(30);
    startStop(2);
    QVERIFY(clear->isVisible());
    clear->trigger();
    QCOMPARE(digits(2), QStringLiteral("0:00:00"));
    QVERIFY(!clear->isVisible());
    startStop(2);
    clock.advance(2);
    tick(2);
    QCOMPARE(digits(2), QStringLiteral("0:00:02"));
}

void TestCountUpWindow::longRuns_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("shown");
    QTest::newRow("10 hours") << 36000LL << "10:00:00";
    QTest::newRow("25 hours") << 90000LL << "25:00:00";
    QTest::newRow("100 hours") << 360000LL << "100:00:00";
}

void TestCountUpWindow::longRuns()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, shown);
    window->show();
    startStop(1);
    clock.advance(seconds);
    tick(1);
    QCOMPARE(digits(1), shown);
    // However many hours, the digits fit their label.
    auto *hours = control<QLabel>(QStringLiteral("Label9"));
    QVERIFY(QFontMetrics(hours->font()).horizontalAdvance(hours->text()) <=
            hours->contentsRect().width());
}

void TestCountUpWindow::minimisedTitle()
{
    window->show();
    startStop(1);
    startStop(2);
    window->showMinimized();
    clock.advance(727);
    tick(1);
    QCOMPARE(window->windowTitle(), QStringLiteral("0:12:07 - CountUp 1"));
    clock.advance(1);
    tick(2);
    QCOMPARE(window->windowTitle(), QStringLiteral("0:12:07 - CountUp 1"));
    window->showNormal();
    tick(1);
    QCOMPARE(window->windowTitle(), QStringLiteral("CountUp"));
}

QTEST_MAIN(TestCountUpWindow)
#include "tst_countupwindow.moc"
