#include "calendar/calendar.h"
#include "calendar/datestyles.h"
#include "common/toolcontext.h"
#include "shell/toolwindows.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/fakesuite.h"
#include "support/tempstore.h"
#include "support/windows.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QToolBar>

#include <memory>

using namespace nookery;

Q_DECLARE_METATYPE(nookery::DateStyle)

namespace {

const QDate Today(2026, 12, 8);
const QString CalendarSection = u"Calendar"_qs;

} // namespace

class tst_CalendarWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void formatDate_data();
    void formatDate();
    void layoutAndPlace();
    void commands_data();
    void commands();
    void styles_data();
    void styles();
    void difference_data();
    void difference();
    void midnightTurnsTheLabelAndKeepsThePick();
    void activationSelectsTodayAgain();
    void changeDate_data();
    void changeDate();
    void secondChangeMeanwhileIsIgnored();
    void changedDateOpensAFreshWindow();

private:
    calendar &open()
    {
        window = std::make_unique<calendar>(
            ToolContext{temp->store(), clock, platform, suite, QDir(temp->folder())});
        window->show();
        return *window;
    }
    template <typename T> T *control(const char *name) const
    {
        T *w = window->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QString label(const char *name) const { return control<QLabel>(name)->text(); }
    QCalendarWidget *month() const { return control<QCalendarWidget>("Calendar1"); }
    void setKeys(const QStringList &keys)
    {
        const char *names[] = {"Short Date", "Medium Date", "Long Date", "Copy Date",
                               "Calendar Format"};
        for (int i = 0; i < keys.size(); ++i) {
            if (!keys[i].isEmpty())
                temp->store().save(CalendarSection, QLatin1String(names[i]), keys[i]);
        }
    }
    void activate() const
    {
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(window.get(), &activation);
    }

    std::unique_ptr<test::TempStore> temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    test::FakeSuite suite;
    std::unique_ptr<calendar> window;
};

void tst_CalendarWindow::init()
{
    temp = std::make_unique<test::TempStore>();
    clock.set(QDateTime(Today, QTime(9, 0, 0)));
    platform.messageBoxes.shown.clear();
    platform.messageBoxes.answers.clear();
    platform.messageBoxes.whileShown = nullptr;
    platform.date.requests.clear();
    platform.date.answer.clear();
    platform.date.deferred = false;
    suite.calls.clear();
    QGuiApplication::clipboard()->setText(u"untouched"_qs);
}

void tst_CalendarWindow::cleanup()
{
    window.reset();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS();
}

void tst_CalendarWindow::formatDate_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("format");
    QTest::addColumn<DateStyle>("style");
    QTest::addColumn<QString>("text");
    const auto row = [](const char *locale, const char *format, DateStyle style, const char *name,
                        const QString &text) {
        QTest::addRow("%s %s %s", locale, format, name)
            << QString::fromLatin1(locale) << QString::fromLatin1(format) << style << text;
    };
    // The window's styles test shows the others.
    row("en_US", "dd/mm", DateStyle::ShortFormat, "short format", u"08/12/26"_qs);
    row("de_DE", "dd/mm", DateStyle::MediumDate, "medium", u"08-Dez.-26"_qs);
    row("de_DE", "dd/mm", DateStyle::LongDate, "long", u"Dienstag, 8. Dezember 2026"_qs);
    row("de_DE", "dd/mm", DateStyle::None, "none", QString());
}

void tst_CalendarWindow::formatDate()
{
    QFETCH(QString, locale);
    QFETCH(QString, format);
    QFETCH(DateStyle, style);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(nookery::formatDate(QDate(2026, 12, 8), style, format), text);
}

void tst_CalendarWindow::layoutAndPlace()
{
    calendar &w = open();
    QCOMPARE(w.windowTitle(), u"Calendar"_qs);
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    const int titleBar = w.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    QCOMPARE(w.size(), QSize(264, 338 - titleBar));
    // Bottom right, as far in from the screen's edges as the older versions put it.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect full = screen->geometry();
    QCOMPARE(w.frameGeometry().topLeft(), QPoint(full.width() - 269, full.height() - 373));
    QVERIFY(
        screen->availableGeometry().contains(QRect(w.frameGeometry().topLeft(), QSize(264, 338))));

    QCOMPARE(month()->minimumDate(), QDate(1753, 1, 1));
    QCOMPARE(month()->maximumDate(), QDate(9999, 12, 31));
    QCOMPARE(month()->selectedDate(), Today);
    QVERIFY(w.Timer1.isActive());
    QCOMPARE(w.txtdate, u"12/8/26"_qs);
    QCOMPARE(label("Label1"), u"The difference between today and your date is 0 days."_qs);
    QStringList keys;
    QStringList tips;
    for (QAction *b : control<QToolBar>("Toolbar1")->actions()) {
        keys << (b->isSeparator() ? u"|"_qs : b->data().toString());
        tips << b->toolTip();
    }
    QCOMPARE(keys, (QStringList{u"cm1"_qs, u"|"_qs, u"cm2"_qs, u"|"_qs, u"cm3"_qs, u"cm4"_qs,
                                u"cm5"_qs}));
    QCOMPARE(tips.value(2), u"Change Computer's Date"_qs);
    // Everything fits the fixed frame.
    QVERIFY(w.minimumSizeHint().height() <= w.height());
    QVERIFY(w.minimumSizeHint().width() <= w.width());
}

void tst_CalendarWindow::commands_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("stays");
    const auto row = [](const char *name, QKeySequence key, QStringList calls, bool stays) {
        QTest::newRow(name) << QString::fromLatin1(name) << key << calls << stays;
    };
    // Copy Date unset and the question answered No: copy and change do nothing here.
    row("menucopy", QKeySequence(Qt::CTRL | Qt::Key_Y), {}, true);
    row("menuchange", QKeySequence(Qt::CTRL | Qt::Key_D), {}, true);
    row("cm3", {}, {u"options 2"_qs}, true);
    row("menuoptions", Qt::Key_F11, {u"options 2"_qs}, true);
    row("cm4", {}, {u"help 210"_qs}, true);
    row("menuhelp2", Qt::Key_F1, {u"help 210"_qs}, true);
    row("menuhelp1", {}, {u"help contents"_qs}, true);
    row("menuhelp3", {}, {u"show About"_qs}, true);
    row("cm5", {}, {}, false);
    row("menuclose", Qt::Key_F12, {}, false);
}

void tst_CalendarWindow::commands()
{
    QFETCH(QString, name);
    QFETCH(QKeySequence, key);
    QFETCH(QStringList, calls);
    QFETCH(bool, stays);
    open();
    QAction *a = window->findChild<QAction *>(name);
    if (!name.startsWith(u"cm"))
        QCOMPARE(a->shortcut(), key);
    a->trigger();
    QCOMPARE(suite.calls, calls);
    QCOMPARE(window->isVisible(), stays);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"untouched"_qs);
    // Keys are compared exactly.
    QAction other(u"CM3"_qs);
    other.setData(u"CM3"_qs);
    window->Toolbar1_ButtonClick(&other);
    QCOMPARE(suite.calls, calls);
}

void tst_CalendarWindow::styles_data()
{
    QTest::addColumn<QString>("locale");
    // Short Date, Medium Date, Long Date, Copy Date, Calendar Format; empty: never set
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("copied");
    const auto row = [](const char *name, const char *locale, const char *keys, const char *shown,
                        const char *copied) {
        QTest::newRow(name) << QString::fromLatin1(locale) << QString::fromLatin1(keys).split(u',')
                            << QString::fromLatin1(shown) << QString::fromLatin1(copied);
    };
    row("fresh store", "en_US", "", "Tuesday, December 8, 2026", "untouched");
    row("medium copied", "en_US", "no,yes,no,yes", "08-Dec-26", "08-Dec-26");
    row("short, month first", "en_US", "yes,no,no,yes", "12/08/26", "12/8/26");
    row("short, day first", "de_DE", "yes,no,no,yes,dd/mm", "08.12.26", "08.12.26");
    row("all off", "en_US", "no,no,no,yes", "", "untouched");
    row("Yes is not yes", "en_US", "Yes,,no,yes", "", "untouched");
    row("copy not yes", "en_US", "no,yes,no,Yes", "08-Dec-26", "untouched");
}

void tst_CalendarWindow::styles()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, keys);
    QFETCH(QString, shown);
    QFETCH(QString, copied);
    QLocale::setDefault(QLocale(locale));
    setKeys(keys);
    open();
    QCOMPARE(label("lbldatedisplay"), shown);
    // Each way of copying: the menu, the tool bar and a click on a date.
    for (const char *how : {"menucopy", "cm1", "click"}) {
        QGuiApplication::clipboard()->setText(u"untouched"_qs);
        if (qstrcmp(how, "click") == 0)
            emit month()->clicked(Today);
        else
            window->findChild<QAction *>(QLatin1String(how))->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    }
}

void tst_CalendarWindow::difference_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("picked");
    QTest::addColumn<int>("days");
    QTest::newRow("today") << Today << Today << 0;
    QTest::newRow("ten ahead") << Today << Today.addDays(10) << 10;
    QTest::newRow("ten back") << Today << Today.addDays(-10) << 10;
    QTest::newRow("first day") << Today << QDate(1753, 1, 1) << 100052;
    QTest::newRow("last day") << Today << QDate(9999, 12, 31) << 2912101;
    // Also run under TZ=Europe/Berlin: the night the clocks go forward is still a day.
    QTest::newRow("clock change") << QDate(2026, 3, 20) << QDate(2026, 3, 30) << 10;
}

void tst_CalendarWindow::difference()
{
    QFETCH(QDate, today);
    QFETCH(QDate, picked);
    QFETCH(int, days);
    clock.set(QDateTime(today, QTime(12, 0, 0)));
    calendar &w = open();
    month()->setSelectedDate(picked);
    w.Timer1_Timer();
    QCOMPARE(label("Label1"),
             u"The difference between today and your date is %1 days."_qs.arg(days));
}

void tst_CalendarWindow::midnightTurnsTheLabelAndKeepsThePick()
{
    // Nothing repeats: the tick sleeps towards midnight (an hour at most), then steps by the
    // second; a date picked is counted at once.
    clock.set(QDateTime(Today, QTime(22, 0, 0)));
    calendar &w = open();
    QCOMPARE(w.Timer1.interval(), 3600 * 1000);
    QVERIFY(w.Timer1.isActive() && w.Timer1.isSingleShot());
    clock.set(QDateTime(Today, QTime(23, 59, 59)));
    month()->setSelectedDate(Today.addDays(10));
    QVERIFY(label("Label1").contains(u" 10 days."_qs));
    QCOMPARE(w.Timer1.interval(), 1000);
    clock.advance(1);
    w.Timer1_Timer();
    QVERIFY(label("Label1").contains(u" 9 days."_qs));
    QCOMPARE(w.Timer1.interval(), 3600 * 1000);
    QCOMPARE(label("lbldatedisplay"), u"Wednesday, December 9, 2026"_qs);
    QCOMPARE(w.txtdate, u"12/9/26"_qs);
    QCOMPARE(month()->selectedDate(), Today.addDays(10));
}

void tst_CalendarWindow::activationSelectsTodayAgain()
{
    open();
    month()->setSelectedDate(Today.addDays(3));
    // A child taking the focus (a click on a date) keeps the pick.
    month()->setFocus();
    QFocusEvent focus(QEvent::FocusIn);
    QApplication::sendEvent(window.get(), &focus);
    QCOMPARE(month()->selectedDate(), Today.addDays(3));
    activate();
    QCOMPARE(month()->selectedDate(), Today);
}

void tst_CalendarWindow::changeDate_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("message");
    QTest::newRow("yes") << true << QString() << QStringList{u"show Calendar"_qs} << QString();
    QTest::newRow("no") << false << QString() << QStringList() << QString();
    QTest::newRow("synchronised")
        << true
        << u"automatic time synchronization is on. Turn it off (timedatectl set-ntp false) and try "
           u"again."_qs
        << QStringList()
        << u"The computer's date was not changed: automatic time synchronization is on. Turn it "
           u"off (timedatectl set-ntp false) and try again."_qs;
    QTest::newRow("refused") << true << u"Access denied"_qs << QStringList()
                             << u"The computer's date was not changed: Access denied"_qs;
}

void tst_CalendarWindow::changeDate()
{
    QFETCH(bool, yes);
    QFETCH(QString, answer);
    QFETCH(QStringList, calls);
    QFETCH(QString, message);
    open();
    const QDate picked = Today.addDays(10);
    month()->setSelectedDate(picked);
    platform.messageBoxes.answers = {yes};
    platform.date.answer = answer;
    // The question takes the activation; coming back selects today again.
    platform.messageBoxes.whileShown = [this] {
        activate();
        platform.messageBoxes.whileShown = nullptr;
    };
    emit month()->activated(picked);
    QCOMPARE(platform.messageBoxes.shown.value(0).title, u"Change Computer Date"_qs);
    QCOMPARE(platform.messageBoxes.shown.value(0).text,
             u"Do you want to change the date of the computer to \nFriday, December 18, 2026?"_qs);
    QCOMPARE(platform.date.requests, yes ? QList<QDate>{picked} : QList<QDate>());
    QCOMPARE(suite.calls, calls);
    QCOMPARE(platform.messageBoxes.shown.value(1).text, message);
    if (!message.isEmpty())
        QCOMPARE(platform.messageBoxes.shown.value(1).title, u"Change Computer Date"_qs);
    // Only a date that was set closes the window for a fresh one.
    QCOMPARE(window->isVisible(), !yes || !answer.isEmpty());
}

void tst_CalendarWindow::secondChangeMeanwhileIsIgnored()
{
    open();
    platform.date.deferred = true;
    platform.messageBoxes.answers = {true, true};
    window->findChild<QAction *>(u"cm2"_qs)->trigger();
    window->findChild<QAction *>(u"menuchange"_qs)->trigger();
    QCOMPARE(platform.messageBoxes.shown.size(), 1);
    QCOMPARE(platform.date.requests.size(), 1);
    // The timers run on while the desktop asks.
    clock.advance(86400);
    window->Timer1_Timer();
    QCOMPARE(label("lbldatedisplay"), u"Wednesday, December 9, 2026"_qs);
    platform.date.pending(QString());
    QCOMPARE(suite.calls, QStringList{u"show Calendar"_qs});
}

void tst_CalendarWindow::changedDateOpensAFreshWindow()
{
    ToolWindows tools(temp->store(), clock, platform, QDir(temp->folder()));
    tools.show(Tool::Calendar);
    QPointer<QWidget> first = tools.window(Tool::Calendar);
    QVERIFY(first);
    platform.messageBoxes.answers = {true};
    first->findChild<QAction *>(u"menuchange"_qs)->trigger();
    QPointer<QWidget> second = tools.window(Tool::Calendar);
    QVERIFY(second && second != first);
    QVERIFY(second->isVisible());
    QVERIFY(!first || !first->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    tools.closeAll();
}

QTEST_MAIN(tst_CalendarWindow)
#include "tst_calendarwindow.moc"
