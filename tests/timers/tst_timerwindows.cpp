#include "common/toolcontext.h"
#include "common/twips.h"
#include "settings/settingsstore.h"
#include "shell/nookery.h"
#include "shell/toolwindows.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/fakesuite.h"
#include "support/tempstore.h"
#include "support/windows.h"
#include "timers/countdate.h"
#include "timers/countdown.h"
#include "timers/countfull.h"
#include "timers/countup.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <functional>
#include <memory>
#include <sys/inotify.h>
#include <unistd.h>

using namespace nookery;

// The four timer windows by their control names, on a fake clock; the tests fire the ticks.
class TestTimerWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOneWindowEach_data();
    void opensOneWindowEach();
    void optionsReachOnlyOpenWindows();
    void mainWindowKeysAndButtons_data();
    void mainWindowKeysAndButtons();

    void countDownOpensIdle();
    void countDownRingsOnceAtTarget_data();
    void countDownRingsOnceAtTarget();
    void countDownStopResumeClear_data();
    void countDownStopResumeClear();
    void countDownSaveAndRetrieve_data();
    void countDownSaveAndRetrieve();
    void countDownHiddenEntriesTakeNoKey();
    void countDownFailedSaveIsReported();

    void countUpResumesWhereStopped_data();
    void countUpResumesWhereStopped();
    void countUpTitleAndLongRuns();

    void countDateShowsAndRefreshes();
    void countDateEditorOnFreeAndUsedEntries();
    void countDateSaveThenDelete();
    void countDateMonthFirstUnderGermanLocale();
    void countDateAnyMouseButtonRunsOnce();

    void countFullPanelWidth_data();
    void countFullPanelWidth();
    void countFullTakesOptions();
    void countFullStopResumeAndAlarm();
    void countFullSaveAndRetrieve_data();
    void countFullSaveAndRetrieve();

private:
    template <typename W> W &open()
    {
        window.reset();
        auto w = std::make_unique<W>(
            ToolContext{temp->store(), clock, platform, suite, QDir(folder.path())});
        W &opened = *w;
        window = std::move(w);
        return opened;
    }
    template <typename T = QWidget> T *control(const QString &name)
    {
        T *w = window->findChild<T *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    static QString nm(const char *name, int n) { return QLatin1String(name) + QString::number(n); }
    QString text(const QString &label) { return control<QLabel>(label)->text(); }
    // The digit labels Label<first> to Label<first + 2>.
    QString digits(int first)
    {
        return text(nm("Label", first)) + text(nm("Label", first + 1)) +
               text(nm("Label", first + 2));
    }
    void setBars(const QString &minutes, const QString &seconds, int m, int s)
    {
        control<QScrollBar>(minutes)->setValue(m);
        control<QScrollBar>(seconds)->setValue(s);
    }
    // CountDown n's bars are HScroll<n>a and HScroll<n>b.
    void setCountDown(int n, int m, int s)
    {
        setBars(nm("HScroll", n) + u'a', nm("HScroll", n) + u'b', m, s);
    }
    // What the timer does when it fires, through the window's own connection.
    void fire(const QString &timer)
    {
        QMetaObject::invokeMethod(control<QTimer>(timer), "timeout", Qt::DirectConnection);
    }
    void trigger(const QString &action) { control<QAction>(action)->trigger(); }
    QStringList activeTimers()
    {
        QStringList out;
        for (QTimer *t : window->findChildren<QTimer *>()) {
            if (t->isActive() && t->objectName().startsWith(u"Timer"))
                out << t->objectName();
        }
        return out;
    }
    bool centred(const QString &name)
    {
        const QWidget *w = control(name);
        return std::abs(w->x() * 2 + w->width() - window->width()) <= 2;
    }
    QColor dateColour(int n)
    {
        return control<QLabel>(nm("LabelDate", n))->palette().color(QPalette::WindowText);
    }
    void storeEntry(int n, const QString &text, const QString &date, const QString &time)
    {
        temp->store().save(keys::DateCountDownText, n, text);
        temp->store().save(keys::DateCountDownDate, n, date);
        temp->store().save(keys::DateCountDownTime, n, time);
    }
    // How many times `save` wrote the store's file: a batch is once, all or nothing. Each write
    // makes a new name, the file's own or a temporary "Nookery.ini.XXXXXX" renamed over it
    // (counting the renames would not do: the kernel merges equal events).
    int storeWrites(const std::function<void()> &save)
    {
        const QFileInfo ini(temp->path());
        QDir().mkpath(ini.absolutePath());
        const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        inotify_add_watch(fd, QFile::encodeName(ini.absolutePath()).constData(), IN_CREATE);
        save();
        int n = 0;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;) {
            for (ssize_t at = 0; at < got;) {
                const auto *e = reinterpret_cast<const inotify_event *>(buffer + at);
                const QString name = e->len > 0 ? QFile::decodeName(e->name) : QString();
                if (name.startsWith(ini.fileName()) && !name.endsWith(u".lock"))
                    ++n;
                at += ssize_t(sizeof(inotify_event) + e->len);
            }
        }
        ::close(fd);
        return n;
    }
    QString combos()
    {
        QStringList out;
        for (int i = 1; i <= 4; ++i)
            out << control<QComboBox>(nm("Combo", i))->currentText();
        return out.join(u' ');
    }

    std::unique_ptr<test::TempStore> temp;
    QTemporaryDir folder;
    test::FakeClock clock;
    test::FakePlatform platform;
    test::FakeSuite suite;
    std::unique_ptr<QWidget> window;
};

void TestTimerWindows::init()
{
    temp = std::make_unique<test::TempStore>();
    clock.set(QDateTime(QDate(2026, 3, 1), QTime(9, 0, 0)));
    platform.sounds.calls.clear();
    platform.notices.sent.clear();
    platform.messageBoxes.shown.clear();
    suite.calls.clear();
}

void TestTimerWindows::cleanup()
{
    window.reset();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS();
}

void TestTimerWindows::opensOneWindowEach_data()
{
    QTest::addColumn<Tool>("tool");
    QTest::addColumn<QString>("title");
    QTest::newRow("CountDown") << Tool::CountDown << "CountDown";
    QTest::newRow("CountUp") << Tool::CountUp << "CountUp";
    QTest::newRow("CountDate") << Tool::CountDate << "Date CountDown";
    QTest::newRow("CountFull") << Tool::CountFull << "Full Screen CountDown";
}

void TestTimerWindows::opensOneWindowEach()
{
    QFETCH(Tool, tool);
    QFETCH(QString, title);
    ToolWindows tools(temp->store(), clock, platform, QDir(temp->folder()));
    tools.show(tool);
    QPointer<QWidget> opened = tools.window(tool);
    QVERIFY(opened && opened->isVisible());
    QCOMPARE(opened->windowTitle(), title);
    tools.show(tool);
    QCOMPARE(tools.window(tool), opened.data());
    // Open and idle: no timer of the window wakes the suite.
    for (const QTimer *t : opened->findChildren<QTimer *>())
        QVERIFY2(!t->isActive() || !t->objectName().startsWith(u"Timer"),
                 qPrintable(t->objectName()));
    opened->close();
    QVERIFY(QTest::qWaitFor([&] { return opened.isNull(); }));
    tools.show(tool);
    QVERIFY(tools.window(tool));
    tools.closeAll();
}

void TestTimerWindows::optionsReachOnlyOpenWindows()
{
    ToolWindows tools(temp->store(), clock, platform, QDir(temp->folder()));
    tools.show(Tool::CountDown);
    temp->store().save(keys::VisualText, 1, u"Tea is ready"_qs);
    temp->store().save(keys::VisualText, 2, u"Pasta"_qs);
    tools.optionsSaved();
    const QWidget *countDown = tools.window(Tool::CountDown);
    QCOMPARE(countDown->findChild<QLabel *>(u"Label4"_qs)->text(), u"Tea is ready"_qs);
    QCOMPARE(countDown->findChild<QLabel *>(u"Label8"_qs)->text(), u"Pasta"_qs);
    QVERIFY(!tools.window(Tool::CountFull));
    tools.closeAll();
}

void TestTimerWindows::countDownOpensIdle()
{
    open<CountDown>();
    // The design size, or larger where the fonts at hand need it.
    QVERIFY(window->width() >= 700 && window->height() >= 400);
    QCOMPARE(window->focusWidget(), control(u"HScroll1a"_qs));
    QVERIFY(activeTimers().isEmpty());
    // The full range: 24:00:59.
    setCountDown(2, 1440, 59);
    QCOMPARE(digits(5), u"24:00:59"_qs);
}

void TestTimerWindows::countDownRingsOnceAtTarget_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("CountDown 1") << 1;
    QTest::newRow("CountDown 2") << 2;
}

void TestTimerWindows::countDownRingsOnceAtTarget()
{
    QFETCH(int, n);
    const int l = n == 1 ? 1 : 5; // the first digit label and frame of entry n
    const QString start = nm("menustart", n), tick = nm("Timer", 2 * n - 1),
                  blink = nm("Timer", 2 * n);
    QFile wave(folder.filePath(u"timer.wav"_qs));
    QVERIFY(wave.open(QIODevice::WriteOnly));
    wave.close();
    temp->store().save(keys::Sound, n, u"Timer.wav"_qs);
    clock.set(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 50))); // rings after midnight
    open<CountDown>().show();

    setCountDown(n, 0, 20);
    trigger(start);
    QCOMPARE(control<QAction>(start)->text(), u"CountDown %1 &Stop"_qs.arg(n));
    QCOMPARE(activeTimers(), QStringList{tick});
    window->showMinimized();
    clock.advance(19);
    fire(tick);
    QCOMPARE(digits(l), u"0:00:01"_qs);
    QCOMPARE(window->windowTitle(), u"0:00:01 - CountDown %1"_qs.arg(n));
    QVERIFY(platform.sounds.calls.isEmpty());

    // The alarm restores the window.
    clock.advance(1);
    fire(tick);
    QVERIFY(!window->isMinimized());
    QCOMPARE(window->windowTitle(), u"CountDown"_qs);
    QCOMPARE(platform.sounds.calls, QStringList{u"play " + folder.filePath(u"timer.wav"_qs)});
    QCOMPARE(digits(l), u"0:00:00"_qs);
    QCOMPARE(control<QScrollBar>(nm("HScroll", n) + u'a')->value() +
                 control<QScrollBar>(nm("HScroll", n) + u'b')->value(),
             0);
    QVERIFY(control(nm("Frame", l))->isHidden());
    QVERIFY(!control(nm("Frame", l + 2))->isHidden());
    QVERIFY(control<QAction>(nm("menuAcknowledge", n))->isVisible());
    QCOMPARE(window->focusWidget(), control(nm("butAcknowledge", n)));
    QCOMPARE(activeTimers(), QStringList{blink});

    // The blink toggles the message frame only and shows the default message.
    auto *messageFrame = control(nm("Frame", l + 3));
    fire(blink);
    QVERIFY(messageFrame->isHidden());
    fire(blink);
    QVERIFY(!messageFrame->isHidden());
    QCOMPARE(text(nm("Label", l + 3)),
             u"Click on File, then Options to customize this message!"_qs);

    clock.advance(5);
    fire(tick);
    QCOMPARE(platform.sounds.calls.size(), 1);
    // The desktop hears of it once too; its click brings the window back.
    QCOMPARE(platform.notices.sent,
             QStringList{u"countdown%1|CountDown %1: Time Is Up!|Click on File, then Options to "
                         "customize this message!"_qs.arg(n)});
    window->showMinimized();
    platform.notices.activate(nm("countdown", n));
    QVERIFY(!window->isMinimized());

    trigger(nm("menuAcknowledge", n));
    QVERIFY(!control(nm("Frame", l))->isHidden());
    QVERIFY(control(nm("Frame", l + 2))->isHidden());
    QVERIFY(!control<QAction>(nm("menuAcknowledge", n))->isVisible());
    QCOMPARE(window->focusWidget(), control(nm("HScroll", n) + u'a'));
    QVERIFY(activeTimers().isEmpty());
}

void TestTimerWindows::countDownStopResumeClear_data()
{
    countDownRingsOnceAtTarget_data();
}

void TestTimerWindows::countDownStopResumeClear()
{
    QFETCH(int, n);
    const int l = n == 1 ? 1 : 5;
    const QString start = nm("menustart", n), tick = nm("Timer", 2 * n - 1);
    open<CountDown>();
    setCountDown(n, 2, 0);
    trigger(start);
    clock.advance(24);
    fire(tick);
    // Stop reads the clock, not the tick a second ago.
    clock.advance(1);
    trigger(start);
    QCOMPARE(digits(l), u"0:01:35"_qs);
    QVERIFY(activeTimers().isEmpty());
    QVERIFY(control<QAction>(nm("menusave", n))->isVisible());

    clock.advance(600);
    trigger(start);
    clock.advance(1);
    fire(tick);
    QCOMPARE(digits(l), u"0:01:34"_qs);

    // Cleared after a stop: the bars are back at zero, and zero does not start.
    trigger(start);
    trigger(nm("menuclear", n));
    QCOMPARE(digits(l), u"0:00:00"_qs);
    QVERIFY(!control(nm("Frame", l + 1))->isHidden());
    trigger(start);
    QVERIFY(activeTimers().isEmpty());
}

void TestTimerWindows::countDownSaveAndRetrieve_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<bool>("paused"); // stopped at 0:02:37 before the retrieve
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("second"); // a second after Start
    const auto row = [](const char *name, const char *minutes, const char *seconds, bool paused,
                        const char *shown, const char *second) {
        QTest::newRow(name) << QString::fromLatin1(minutes) << QString::fromLatin1(seconds)
                            << paused << QString::fromLatin1(shown) << QString::fromLatin1(second);
    };
    row("saved", "90", "5", false, "1:30:05", "1:30:04");
    row("nothing saved", "", "", false, "0:03:07", "0:03:06");
    row("not a number", "abc", "5", false, "0:03:07", "0:03:06");
    row("beyond the bars", "5000", "99", false, "24:00:59", "24:00:58");
    row("over a paused time", "1", "0", true, "0:01:00", "0:00:59");
}

void TestTimerWindows::countDownSaveAndRetrieve()
{
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(bool, paused);
    QFETCH(QString, shown);
    QFETCH(QString, second);
    if (!minutes.isEmpty()) {
        temp->store().save(keys::CountDownMinutes, 2, minutes);
        temp->store().save(keys::CountDownSeconds, 2, seconds);
    }
    open<CountDown>();
    setCountDown(2, 3, 7);
    if (paused) {
        trigger(u"menustart2"_qs);
        clock.advance(30);
        trigger(u"menustart2"_qs);
    }
    trigger(u"menuretrieve2"_qs);
    QCOMPARE(digits(5), shown);
    trigger(u"menustart2"_qs);
    clock.advance(1);
    fire(u"Timer3"_qs);
    QCOMPARE(digits(5), second);
    trigger(u"menustart2"_qs);

    setCountDown(2, 45, 9);
    QCOMPARE(storeWrites([this] { trigger(u"menusave2"_qs); }), 1);
    QCOMPARE(temp->reopen()->get(keys::CountDownMinutes, 2), u"45"_qs);
    QCOMPARE(temp->reopen()->get(keys::CountDownSeconds, 2), u"9"_qs);
    QVERIFY(temp->store().get(keys::CountDownMinutes, 1).isEmpty());
}

void TestTimerWindows::countDownHiddenEntriesTakeNoKey()
{
    open<CountDown>().show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    setCountDown(2, 0, 5);
    QTest::keyClick(window.get(), Qt::Key_F6); // acknowledge: not in an alarm
    QTest::keyClick(window.get(), Qt::Key_F5);
    QCOMPARE(activeTimers(), QStringList{u"Timer3"_qs});
    QVERIFY(!control<QAction>(u"menuclear2"_qs)->isVisible());
    clock.advance(5);
    fire(u"Timer3"_qs);
    QTest::keyClick(window.get(), Qt::Key_F6);
    QVERIFY(control(u"Frame7"_qs)->isHidden());
    QTest::keyClick(window.get(), Qt::Key_F11);
    QTest::keyClick(window.get(), Qt::Key_F1);
    QCOMPARE(suite.calls.mid(suite.calls.size() - 2),
             (QStringList{u"options 4"_qs, u"help 230"_qs}));
}

void TestTimerWindows::countDownFailedSaveIsReported()
{
    // A plain file where the store's folder should be: nothing can be written.
    QFile blocker(temp->folder() + u"/cfg"_qs);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore blocked(temp->path());
    CountDown w(ToolContext{blocked, clock, platform, suite, QDir(folder.path())});
    w.findChild<QScrollBar *>(u"HScroll1a"_qs)->setValue(3);
    w.findChild<QAction *>(u"menusave1"_qs)->trigger();
    QCOMPARE(platform.messageBoxes.shown.size(), 1);
    QCOMPARE(platform.messageBoxes.shown.first().title, u"Nookery 7.0"_qs);
    QVERIFY(platform.messageBoxes.shown.first().text.contains(u"CountDown 1 time"));
}

void TestTimerWindows::countUpResumesWhereStopped_data()
{
    QTest::addColumn<int>("watch");
    QTest::newRow("CountUp 1") << 1;
    QTest::newRow("CountUp 2") << 2;
}

void TestTimerWindows::countUpResumesWhereStopped()
{
    QFETCH(int, watch);
    // Stopwatch 1 is menustart3 ("Sto&p" while running), Timer5 and Label9..11; stopwatch 2
    // menustart4, Timer6, Label12..14.
    const QString startStop = nm("menustart", watch + 2), tick = nm("Timer", watch + 4);
    const int first = watch == 1 ? 9 : 12;
    open<CountUp>();
    QVERIFY(activeTimers().isEmpty());
    trigger(startStop);
    QCOMPARE(control<QAction>(startStop)->text(),
             watch == 1 ? u"CountUp 1 St&op"_qs : u"CountUp 2 Sto&p"_qs);
    QCOMPARE(activeTimers(), QStringList{tick});
    clock.advance(9);
    fire(tick);
    clock.advance(1);
    trigger(startStop); // stop: the clock's 10 seconds, not the tick's 9
    QCOMPARE(digits(first), u"0:00:10"_qs);
    QVERIFY(activeTimers().isEmpty());
    clock.advance(20);
    trigger(startStop);
    fire(tick);
    QCOMPARE(digits(first), u"0:00:10"_qs);
    clock.advance(5);
    fire(tick);
    QCOMPARE(digits(first), u"0:00:15"_qs);
    QCOMPARE(digits(21 - first), u"0:00:00"_qs);

    // Clear is offered only while stopped.
    auto *clear = control<QAction>(nm("menuclear", watch + 2));
    QVERIFY(!clear->isVisible());
    trigger(startStop);
    clear->trigger();
    QCOMPARE(digits(first), u"0:00:00"_qs);
    QVERIFY(!clear->isVisible());
}

void TestTimerWindows::countUpTitleAndLongRuns()
{
    open<CountUp>().show();
    trigger(u"menustart3"_qs);
    trigger(u"menustart4"_qs);
    window->showMinimized();
    clock.advance(727);
    fire(u"Timer5"_qs);
    QCOMPARE(window->windowTitle(), u"0:12:07 - CountUp 1"_qs);
    // Only stopwatch 1 titles the window.
    clock.advance(1);
    fire(u"Timer6"_qs);
    QCOMPARE(window->windowTitle(), u"0:12:07 - CountUp 1"_qs);
    window->showNormal();
    fire(u"Timer5"_qs);
    QCOMPARE(window->windowTitle(), u"CountUp"_qs);

    // However many hours, the digits fit their label.
    clock.advance(360000 - 728);
    fire(u"Timer5"_qs);
    QCOMPARE(digits(9), u"100:00:00"_qs);
    auto *hours = control<QLabel>(u"Label9"_qs);
    QVERIFY(QFontMetrics(hours->font()).horizontalAdvance(hours->text()) <=
            hours->contentsRect().width());
}

void TestTimerWindows::countDateShowsAndRefreshes()
{
    storeEntry(1, u"Holidays"_qs, u"03/02/2026"_qs, u"10:01:01 AM"_qs);
    storeEntry(3, u"Gone"_qs, u"02/28/2026"_qs, u"09:00:00 PM"_qs);
    storeEntry(5, u"Odd"_qs, u"sometime"_qs, u"09:00:00 PM"_qs);
    storeEntry(7, u"Far"_qs, u"12/31/9999"_qs, u"11:59:59 PM"_qs);
    storeEntry(2, u"Now"_qs, u"03/01/2026"_qs, u"09:00:03 AM"_qs);
    open<CountDate>();
    QCOMPARE(text(u"Label1"_qs), u"Holidays"_qs);
    QCOMPARE(text(u"LabelRemaining1"_qs), u"1 days, 1 hours, 1 mins, 1 secs."_qs);
    QCOMPARE(text(u"LabelRemaining3"_qs), u"Time Is Up!"_qs);
    QCOMPARE(dateColour(3), QColor(Qt::blue));
    // Unreadable: shown as stored, without a remaining time; the others go on.
    QCOMPARE(text(u"LabelDate5"_qs), u"sometime"_qs);
    QCOMPARE(text(u"LabelRemaining5"_qs), QString());
    QVERIFY(text(u"LabelRemaining7"_qs).endsWith(u" hours, "));
    QVERIFY(control<QTimer>(u"Timer1"_qs)->isActive());

    // A sound at 2 and at 1 seconds left (3 at load), none at 0; nothing for the past entry.
    QVERIFY(platform.sounds.calls.isEmpty());
    const QString sound = u"play " + QDir(folder.path()).filePath(u"timer.wav"_qs);
    for (const int calls : {1, 2, 2}) {
        clock.advance(1);
        fire(u"Timer1"_qs);
        QCOMPARE(platform.sounds.calls, QStringList(calls, sound));
    }
    QCOMPARE(text(u"LabelRemaining2"_qs), u"Time Is Up!"_qs);
    QCOMPARE(platform.notices.sent,
             QStringList{u"datecountdown2|Date CountDown: Time Is Up!|Now"_qs});
}

void TestTimerWindows::countDateEditorOnFreeAndUsedEntries()
{
    storeEntry(6, u"Dentist"_qs, u"07/14/2026"_qs, u"08:05:09 PM"_qs);
    storeEntry(8, u"Broken"_qs, u"07/14/2026"_qs, u"noonish"_qs);
    open<CountDate>();
    auto *calendar = control<QCalendarWidget>(u"Calendar1"_qs);
    auto *erase = control<QPushButton>(u"CmdDelete"_qs);
    auto *cancel = control<QPushButton>(u"CmdCancel"_qs);
    trigger(u"menu4"_qs);
    QCOMPARE(window->windowTitle(), u"Edit Message 4"_qs);
    QVERIFY(!control(u"Text4"_qs)->isHidden());
    QVERIFY(control(u"Text6"_qs)->isHidden());
    QCOMPARE(combos(), u"12 00 00 PM"_qs);
    QCOMPARE(calendar->selectedDate(), QDate(2026, 3, 1));
    QVERIFY(erase->isHidden());
    cancel->click();
    QCOMPARE(window->windowTitle(), u"Date CountDown"_qs);
    QVERIFY(control(u"Frame2"_qs)->isHidden());
    QVERIFY(temp->store().get(keys::DateCountDownDate, 4).isEmpty());

    control<QPushButton>(u"Command6"_qs)->click();
    QCOMPARE(control<QLineEdit>(u"Text6"_qs)->text(), u"Dentist"_qs);
    QCOMPARE(combos(), u"08 05 09 PM"_qs);
    QCOMPARE(calendar->selectedDate(), QDate(2026, 7, 14));
    QVERIFY(!erase->isHidden());
    cancel->click();

    // A stored time that cannot be read: today at noon, and Delete to be rid of it.
    control<QPushButton>(u"Command8"_qs)->click();
    QCOMPARE(combos(), u"12 00 00 PM"_qs);
    QVERIFY(!erase->isHidden());
}

void TestTimerWindows::countDateSaveThenDelete()
{
    storeEntry(2, u"Old"_qs, u"02/01/2026"_qs, u"12:00:00 AM"_qs);
    open<CountDate>().show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(text(u"LabelRemaining2"_qs), u"Time Is Up!"_qs);
    control<QPushButton>(u"Command2"_qs)->click();
    control<QLineEdit>(u"Text2"_qs)->setText(u"Still past"_qs);
    control<QCalendarWidget>(u"Calendar1"_qs)->setSelectedDate(QDate(2026, 2, 27));
    QCOMPARE(storeWrites([this] { QTest::keyClick(control(u"Text2"_qs), Qt::Key_Return); }), 1);
    QCOMPARE(temp->store().get(keys::DateCountDownText, 2), u"Still past"_qs);
    QCOMPARE(temp->store().get(keys::DateCountDownDate, 2), u"02/27/2026"_qs);
    QCOMPARE(temp->store().get(keys::DateCountDownTime, 2), u"12:00:00 AM"_qs);
    QCOMPARE(window->windowTitle(), u"Date CountDown"_qs);
    QCOMPARE(dateColour(2), QColor(Qt::black));
    // Past again: blue again at the next refresh, and then nothing counts any more.
    QVERIFY(control<QTimer>(u"Timer1"_qs)->isActive());
    fire(u"Timer1"_qs);
    QCOMPARE(text(u"LabelRemaining2"_qs), u"Time Is Up!"_qs);
    QCOMPARE(dateColour(2), QColor(Qt::blue));
    QVERIFY(!control<QTimer>(u"Timer1"_qs)->isActive());

    control<QPushButton>(u"Command2"_qs)->click();
    control<QPushButton>(u"CmdDelete"_qs)->click();
    for (const Key &k : {keys::DateCountDownText, keys::DateCountDownDate, keys::DateCountDownTime})
        QVERIFY(temp->reopen()->get(k, 2).isEmpty());
    QCOMPARE(text(u"Label2"_qs), QString());
    QCOMPARE(text(u"LabelRemaining2"_qs), QString());
    // Nothing left to count: no more wake-ups.
    QVERIFY(!control<QTimer>(u"Timer1"_qs)->isActive());
}

void TestTimerWindows::countDateMonthFirstUnderGermanLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    open<CountDate>();
    QVERIFY(!control<QTimer>(u"Timer1"_qs)->isActive());
    control<QPushButton>(u"Command1"_qs)->click();
    control<QCalendarWidget>(u"Calendar1"_qs)->setSelectedDate(QDate(2026, 3, 4));
    control<QPushButton>(u"CmdSave"_qs)->click();
    QCOMPARE(temp->store().get(keys::DateCountDownDate, 1), u"03.04.2026"_qs);
    open<CountDate>(); // a restart
    QCOMPARE(text(u"LabelRemaining1"_qs), u"3 days, 3 hours, 0 mins, 0 secs."_qs);
}

void TestTimerWindows::countDateAnyMouseButtonRunsOnce()
{
    open<CountDate>().show();
    control<QPushButton>(u"Command3"_qs)->click();
    control<QLineEdit>(u"Text3"_qs)->setText(u"Right click"_qs);
    auto *save = control<QPushButton>(u"CmdSave"_qs);
    QTest::mouseRelease(save, Qt::RightButton, {}, save->rect().center());
    QCOMPARE(temp->store().get(keys::DateCountDownText, 3), u"Right click"_qs);
    QCOMPARE(window->windowTitle(), u"Date CountDown"_qs);

    // A left click: the release saves, the click after it only finds the list.
    control<QPushButton>(u"Command4"_qs)->click();
    QTest::mouseClick(save, Qt::LeftButton, {}, save->rect().center());
    QVERIFY(!temp->store().get(keys::DateCountDownDate, 4).isEmpty());
    QVERIFY(temp->store().get(keys::DateCountDownDate, 5).isEmpty());
    QCOMPARE(window->windowTitle(), u"Date CountDown"_qs);
}

void TestTimerWindows::countFullPanelWidth_data()
{
    QTest::addColumn<QString>("large"); // "Full Screen Large Fonts"
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("run"); // seconds run before a tick; -1: not started
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("panel"); // twips
    const auto row = [](const char *name, const char *large, int minutes, int run,
                        const char *shown, int panel) {
        QTest::newRow(name) << QString::fromLatin1(large) << minutes << run
                            << QString::fromLatin1(shown) << panel;
    };
    row("599", "0", 599, -1, "9:59:00", 8160);
    row("600", "0", 600, -1, "10:00:00", 9460);
    row("large, 599", "1", 599, -1, "9:59:00", 12800);
    row("large, 600", "1", 600, -1, "10:00:00", 15000);
    row("36000 left", "0", 600, 0, "10:00:00", 9460);
    row("35999 left", "0", 600, 1, "9:59:59", 8160);
}

void TestTimerWindows::countFullPanelWidth()
{
    QFETCH(QString, large);
    QFETCH(int, minutes);
    QFETCH(int, run);
    QFETCH(QString, shown);
    QFETCH(int, panel);
    temp->store().save(keys::FullScreenLargeFonts, large);
    open<CountFull>();
    setBars(u"HScroll1"_qs, u"HScroll2"_qs, minutes, 0);
    if (run >= 0) {
        trigger(u"menustart"_qs);
        clock.advance(run);
        fire(u"Timer1"_qs);
    }
    QCOMPARE(digits(2), shown);
    QCOMPARE(control(u"Frame1"_qs)->width(), twipsToPixels(panel));
    QVERIFY(centred(u"Frame1"_qs));
}

void TestTimerWindows::countFullTakesOptions()
{
    CountFull &w = open<CountFull>();
    auto *message = control<QLabel>(u"Label1"_qs);
    QCOMPARE(temp->reopen()->get(keys::Sound, 3), u"Timer.wav"_qs);
    QCOMPARE(message->text(), u"Click on File, then Options to customize this message!"_qs);
    QVERIFY(centred(u"Label1"_qs));
    QCOMPARE(message->font().pointSize(), 36);
    QVERIFY(activeTimers().isEmpty());
    setBars(u"HScroll1"_qs, u"HScroll2"_qs, 600, 0);

    // The options dialog saved: the large scheme at the current two hour digits.
    temp->store().save(keys::FullScreenLargeFonts, u"1"_qs);
    temp->store().save(keys::VisualText, 3, u"Presentation ends"_qs);
    w.optionsChanged();
    QCOMPARE(control(u"Frame1"_qs)->width(), twipsToPixels(15000));
    QCOMPARE(message->font().pointSize(), 48);
    QCOMPARE(message->text(), u"Presentation ends"_qs);
}

void TestTimerWindows::countFullStopResumeAndAlarm()
{
    temp->store().save(keys::Sound, 3, u"/sounds/gong.wav"_qs);
    open<CountFull>();
    const QString start = u"menustart"_qs;
    setBars(u"HScroll1"_qs, u"HScroll2"_qs, 2, 0);
    trigger(start);
    QVERIFY(control(u"HScroll1"_qs)->isHidden());
    QVERIFY(!control<QAction>(u"menusave"_qs)->isVisible());
    QVERIFY(!control<QAction>(u"sep2"_qs)->isVisible());
    clock.advance(20);
    trigger(start); // stop with 100 seconds left
    QCOMPARE(digits(2), u"0:01:40"_qs);
    QVERIFY(control<QAction>(u"menusave"_qs)->isVisible());
    QVERIFY(activeTimers().isEmpty());
    clock.advance(300);
    trigger(start);
    clock.advance(99);
    fire(u"Timer1"_qs);
    QCOMPARE(digits(2), u"0:00:01"_qs);
    QVERIFY(platform.sounds.calls.isEmpty());

    clock.advance(1);
    fire(u"Timer1"_qs);
    QCOMPARE(platform.sounds.calls, QStringList{u"play /sounds/gong.wav"_qs});
    QCOMPARE(digits(2), u"0:00:00"_qs);
    QVERIFY(!control(u"Frame2"_qs)->isHidden());
    QCOMPARE(window->focusWidget(), control(u"butmsg1"_qs));
    QVERIFY(!control<QAction>(start)->isEnabled());
    QCOMPARE(activeTimers(), QStringList{u"Timer2"_qs});
    fire(u"Timer2"_qs);
    QVERIFY(control(u"Frame3"_qs)->isHidden());
    QVERIFY(!control(u"Label1"_qs)->isHidden());

    control<QPushButton>(u"butmsg1"_qs)->click();
    QVERIFY(control<QAction>(start)->isEnabled());
    QVERIFY(control(u"Frame2"_qs)->isHidden());
    QVERIFY(!control(u"HScroll1"_qs)->isHidden());
    QVERIFY(activeTimers().isEmpty());
    // The duration went with the alarm: Start has nothing to count.
    trigger(start);
    QVERIFY(activeTimers().isEmpty());
}

void TestTimerWindows::countFullSaveAndRetrieve_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("saved") << u"75"_qs << u"1:15:30"_qs;
    QTest::newRow("nothing saved") << QString() << u"0:00:00"_qs;
    QTest::newRow("not a number") << u"abc"_qs << u"0:00:00"_qs;
}

void TestTimerWindows::countFullSaveAndRetrieve()
{
    QFETCH(QString, minutes);
    QFETCH(QString, shown);
    open<CountFull>();
    setBars(u"HScroll1"_qs, u"HScroll2"_qs, 12, 34);
    QCOMPARE(storeWrites([this] { trigger(u"menusave"_qs); }), 1);
    QCOMPARE(temp->reopen()->get(keys::FullScreenMinutes), u"12"_qs);
    QCOMPARE(temp->reopen()->get(keys::FullScreenSeconds), u"34"_qs);
    if (minutes.isEmpty()) {
        temp->store().remove(keys::FullScreenMinutes);
    } else {
        temp->store().save(keys::FullScreenMinutes, minutes);
        temp->store().save(keys::FullScreenSeconds, u"30"_qs);
    }
    trigger(u"menuretrieve"_qs);
    QCOMPARE(digits(2), shown);
}

void TestTimerWindows::mainWindowKeysAndButtons_data()
{
    QTest::addColumn<Tool>("tool");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("button");
    QTest::newRow("CountDown") << Tool::CountDown << int(Qt::Key_F2) << 1;
    QTest::newRow("CountUp") << Tool::CountUp << int(Qt::Key_F3) << 2;
    QTest::newRow("CountDate") << Tool::CountDate << int(Qt::Key_F4) << 3;
    QTest::newRow("CountFull") << Tool::CountFull << int(Qt::Key_F5) << 4;
}

// The strip as the user has it: its key and its tool bar button each open that timer window
// through the real registry, and no other.
void TestTimerWindows::mainWindowKeysAndButtons()
{
    QFETCH(Tool, tool);
    QFETCH(int, key);
    QFETCH(int, button);
    test::TempStore temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    temp.store().save(QStringLiteral("Other Programs"), QStringLiteral("Run From Tray"),
                      QStringLiteral("unchecked"));
    ToolWindows tools(temp.store(), clock, platform, QDir(temp.folder()));
    Nookery main(temp.store(), clock, platform, tools, QDir(temp.folder()));
    main.Form_Load();
    const auto openTimers = [&] {
        QList<Tool> open;
        for (Tool t : {Tool::CountDown, Tool::CountUp, Tool::CountDate, Tool::CountFull})
            if (tools.window(t))
                open << t;
        return open;
    };

    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(&main, Qt::Key(key));
    QCOMPARE(openTimers(), QList<Tool>{tool});
    QPointer<QWidget> window = tools.window(tool);
    QVERIFY(window->isVisible());
    window->close();
    QVERIFY(QTest::qWaitFor([&] { return window.isNull(); }));

    QWidget *toolButton = main.Toolbar1()->widgetForAction(main.toolbarButton(button));
    QVERIFY(toolButton && toolButton->isVisible());
    QTest::mouseClick(toolButton, Qt::LeftButton);
    QCOMPARE(openTimers(), QList<Tool>{tool});
    QVERIFY(tools.window(tool)->isVisible());
    tools.closeAll();
}

QTEST_MAIN(TestTimerWindows)
#include "tst_timerwindows.moc"
