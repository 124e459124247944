#include "settings/settingsstore.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/fakesuite.h"
#include "support/tempstore.h"
#include "support/windows.h"
#include "timers/countdown.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace nookery;

// Timer 1 and timer 2 of the window by their control names.
struct Names
{
    int n = 1;
    QString start, ack, clear, save, retrieve;
    QString minutes, seconds;
    QString hours, mins, secs;
    QString panel, alarm, message, messageFrame, tick, blink;
};

Q_DECLARE_METATYPE(Names)

static Names names(int n)
{
    const auto s = [](const char *t, int k) {
        return QString(QLatin1String(t) + QString::number(k));
    };
    const int l = n == 1 ? 1 : 5;
    Names t;
    t.n = n;
    t.start = s("menustart", n);
    t.ack = s("menuAcknowledge", n);
    t.clear = s("menuclear", n);
    t.save = s("menusave", n);
    t.retrieve = s("menuretrieve", n);
    t.minutes = s("HScroll", n).append(u'a');
    t.seconds = s("HScroll", n).append(u'b');
    t.hours = s("Label", l);
    t.mins = s("Label", l + 1);
    t.secs = s("Label", l + 2);
    t.panel = s("Frame", l);
    t.alarm = s("Frame", l + 2);
    t.message = s("Label", l + 3);
    t.messageFrame = s("Frame", l + 3);
    t.tick = s("Timer", n == 1 ? 1 : 3);
    t.blink = s("Timer", n == 1 ? 2 : 4);
    return t;
}

class TestCountDownWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensIdle();
    void zeroDoesNotStart();
    void ringsOnceAtTarget_data();
    void ringsOnceAtTarget();
    void stopAndResume_data();
    void stopAndResume();
    void clearAfterStop();
    void saveAndRetrieve_data();
    void saveAndRetrieve();
    void retrieveReplacesPausedTime();
    void minimisedTitleAndRestore();
    void hiddenEntriesTakeNoKey();
    void optionsChangeMessages();
    void failedSaveIsReported();

private:
    template <typename T> T *control(const QString &name)
    {
        T *w = window->findChild<T *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    QString digits(const Names &t)
    {
        return control<QLabel>(t.hours)->text() + control<QLabel>(t.mins)->text() +
               control<QLabel>(t.secs)->text();
    }
    void setTime(const Names &t, int minutes, int seconds)
    {
        control<QScrollBar>(t.minutes)->setValue(minutes);
        control<QScrollBar>(t.seconds)->setValue(seconds);
    }
    // What the timer does when it fires, through the window's own connection.
    void fire(const QString &timer)
    {
        QMetaObject::invokeMethod(control<QTimer>(timer), "timeout", Qt::DirectConnection);
    }
    void trigger(const QString &action) { control<QAction>(action)->trigger(); }
    void tick(const Names &t) { fire(t.tick); }
    QStringList activeTimers()
    {
        QStringList out;
        for (QTimer *timer : window->findChildren<QTimer *>()) {
            if (timer->isActive() && timer->objectName().startsWith(u"Timer"))
                out << timer->objectName();
        }
        return out;
    }

    std::unique_ptr<test::TempStore> temp;
    QTemporaryDir folder;
    test::FakeClock clock;
    test::FakePlatform platform;
    test::FakeSuite suite;
    std::unique_ptr<CountDown> window;
};

void TestCountDownWindow::init()
{
    temp = std::make_unique<test::TempStore>();
    clock.set(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 50)));
    platform.sounds.calls.clear();
    platform.messageBoxes.shown.clear();
    window =
        std::make_unique<CountDown>(temp->store(), clock, platform, suite, QDir(folder.path()));
}

void TestCountDownWindow::cleanup()
{
    window.reset();
    NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS();
}

void TestCountDownWindow::opensIdle()
{
    QCOMPARE(window->size(), QSize(700, 400));
    QCOMPARE(window->focusWidget(), control<QScrollBar>(QStringLiteral("HScroll1a")));
    QVERIFY(activeTimers().isEmpty());
    // The full range: 24:00:59.
    setTime(names(2), 1440, 59);
    QCOMPARE(digits(names(2)), QStringLiteral("24:00:59"));
    setTime(names(1), 90, 5);
    QCOMPARE(digits(names(1)), QStringLiteral("1:30:05"));
}

void TestCountDownWindow::zeroDoesNotStart()
{
    trigger(QStringLiteral("menustart1"));
    QCOMPARE(control<QAction>(QStringLiteral("menustart1"))->text(),
             QStringLiteral("CountDown 1 &Start"));
    QVERIFY(activeTimers().isEmpty());
}

void TestCountDownWindow::ringsOnceAtTarget_data()
{
    QTest::addColumn<Names>("t");
    QTest::newRow("CountDown 1") << names(1);
    QTest::newRow("CountDown 2") << names(2);
}

void TestCountDownWindow::ringsOnceAtTarget()
{
    QFETCH(Names, t);
    QFile wave(folder.filePath(QStringLiteral("timer.wav")));
    QVERIFY(wave.open(QIODevice::WriteOnly));
    wave.close();
    temp->store().save(keys::Sound, t.n, QStringLiteral("Timer.wav"));

    setTime(t, 0, 20);
    trigger(t.start);
    QCOMPARE(control<QAction>(t.start)->text(), QStringLiteral("CountDown %1 &Stop").arg(t.n));
    QCOMPARE(activeTimers(), QStringList{t.tick});
    clock.advance(19); // crosses midnight
    tick(t);
    QCOMPARE(digits(t), QStringLiteral("0:00:01"));
    QVERIFY(platform.sounds.calls.isEmpty());

    clock.advance(1);
    tick(t);
    QCOMPARE(platform.sounds.calls,
             QStringList{u"play " + folder.filePath(QStringLiteral("timer.wav"))});
    QCOMPARE(digits(t), QStringLiteral("0:00:00"));
    QCOMPARE(control<QScrollBar>(t.minutes)->value() + control<QScrollBar>(t.seconds)->value(), 0);
    QVERIFY(control<QGroupBox>(t.panel)->isHidden());
    QVERIFY(!control<QGroupBox>(t.alarm)->isHidden());
    QVERIFY(control<QAction>(t.ack)->isVisible());
    QCOMPARE(window->focusWidget(), control<QPushButton>(u"butAcknowledge" + QString::number(t.n)));
    QCOMPARE(activeTimers(), QStringList{t.blink});

    // The blink toggles the message frame only and shows the default message.
    auto *messageFrame = control<QFrame>(t.messageFrame);
    fire(t.blink);
    QVERIFY(messageFrame->isHidden());
    fire(t.blink);
    QVERIFY(!messageFrame->isHidden());
    QCOMPARE(control<QLabel>(t.message)->text(),
             QStringLiteral("Click on File, then Options to customize this message!"));

    clock.advance(5);
    tick(t);
    QCOMPARE(platform.sounds.calls.size(), 1);

    trigger(t.ack);
    QVERIFY(!control<QGroupBox>(t.panel)->isHidden());
    QVERIFY(control<QGroupBox>(t.alarm)->isHidden());
    QVERIFY(!control<QAction>(t.ack)->isVisible());
    QVERIFY(control<QAction>(t.clear)->isVisible());
    QCOMPARE(window->focusWidget(), control<QScrollBar>(t.minutes));
    QVERIFY(activeTimers().isEmpty());
}

void TestCountDownWindow::stopAndResume_data()
{
    ringsOnceAtTarget_data();
}

void TestCountDownWindow::stopAndResume()
{
    QFETCH(Names, t);
    setTime(t, 2, 0);
    trigger(t.start);
    clock.advance(24);
    tick(t);
    // Stop reads the clock, not the tick a second ago.
    clock.advance(1);
    trigger(t.start);
    QCOMPARE(digits(t), QStringLiteral("0:01:35"));
    QVERIFY(activeTimers().isEmpty());
    QVERIFY(control<QAction>(t.save)->isVisible());

    clock.advance(600);
    trigger(t.start);
    clock.advance(1);
    tick(t);
    QCOMPARE(digits(t), QStringLiteral("0:01:34"));
}

void TestCountDownWindow::clearAfterStop()
{
    const Names t = names(1);
    setTime(t, 0, 30);
    trigger(t.start);
    clock.advance(10);
    trigger(t.start);
    trigger(t.clear);
    QCOMPARE(digits(t), QStringLiteral("0:00:00"));
    QVERIFY(!control<QFrame>(QStringLiteral("Frame2"))->isHidden());
    trigger(t.start);
    QVERIFY(activeTimers().isEmpty());
}

void TestCountDownWindow::saveAndRetrieve_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("shown");
    QTest::newRow("saved") << "90"
                           << "5"
                           << "1:30:05";
    QTest::newRow("nothing saved") << ""
                                   << ""
                                   << "0:03:07";
    QTest::newRow("not a number") << "abc"
                                  << "5"
                                  << "0:03:07";
    QTest::newRow("beyond the bars") << "5000"
                                     << "99"
                                     << "24:00:59";
}

void TestCountDownWindow::saveAndRetrieve()
{
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(QString, shown);
    const Names t = names(2);
    if (!minutes.isEmpty()) {
        temp->store().save(keys::CountDownMinutes, 2, minutes);
        temp->store().save(keys::CountDownSeconds, 2, seconds);
    }
    setTime(t, 3, 7);
    trigger(t.retrieve);
    QCOMPARE(digits(t), shown);

    setTime(t, 45, 9);
    trigger(t.save);
    QCOMPARE(temp->reopen()->get(keys::CountDownMinutes, 2), QStringLiteral("45"));
    QCOMPARE(temp->reopen()->get(keys::CountDownSeconds, 2), QStringLiteral("9"));
    QVERIFY(temp->store().get(keys::CountDownMinutes, 1).isEmpty());
}

void TestCountDownWindow::retrieveReplacesPausedTime()
{
    const Names t = names(1);
    temp->store().save(keys::CountDownMinutes, 1, QStringLiteral("1"));
    temp->store().save(keys::CountDownSeconds, 1, QStringLiteral("0"));
    setTime(t, 10, 0);
    trigger(t.start);
    clock.advance(30);
    trigger(t.start);
    trigger(t.retrieve);
    QCOMPARE(digits(t), QStringLiteral("0:01:00"));
    trigger(t.start);
    clock.advance(1);
    tick(t);
    QCOMPARE(digits(t), QStringLiteral("0:00:59"));
}

void TestCountDownWindow::minimisedTitleAndRestore()
{
    const Names t = names(1);
    window->show();
    setTime(t, 5, 0);
    trigger(t.start);
    window->showMinimized();
    QVERIFY(window->isMinimized());
    clock.advance(1);
    tick(t);
    QCOMPARE(window->windowTitle(), QStringLiteral("0:04:59 - CountDown 1"));
    clock.advance(299);
    tick(t);
    QVERIFY(!window->isMinimized());
    QCOMPARE(window->windowTitle(), QStringLiteral("CountDown"));
}

void TestCountDownWindow::hiddenEntriesTakeNoKey()
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const Names t = names(2);
    setTime(t, 0, 5);
    QTest::keyClick(window.get(), Qt::Key_F6); // acknowledge: not in an alarm
    QTest::keyClick(window.get(), Qt::Key_F5);
    QCOMPARE(activeTimers(), QStringList{t.tick});
    QVERIFY(!control<QAction>(t.clear)->isVisible());
    clock.advance(5);
    tick(t);
    QTest::keyClick(window.get(), Qt::Key_F6);
    QVERIFY(control<QGroupBox>(t.alarm)->isHidden());
    QTest::keyClick(window.get(), Qt::Key_F11);
    QTest::keyClick(window.get(), Qt::Key_F1);
    QCOMPARE(suite.calls.mid(suite.calls.size() - 2),
             (QStringList{QStringLiteral("options 4"), QStringLiteral("help 230")}));
}

void TestCountDownWindow::optionsChangeMessages()
{
    temp->store().save(keys::VisualText, 1, QStringLiteral("Tea is ready"));
    temp->store().save(keys::VisualText, 2, QStringLiteral("Eggs"));
    window->optionsChanged();
    QCOMPARE(control<QLabel>(QStringLiteral("Label4"))->text(), QStringLiteral("Tea is ready"));
    QCOMPARE(control<QLabel>(QStringLiteral("Label8"))->text(), QStringLiteral("Eggs"));
}

void TestCountDownWindow::failedSaveIsReported()
{
    // A plain file where the store's folder should be: nothing can be written.
    QFile blocker(temp->folder() + QStringLiteral("/cfg"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore blocked(temp->path());
    CountDown w(blocked, clock, platform, suite, QDir(folder.path()));
    w.findChild<QScrollBar *>(QStringLiteral("HScroll1a"))->setValue(3);
    w.findChild<QAction *>(QStringLiteral("menusave1"))->trigger();
    QCOMPARE(platform.messageBoxes.shown.size(), 1);
    QCOMPARE(platform.messageBoxes.shown.first().title, QStringLiteral("Nookery 7.0"));
    QVERIFY(platform.messageBoxes.shown.first().text.contains(u"CountDown 1 time"));
}

QTEST_MAIN(TestCountDownWindow)
#include "tst_countdownwindow.moc"
