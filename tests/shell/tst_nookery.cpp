#include "common/failure.h"
#include "shell/nookery.h"
#include "shell/toolnames.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/fakesuite.h"
#include "support/tempstore.h"
#include "support/windows.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

using namespace nookery;

namespace {

const QString OtherPrograms = QStringLiteral("Other Programs");

// One main window over a temporary store, a fake desktop and a fake suite.
struct Fixture
{
    test::TempStore temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    test::FakeSuite suite;
    QTemporaryDir start;
    std::unique_ptr<Nookery> window;

    SettingsStore &store() { return temp.store(); }
    Nookery &make()
    {
        window = std::make_unique<Nookery>(store(), clock, platform, suite, QDir(start.path()));
        return *window;
    }
    Nookery &load()
    {
        make().Form_Load();
        return *window;
    }
    QAction *action(const char *name) { return window->findChild<QAction *>(QLatin1String(name)); }
    test::FakeTray &tray() { return *platform.lastTray; }
};

QStringList visibleButtons(Nookery &w)
{
    QStringList keys;
    for (int i = 1; i <= 14; ++i) {
        QAction *b = w.toolbarButton(i);
        if (b->isVisible())
            keys << (b->isSeparator() ? QStringLiteral("|") : b->data().toString());
    }
    return keys;
}

} // namespace

class tst_Nookery : public QObject
{
    Q_OBJECT

private slots:
    void freshStoreIsSeededAndStartsInTray();
    void standardModeShowsTheStrip();
    void noTrayHostShowsTheStripInstead();
    void visibilityGroups_data();
    void visibilityGroups();
    void userProgramEntries_data();
    void userProgramEntries();
    void userProgramStartsStoredCommandLine();
    void toolBarDispatchesExactKeys_data();
    void toolBarDispatchesExactKeys();
    void dailyCheckOpensRemindersAtTheMinute_data();
    void dailyCheckOpensRemindersAtTheMinute();
    void trayEvents_data();
    void trayEvents();
    void trayMenuIsTheFileMenuAsShown();
    void lateTrayHost_data();
    void lateTrayHost();
    void exitRemovesTrayAndAsksToQuit();
    void failingStoreShowsNumberedMessages();
    void failedStartStepsMakeTheNextStartShowTheWindow_data();
    void failedStartStepsMakeTheNextStartShowTheWindow();
    void helpOpensTheContentsTopic();
    void openNamesAreTheReadmesAndOpenTheirTools();
    void cleanup() { NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS(); }
};

void tst_Nookery::freshStoreIsSeededAndStartsInTray()
{
    Fixture f;
    Nookery &w = f.load();
    SettingsStore &s = f.store();
    QCOMPARE(s.get(OtherPrograms, QStringLiteral("Path")), QDir(f.start.path()).absolutePath());
    QCOMPARE(w.LabelPath, QDir(f.start.path()).absolutePath());
    QCOMPARE(f.platform.dialog.InitDir, w.LabelPath);
    QCOMPARE(s.get(OtherPrograms, QStringLiteral("Version")), QStringLiteral("7.0"));
    QCOMPARE(s.get(OtherPrograms, QStringLiteral("Run From Tray")), QStringLiteral("checked"));
    for (const auto &[section, key] : {std::pair{"Calendar", "Menu"},
                                       {"Conversion Tables", "Menu"},
                                       {"CountDown", "Menu"},
                                       {"Reminders", "Menu"},
                                       {"Other Programs", "Startup Menu"},
                                       {"Sticky Note", "Menu"}})
        QCOMPARE(s.get(QLatin1String(section), QLatin1String(key)), QStringLiteral("unchecked"));
    QVERIFY(w.trayMode());
    QVERIFY(!w.isVisible());
    QVERIFY(f.tray().shown);
    QCOMPARE(f.tray().tip, QStringLiteral("Nookery 7.0"));
    QVERIFY(w.Timer1.isActive());
    QCOMPARE(w.Timer1.interval(), 55000);
    QVERIFY(f.platform.messageBoxes.shown.isEmpty());

    // A second start keeps the stored path and version.
    s.save(OtherPrograms, QStringLiteral("Version"), QStringLiteral("6.5"));
    s.save(OtherPrograms, QStringLiteral("Path"), QStringLiteral("/elsewhere"));
    f.load();
    QCOMPARE(s.get(OtherPrograms, QStringLiteral("Path")), QStringLiteral("/elsewhere"));
    QCOMPARE(f.platform.dialog.InitDir, QStringLiteral("/elsewhere"));
    QCOMPARE(s.get(OtherPrograms, QStringLiteral("Version")), QStringLiteral("6.5"));
}

void tst_Nookery::standardModeShowsTheStrip()
{
    Fixture f;
    f.store().save(OtherPrograms, QStringLiteral("Run From Tray"), QStringLiteral("unchecked"));
    Nookery &w = f.load();
    QVERIFY(w.isVisible());
    QVERIFY(!w.trayMode());
    QCOMPARE(f.tray().adds, 0);
    QCOMPARE(w.pos(), QPoint(0, 0));
    QCOMPARE(w.width(), 492);
    QCOMPARE(w.windowTitle(), QStringLiteral("Nookery"));
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w.minimumSize(), w.maximumSize());
}

void tst_Nookery::noTrayHostShowsTheStripInstead()
{
    Fixture f;
    f.platform.trayAvailable = false;
    Nookery &w = f.load();
    QVERIFY(w.isVisible());
    QCOMPARE(f.tray().adds, 0);
    // The user's choice stays for a desktop that has a tray.
    QCOMPARE(f.store().get(OtherPrograms, QStringLiteral("Run From Tray")),
             QStringLiteral("checked"));
}

void tst_Nookery::visibilityGroups_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QStringList>("buttons");
    const QStringList all = {QStringLiteral("ToolCountDown"),
                             QStringLiteral("ToolCountUp"),
                             QStringLiteral("ToolDateCountDown"),
                             QStringLiteral("ToolFullScreenCountDown"),
                             QStringLiteral("|"),
                             QStringLiteral("ToolCalendar"),
                             QStringLiteral("ToolConversionTables"),
                             QStringLiteral("ToolReminders"),
                             QStringLiteral("ToolStartupList"),
                             QStringLiteral("ToolStickyNotes"),
                             QStringLiteral("|"),
                             QStringLiteral("ToolOptions"),
                             QStringLiteral("ToolHelp"),
                             QStringLiteral("ToolExit")};
    auto without = [&](std::initializer_list<int> indexes) {
        QStringList keys;
        for (int i = 0; i < all.size(); ++i)
            if (std::find(indexes.begin(), indexes.end(), i + 1) == indexes.end())
                keys << all.at(i);
        return keys;
    };
    QTest::newRow("countdown") << "CountDown"
                               << "Menu"
                               << "menucountdown" << without({1, 2, 3, 4, 5});
    QTest::newRow("calendar") << "Calendar"
                              << "Menu"
                              << "menucalendar" << without({6});
    QTest::newRow("convert") << "Conversion Tables"
                             << "Menu"
                             << "menuconvert" << without({7});
    QTest::newRow("reminders") << "Reminders"
                               << "Menu"
                               << "menureminders" << without({8});
    QTest::newRow("startup") << "Other Programs"
                             << "Startup Menu"
                             << "menustartup" << without({9});
    QTest::newRow("notes") << "Sticky Note"
                           << "Menu"
                           << "menunote" << without({10});
}

void tst_Nookery::visibilityGroups()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, menuItem);
    QFETCH(QStringList, buttons);

    Fixture f;
    f.store().save(section, key, QStringLiteral("checked"));
    // Anything but "checked" shows the tool and is normalised.
    f.store().save(QStringLiteral("Calendar") == section ? QStringLiteral("Reminders")
                                                         : QStringLiteral("Calendar"),
                   QStringLiteral("Menu"), QStringLiteral("yes"));
    Nookery &w = f.load();
    QCOMPARE(visibleButtons(w), buttons);
    QVERIFY(!f.action(menuItem.toLatin1().constData())->isVisible());
    QCOMPARE(f.store().get(section, key), QStringLiteral("checked"));
    int hiddenMenus = 0;
    for (const char *name : {"menucountdown", "menucalendar", "menuconvert", "menureminders",
                             "menustartup", "menunote"})
        hiddenMenus += f.action(name)->isVisible() ? 0 : 1;
    QCOMPARE(hiddenMenus, 1);
    const QString other = QStringLiteral("Calendar") == section ? QStringLiteral("Reminders")
                                                                : QStringLiteral("Calendar");
    QCOMPARE(f.store().get(other, QStringLiteral("Menu")), QStringLiteral("unchecked"));

    // A push from the options dialog shows it again at once, and writes nothing.
    f.store().save(section, key, QStringLiteral("unchecked"));
    f.store().save(other, QStringLiteral("Menu"), QStringLiteral("checked"));
    w.optionsChanged();
    QVERIFY(f.action(menuItem.toLatin1().constData())->isVisible());
    QCOMPARE(visibleButtons(w).size(), 13);
    QCOMPARE(f.store().get(other, QStringLiteral("Menu")), QStringLiteral("checked"));
}

void tst_Nookery::userProgramEntries_data()
{
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("visible");
    QTest::addColumn<bool>("separator");
    QTest::newRow("none") << QStringList(5) << QStringList() << false;
    QTest::newRow("program 3") << QStringList{{}, {}, QStringLiteral("Editor"), {}, {}}
                               << QStringList{QStringLiteral("Editor")} << true;
    QTest::newRow("1 and 5") << QStringList{QStringLiteral("A"), {}, {}, {}, QStringLiteral("E")}
                             << QStringList{QStringLiteral("A"), QStringLiteral("E")} << true;
}

void tst_Nookery::userProgramEntries()
{
    QFETCH(QStringList, labels);
    QFETCH(QStringList, visible);
    QFETCH(bool, separator);
    Fixture f;
    for (int n = 0; n < 5; ++n)
        if (!labels.at(n).isEmpty())
            f.store().save(OtherPrograms, QStringLiteral("Program %1 label").arg(n + 1),
                           labels.at(n));
    f.load();
    QStringList shown;
    const QMenu *other = f.window->findChild<QAction *>(QStringLiteral("menuother"))->menu();
    for (QAction *a : other->actions())
        if (a->isVisible() && !a->isSeparator())
            shown << a->text();
    QCOMPARE(shown,
             (visible + QStringList{QStringLiteral("Calculator"), QStringLiteral("Screen Saver")}));
    QCOMPARE(f.action("sep2")->isVisible(), separator);
}

void tst_Nookery::userProgramStartsStoredCommandLine()
{
    Fixture f;
    f.store().save(OtherPrograms, QStringLiteral("Program 2 label"), QStringLiteral("Editor"));
    f.store().save(OtherPrograms, QStringLiteral("Program 2 path"), QStringLiteral("kate --new"));
    f.load();
    // Read at the moment of the click, not at start.
    f.store().save(OtherPrograms, QStringLiteral("Program 2 path"),
                   QStringLiteral("gedit \"a b.txt\""));
    f.action("menuprog2")->trigger();
    f.action("menucalc")->trigger();
    f.action("menusaver")->trigger();
    f.action("menuprog4")->trigger(); // no path: nothing started, nothing shown
    QCOMPARE(f.platform.programList.started,
             (QStringList{QStringLiteral("gedit \"a b.txt\""), QStringLiteral("<calculator>"),
                          QStringLiteral("<screen saver>"), QString()}));
    QVERIFY(f.platform.messageBoxes.shown.isEmpty());
}

void tst_Nookery::toolBarDispatchesExactKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("countdown") << "ToolCountDown" << QStringList{QStringLiteral("show CountDown")};
    QTest::newRow("count up") << "ToolCountUp" << QStringList{QStringLiteral("show CountUp")};
    QTest::newRow("date") << "ToolDateCountDown" << QStringList{QStringLiteral("show CountDate")};
    QTest::newRow("full screen") << "ToolFullScreenCountDown"
                                 << QStringList{QStringLiteral("show CountFull")};
    QTest::newRow("calendar") << "ToolCalendar" << QStringList{QStringLiteral("show Calendar")};
    QTest::newRow("convert") << "ToolConversionTables"
                             << QStringList{QStringLiteral("show Convert")};
    QTest::newRow("reminders") << "ToolReminders" << QStringList{QStringLiteral("show Reminders")};
    QTest::newRow("startup") << "ToolStartupList"
                             << QStringList{QStringLiteral("show StartupList")};
    QTest::newRow("notes") << "ToolStickyNotes" << QStringList{QStringLiteral("show StickyNotes")};
    QTest::newRow("options") << "ToolOptions" << QStringList{QStringLiteral("options 1")};
    QTest::newRow("wrong case") << "toolcountdown" << QStringList();
    QTest::newRow("trailing blank") << "ToolCalendar " << QStringList();
    QTest::newRow("empty") << "" << QStringList();
}

void tst_Nookery::toolBarDispatchesExactKeys()
{
    QFETCH(QString, key);
    QFETCH(QStringList, calls);
    Fixture f;
    f.store().save(OtherPrograms, QStringLiteral("Run From Tray"), QStringLiteral("unchecked"));
    f.load();
    // A real button is clicked where there is one; other keys come in on a hand-made action.
    QAction *real = f.window->findChild<QAction *>(key);
    if (real && !key.isEmpty()) {
        QWidget *widget = f.window->Toolbar1()->widgetForAction(real);
        QVERIFY(widget && widget->isVisible());
        QTest::mouseClick(widget, Qt::LeftButton);
    } else {
        QAction button;
        button.setData(key);
        f.window->Toolbar1_ButtonClick(&button);
    }
    QCOMPARE(f.suite.calls, calls);
    QVERIFY(f.platform.messageBoxes.shown.isEmpty());
}

void tst_Nookery::dailyCheckOpensRemindersAtTheMinute_data()
{
    QTest::addColumn<QString>("checkTime");
    QTest::addColumn<QString>("time");
    QTest::addColumn<int>("opens");
    QTest::newRow("07:30") << "checked"
                           << "07:30" << 2;
    QTest::newRow("7:30 never matches") << "checked"
                                        << "7:30" << 0;
    QTest::newRow("check off") << "unchecked"
                               << "07:30" << 0;
    QTest::newRow("Checked is not checked") << "Checked"
                                            << "07:30" << 0;
}

void tst_Nookery::dailyCheckOpensRemindersAtTheMinute()
{
    QFETCH(QString, checkTime);
    QFETCH(QString, time);
    QFETCH(int, opens);
    Fixture f;
    f.store().save(QStringLiteral("Reminders"), QStringLiteral("Check Time"), checkTime);
    f.store().save(QStringLiteral("Reminders"), QStringLiteral("Time"), time);
    f.load();
    // Tick every 55 s from 07:28:10 to 07:33; 07:30:00 and 07:30:55 both fall in the minute.
    f.clock.set(QDateTime(QDate(2026, 12, 8), QTime(7, 28, 10)));
    QStringList labels;
    while (f.clock.now().time() < QTime(7, 33)) {
        f.window->Timer1_Timer();
        labels << f.window->Label1;
        f.clock.advance(55);
    }
    QCOMPARE(f.suite.calls.count(QStringLiteral("show Reminders")), opens);
    QVERIFY(labels.contains(QStringLiteral("07:30")));
    // Two digits for the hour around the clock.
    f.clock.set(QDateTime(QDate(2026, 12, 8), QTime(23, 5, 0)));
    f.window->Timer1_Timer();
    QCOMPARE(f.window->Label1, QStringLiteral("23:05"));
}

void tst_Nookery::trayEvents_data()
{
    QTest::addColumn<int>("event");
    QTest::addColumn<bool>("pops");
    QTest::newRow("left") << int(Tray::Event::LeftRelease) << true;
    QTest::newRow("right") << int(Tray::Event::RightRelease) << true;
    QTest::newRow("double") << int(Tray::Event::DoubleClick) << false;
    QTest::newRow("middle") << int(Tray::Event::MiddleClick) << false;
    QTest::newRow("other") << int(Tray::Event::Other) << false;
}

void tst_Nookery::trayEvents()
{
    QFETCH(int, event);
    QFETCH(bool, pops);
    Fixture f;
    Nookery &w = f.load();
    QVERIFY(!w.mnubar()->isVisible());
    f.tray().send(Tray::Event(event));
    QCOMPARE(w.mnubar()->isVisible(), pops);
    w.mnubar()->hide();
}

// Visible entries of a menu, sub-menus as "Caption[entry, entry]", separators as "-".
static QStringList shownEntries(const QMenu *menu)
{
    QStringList out;
    for (QAction *a : menu->actions()) {
        if (!a->isVisible())
            continue;
        if (a->isSeparator())
            out << QStringLiteral("-");
        else if (a->menu())
            out << a->text() + u'[' + shownEntries(a->menu()).join(QStringLiteral(", ")) + u']';
        else
            out << a->text();
    }
    return out;
}

void tst_Nookery::trayMenuIsTheFileMenuAsShown()
{
    Fixture f;
    f.store().save(QStringLiteral("Calendar"), QStringLiteral("Menu"), QStringLiteral("checked"));
    f.store().save(OtherPrograms, QStringLiteral("Program 3 label"), QStringLiteral("Editor"));
    Nookery &w = f.load();
    QVERIFY(f.tray().menu);
    QCOMPARE(f.tray().menu, w.mnubar());
    QCOMPARE(f.tray().menu->title(), QStringLiteral("&File"));
    const QStringList expected = {
        QStringLiteral(
            "CountDown Timers[&CountDown, Count&Up, &Date CountDown, &Fullscreen CountDown]"),
        QStringLiteral("Conversion Tables"),
        QStringLiteral("Reminders"),
        QStringLiteral("Startup List"),
        QStringLiteral("Sticky Notes"),
        QStringLiteral("-"),
        QStringLiteral("Other Programs[Editor, -, Calculator, Screen Saver]"),
        QStringLiteral("-"),
        QStringLiteral("Options"),
        QStringLiteral("Help"),
        QStringLiteral("About"),
        QStringLiteral("-"),
        QStringLiteral("Exit")};
    QCOMPARE(shownEntries(f.tray().menu), expected);
    // The options dialog's push reaches the tray's menu as well.
    f.store().save(QStringLiteral("Calendar"), QStringLiteral("Menu"), QStringLiteral("unchecked"));
    w.optionsChanged();
    QVERIFY(shownEntries(f.tray().menu).contains(QStringLiteral("Calendar")));

    // A host that showed the menu itself for a right click gets no second pop-up.
    QSignalSpy shows(w.mnubar(), &QMenu::aboutToShow);
    w.mnubar()->popup(QPoint(10, 10));
    f.tray().send(Tray::Event::RightRelease);
    QCOMPARE(shows.size(), 1);
    w.mnubar()->hide();
}

void tst_Nookery::lateTrayHost_data()
{
    QTest::addColumn<QString>("runFromTray");
    QTest::addColumn<int>("hostAt");    // seconds after start; -1: never
    QTest::addColumn<int>("clockJump"); // seconds the clock is set back at 60 s
    QTest::addColumn<bool>("waits");
    QTest::addColumn<bool>("endsInTray");
    QTest::newRow("host from the start") << "checked" << 0 << 0 << false << true;
    QTest::newRow("host 2 s late") << "checked" << 2 << 0 << true << true;
    QTest::newRow("host at 4:58") << "checked" << 298 << 0 << true << true;
    QTest::newRow("host after 5 min") << "checked" << 302 << 0 << true << false;
    QTest::newRow("no host ever") << "checked" << -1 << 0 << true << false;
    QTest::newRow("clock set back") << "checked" << 100 << 3600 << true << false;
    QTest::newRow("strip chosen") << "unchecked" << 2 << 0 << false << false;
}

void tst_Nookery::lateTrayHost()
{
    QFETCH(QString, runFromTray);
    QFETCH(int, hostAt);
    QFETCH(int, clockJump);
    QFETCH(bool, waits);
    QFETCH(bool, endsInTray);
    Fixture f;
    f.store().save(OtherPrograms, QStringLiteral("Run From Tray"), runFromTray);
    f.platform.trayAvailable = hostAt == 0;
    f.clock.set(QDateTime(QDate(2026, 12, 8), QTime(8, 0, 0)));
    Nookery &w = f.load();
    QCOMPARE(w.TrayWait.isActive(), waits);
    QCOMPARE(w.isVisible(), hostAt != 0 || runFromTray != u"checked");

    // The timer's ticks, every 2 s, for ten minutes or until it stops.
    for (int t = 2; t <= 600 && w.TrayWait.isActive(); t += 2) {
        f.clock.advance(t == 60 ? 2 - clockJump : 2);
        if (hostAt > 0 && t >= hostAt)
            f.tray().available = true;
        w.TrayWait_Timer();
    }
    QVERIFY(!w.TrayWait.isActive());
    QCOMPARE(w.trayMode(), endsInTray);
    QCOMPARE(f.tray().shown, endsInTray);
    QCOMPARE(w.isVisible(), !endsInTray);
    QCOMPARE(f.tray().adds, endsInTray ? 1 : 0);
    if (endsInTray) {
        QCOMPARE(f.tray().tip, QStringLiteral("Nookery 7.0"));
        f.tray().send(Tray::Event::LeftRelease);
        QVERIFY(w.mnubar()->isVisible());
        w.mnubar()->hide();
    }
    QVERIFY(f.platform.messageBoxes.shown.isEmpty());
}

void tst_Nookery::exitRemovesTrayAndAsksToQuit()
{
    Fixture f;
    Nookery &w = f.load();
    QSignalSpy exit(&w, &Nookery::exitRequested);
    QVERIFY(f.tray().shown);
    QAction button;
    button.setData(QStringLiteral("ToolExit"));
    w.Toolbar1_ButtonClick(&button);
    QVERIFY(!f.tray().shown);
    QVERIFY(!w.Timer1.isActive());
    QCOMPARE(exit.size(), 1);
    // Closing, logout or a signal after that is the same way out, taken once.
    w.close();
    w.Form_Unload();
    QCOMPARE(exit.size(), 1);

    Fixture g;
    g.store().save(OtherPrograms, QStringLiteral("Run From Tray"), QStringLiteral("unchecked"));
    Nookery &strip = g.load();
    QSignalSpy closed(&strip, &Nookery::exitRequested);
    strip.close();
    QCOMPARE(closed.size(), 1);
}

void tst_Nookery::failingStoreShowsNumberedMessages()
{
    // The store's folder is a plain file, so every write fails while reads give "".
    Fixture f;
    QFile blocker(f.temp.folder() + QStringLiteral("/cfg"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Nookery &w = f.load();
    const QStringList texts = f.platform.messageBoxes.texts();
    QCOMPARE(texts.value(0), failureMessage(1, true));
    QCOMPARE(texts.value(0),
             QStringLiteral("There was a problem. Error Handler 1. Notify author of this error! "
                            "Nookery will run as a standard program next time!"));
    QCOMPARE(f.platform.messageBoxes.shown.value(0).title, QStringLiteral("Nookery 7.0"));
    // Neither icon nor window existed yet, so the window is shown to keep the suite reachable.
    QVERIFY(w.isVisible());

    // Later handlers trap on their own; the rest of the suite goes on.
    f.platform.messageBoxes.shown.clear();
    w.AddVersionNumber();
    w.LoadMenu();
    QCOMPARE(f.platform.messageBoxes.texts(),
             (QStringList{failureMessage(2), failureMessage(6, true)}));
}

void tst_Nookery::failedStartStepsMakeTheNextStartShowTheWindow_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("handler");
    QTest::newRow("load") << "load" << 1;
    QTest::newRow("LoadMenu") << "menu" << 6;
    QTest::newRow("AddVersionNumber writes nothing after") << "version" << 2;
}

void tst_Nookery::failedStartStepsMakeTheNextStartShowTheWindow()
{
    QFETCH(QString, step);
    QFETCH(int, handler);
    Fixture f;
    f.store().save(OtherPrograms, QStringLiteral("Run From Tray"), QStringLiteral("checked"));
    f.make();
    // The store's folder turns into a plain file: writes fail until the user has read the
    // message, then the store works again for the reset that follows it.
    const QString cfg = f.temp.folder() + QStringLiteral("/cfg");
    QVERIFY(QDir(cfg).removeRecursively());
    QFile blocker(cfg);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    f.platform.messageBoxes.whileShown = [&] {
        QFile::remove(cfg);
        QDir().mkpath(cfg);
    };
    if (step == u"load")
        f.window->Form_Load();
    else if (step == u"menu")
        f.window->LoadMenu();
    else
        f.window->AddVersionNumber();
    QCOMPARE(f.platform.messageBoxes.texts().value(0), failureMessage(handler, handler != 2));
    QCOMPARE(f.temp.reopen()->get(OtherPrograms, QStringLiteral("Run From Tray")),
             handler == 2 ? QString() : QStringLiteral("unchecked"));
}

void tst_Nookery::helpOpensTheContentsTopic()
{
    Fixture f;
    f.load();
    f.action("menucontents")->trigger();
    QCOMPARE(f.platform.dialog.calls, QStringList{QStringLiteral("help Nookery.hlp 1 200")});
}

// `nookery --open NAME` takes the names the README promises, each opening its own tool.
void tst_Nookery::openNamesAreTheReadmesAndOpenTheirTools()
{
    QFile readme(QStringLiteral(README));
    QVERIFY(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll()).simplified();
    const qsizetype from = text.indexOf(u"TOOL is one of ") + 15;
    QVERIFY(from >= 15);
    const QStringList listed =
        text.mid(from, text.indexOf(u'.', from) - from).split(QStringLiteral(", "));
    QCOMPARE(toolNames(), listed);

    test::FakeSuite suite;
    for (const QString &name : listed)
        QVERIFY2(openByName(suite, name), qPrintable(name));
    QVERIFY(!openByName(suite, u"about"));
    QCOMPARE(suite.calls.join(u'|'),
             QStringLiteral("show CountDown|show CountUp|show CountDate|show CountFull|"
                            "show Calendar|show Convert|show Reminders|show StartupList|"
                            "show StickyNotes|show Options|help contents"));
}

QTEST_MAIN(tst_Nookery)
#include "tst_nookery.moc"
