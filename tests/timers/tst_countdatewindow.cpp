#include "settings/settingsstore.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/fakesuite.h"
#include "support/tempstore.h"
#include "support/windows.h"
#include "timers/countdate.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace nookery;

class TestCountDateWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsStoredEntries();
    void soundInTheLastTwoSeconds();
    void editorOnFreeAndUsedEntries();
    void saveWritesTheEntry();
    void deleteFreesTheEntry();
    void monthFirstUnderGermanLocale();
    void anyMouseButtonRunsOnce();

private:
    template <typename T> T *control(const QString &name)
    {
        T *w = window->findChild<T *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    QString text(const QString &label) { return control<QLabel>(label)->text(); }
    void open()
    {
        window = std::make_unique<CountDate>(store(), clock, platform, suite, QDir(folder.path()));
    }
    void refresh()
    {
        QMetaObject::invokeMethod(control<QTimer>(QStringLiteral("Timer1")), "timeout",
                                  Qt::DirectConnection);
    }
    void storeEntry(int n, const QString &text, const QString &date, const QString &time)
    {
        store().save(keys::DateCountDownText, n, text);
        store().save(keys::DateCountDownDate, n, date);
        store().save(keys::DateCountDownTime, n, time);
    }
    QString combos()
    {
        QStringList out;
        for (int i = 1; i <= 4; ++i)
            out << control<QComboBox>(u"Combo" + QString::number(i))->currentText();
        return out.join(u' ');
    }
    SettingsStore &store() { return temp->store(); }

    std::unique_ptr<test::TempStore> temp;
    QTemporaryDir folder;
    test::FakeClock clock;
    test::FakePlatform platform;
    test::FakeSuite suite;
    std::unique_ptr<CountDate> window;
};

void TestCountDateWindow::init()
{
    temp = std::make_unique<test::TempStore>();
    clock.set(QDateTime(QDate(2026, 3, 1), QTime(9, 0, 0)));
    platform.sounds.calls.clear();
}

void TestCountDateWindow::cleanup()
{
    window.reset();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS();
}

void TestCountDateWindow::showsStoredEntries()
{
    storeEntry(1, QStringLiteral("Holidays"), QStringLiteral("03/02/2026"),
               QStringLiteral("10:01:01 AM"));
    storeEntry(3, QStringLiteral("Gone"), QStringLiteral("02/28/2026"),
               QStringLiteral("09:00:00 PM"));
    storeEntry(5, QStringLiteral("Odd"), QStringLiteral("sometime"), QStringLiteral("09:00:00 PM"));
    storeEntry(7, QStringLiteral("Far"), QStringLiteral("12/31/9999"),
               QStringLiteral("11:59:59 PM"));
    open();
    QCOMPARE(text(QStringLiteral("Label1")), QStringLiteral("Holidays"));
    QCOMPARE(text(QStringLiteral("LabelRemaining1")),
             QStringLiteral("1 days, 1 hours, 1 mins, 1 secs."));
    QCOMPARE(text(QStringLiteral("LabelRemaining3")), QStringLiteral("Time Is Up!"));
    QCOMPARE(control<QLabel>(QStringLiteral("LabelDate3"))->palette().color(QPalette::WindowText),
             QColor(Qt::blue));
    // Unreadable: shown as stored, without a remaining time; the others go on.
    QCOMPARE(text(QStringLiteral("LabelDate5")), QStringLiteral("sometime"));
    QCOMPARE(text(QStringLiteral("LabelRemaining5")), QString());
    QVERIFY(text(QStringLiteral("LabelRemaining7")).endsWith(u" hours, "));
    QVERIFY(platform.sounds.calls.isEmpty());
    QVERIFY(control<QTimer>(QStringLiteral("Timer1"))->isActive());
}

void TestCountDateWindow::soundInTheLastTwoSeconds()
{
    storeEntry(2, QStringLiteral("Now"), QStringLiteral("03/01/2026"),
               QStringLiteral("09:00:03 AM"));
    open();
    QVERIFY(platform.sounds.calls.isEmpty());
    clock.advance(1);
    refresh();
    QCOMPARE(text(QStringLiteral("LabelRemaining2")),
             QStringLiteral("0 days, 0 hours, 0 mins, 2 secs."));
    QCOMPARE(platform.sounds.calls,
             QStringList{u"play " + QDir(folder.path()).filePath(QStringLiteral("timer.wav"))});
    clock.advance(1);
    refresh();
    QCOMPARE(platform.sounds.calls.size(), 2);
    clock.advance(1);
    refresh();
    QCOMPARE(text(QStringLiteral("LabelRemaining2")), QStringLiteral("Time Is Up!"));
    QCOMPARE(platform.sounds.calls.size(), 2);
}

void TestCountDateWindow::editorOnFreeAndUsedEntries()
{
    storeEntry(6, QStringLiteral("Dentist"), QStringLiteral("07/14/2026"),
               QStringLiteral("08:05:09 PM"));
    storeEntry(8, QStringLiteral("Broken"), QStringLiteral("07/14/2026"),
               QStringLiteral("noonish"));
    open();
    control<QAction>(QStringLiteral("menu4"))->trigger();
    QCOMPARE(window->windowTitle(), QStringLiteral("Edit Message 4"));
    QVERIFY(!control<QLineEdit>(QStringLiteral("Text4"))->isHidden());
    QVERIFY(control<QLineEdit>(QStringLiteral("Text6"))->isHidden());
    QCOMPARE(combos(), QStringLiteral("12 00 00 PM"));
    QCOMPARE(control<QCalendarWidget>(QStringLiteral("Calendar1"))->selectedDate(),
             QDate(2026, 3, 1));
    QVERIFY(control<QPushButton>(QStringLiteral("CmdDelete"))->isHidden());
    control<QPushButton>(QStringLiteral("CmdCancel"))->click();
    QCOMPARE(window->windowTitle(), QStringLiteral("Date CountDown"));
    QVERIFY(control<QWidget>(QStringLiteral("Frame2"))->isHidden());
    QVERIFY(store().get(keys::DateCountDownDate, 4).isEmpty());

    control<QPushButton>(QStringLiteral("Command6"))->click();
    QCOMPARE(control<QLineEdit>(QStringLiteral("Text6"))->text(), QStringLiteral("Dentist"));
    QCOMPARE(combos(), QStringLiteral("08 05 09 PM"));
    QCOMPARE(control<QCalendarWidget>(QStringLiteral("Calendar1"))->selectedDate(),
             QDate(2026, 7, 14));
    QVERIFY(!control<QPushButton>(QStringLiteral("CmdDelete"))->isHidden());
    control<QPushButton>(QStringLiteral("CmdCancel"))->click();

    // A stored time that cannot be read: today at noon, and Delete to be rid of it.
    control<QPushButton>(QStringLiteral("Command8"))->click();
    QCOMPARE(combos(), QStringLiteral("12 00 00 PM"));
    QVERIFY(!control<QPushButton>(QStringLiteral("CmdDelete"))->isHidden());
}

void TestCountDateWindow::saveWritesTheEntry()
{
    storeEntry(2, QStringLiteral("Old"), QStringLiteral("02/01/2026"),
               QStringLiteral("12:00:00 AM"));
    open();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(text(QStringLiteral("LabelRemaining2")), QStringLiteral("Time Is Up!"));
    control<QPushButton>(QStringLiteral("Command2"))->click();
    control<QLineEdit>(QStringLiteral("Text2"))->setText(QStringLiteral("Still past"));
    control<QCalendarWidget>(QStringLiteral("Calendar1"))->setSelectedDate(QDate(2026, 2, 27));
    QTest::keyClick(control<QLineEdit>(QStringLiteral("Text2")), Qt::Key_Return);
    QCOMPARE(store().get(keys::DateCountDownText, 2), QStringLiteral("Still past"));
    QCOMPARE(store().get(keys::DateCountDownDate, 2), QStringLiteral("02/27/2026"));
    QCOMPARE(store().get(keys::DateCountDownTime, 2), QStringLiteral("12:00:00 AM"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Date CountDown"));
    QCOMPARE(control<QLabel>(QStringLiteral("LabelDate2"))->palette().color(QPalette::WindowText),
             QColor(Qt::black));
    // Past again: blue again at the next refresh.
    refresh();
    QCOMPARE(text(QStringLiteral("LabelRemaining2")), QStringLiteral("Time Is Up!"));
    QCOMPARE(control<QLabel>(QStringLiteral("LabelDate2"))->palette().color(QPalette::WindowText),
             QColor(Qt::blue));
}

void TestCountDateWindow::deleteFreesTheEntry()
{
    storeEntry(9, QStringLiteral("Soon"), QStringLiteral("03/05/2026"),
               QStringLiteral("01:00:00 PM"));
    open();
    control<QPushButton>(QStringLiteral("Command9"))->click();
    control<QPushButton>(QStringLiteral("CmdDelete"))->click();
    for (const Key &k : {keys::DateCountDownText, keys::DateCountDownDate, keys::DateCountDownTime})
        QVERIFY(temp->reopen()->get(k, 9).isEmpty());
    QCOMPARE(text(QStringLiteral("Label9")), QString());
    QCOMPARE(text(QStringLiteral("LabelRemaining9")), QString());
    // Nothing left to count: no more wake-ups.
    QVERIFY(!control<QTimer>(QStringLiteral("Timer1"))->isActive());
}

void TestCountDateWindow::monthFirstUnderGermanLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    open();
    QVERIFY(!control<QTimer>(QStringLiteral("Timer1"))->isActive());
    control<QPushButton>(QStringLiteral("Command1"))->click();
    control<QCalendarWidget>(QStringLiteral("Calendar1"))->setSelectedDate(QDate(2026, 3, 4));
    control<QPushButton>(QStringLiteral("CmdSave"))->click();
    QCOMPARE(store().get(keys::DateCountDownDate, 1), QStringLiteral("03.04.2026"));
    open(); // a restart
    QCOMPARE(text(QStringLiteral("LabelRemaining1")),
             QStringLiteral("3 days, 3 hours, 0 mins, 0 secs."));
}

void TestCountDateWindow::anyMouseButtonRunsOnce()
{
    open();
    window->show();
    control<QPushButton>(QStringLiteral("Command3"))->click();
    control<QLineEdit>(QStringLiteral("Text3"))->setText(QStringLiteral("Right click"));
    auto *save = control<QPushButton>(QStringLiteral("CmdSave"));
    QTest::mouseRelease(save, Qt::RightButton, {}, save->rect().center());
    QCOMPARE(store().get(keys::DateCountDownText, 3), QStringLiteral("Right click"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Date CountDown"));

    // A left click: the release saves, the click after it only finds the list.
    control<QPushButton>(QStringLiteral("Command4"))->click();
    platform.messageBoxes.shown.clear();
    QTest::mouseClick(save, Qt::LeftButton, {}, save->rect().center());
    QVERIFY(!store().get(keys::DateCountDownDate, 4).isEmpty());
    QVERIFY(store().get(keys::DateCountDownDate, 5).isEmpty());
    QCOMPARE(window->windowTitle(), QStringLiteral("Date CountDown"));
}

QTEST_MAIN(TestCountDateWindow)
#include "tst_countdatewindow.moc"
