// The suite as the program wires it (SuiteRun) over a fake desktop: every way out, the
// options pushed into the main window, and every help request the windows make.
#include "common/helpcontext.h"
#include "common/toolwindow.h"
#include "platform/helpdocument.h"
#include "platform/quitsignals.h"
#include "shell/nookery.h"
#include "shell/suiterun.h"
#include "support/fakeplatform.h"
#include "support/windows.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <csignal>

using namespace nookery;

namespace {

SuiteRun *current = nullptr;

std::unique_ptr<Platform> desktop(test::FakePlatform *platform, bool tray)
{
    platform->trayAvailable = tray;
    return std::unique_ptr<Platform>(platform);
}

struct Running
{
    QTemporaryDir dir;
    test::FakePlatform *platform; // owned by the run
    SuiteRun run;

    // Without a tray the strip window is shown, so it can be closed and keyed.
    explicit Running(ToolFactories factories = toolFactories(), bool tray = true)
        : platform(new test::FakePlatform), run(QDir(dir.path()), dir.filePath(u"Nookery.ini"_qs),
                                                desktop(platform, tray), std::move(factories))
    {
        current = &run;
        run.start();
    }
    ~Running()
    {
        current = nullptr;
        run.tools().closeAll();
    }
    ToolWindows &tools() { return run.tools(); }
    Nookery &main() { return run.mainWindow(); }
    QStringList &calls() { return platform->dialog.calls; }

    QWidget *options() { return tools().window(Tool::Options); }
    QCheckBox *box(const char *name)
    {
        return options()->findChild<QCheckBox *>(QLatin1String(name));
    }
    void saveOptions()
    {
        QPointer<QWidget> dialog = options();
        dialog->findChild<QPushButton *>(QStringLiteral("butoptionssave"))->click();
        QVERIFY(!dialog || !dialog->isVisible());
    }
    // Visible entries among the groups' menu items, then all fourteen tool bar buttons.
    QString shown()
    {
        QString out;
        for (const char *name : {"menucountdown", "menucalendar", "menuconvert", "menureminders",
                                 "menustartup", "menunote", "menuoptions"})
            out += main().findChild<QAction *>(QLatin1String(name))->isVisible() ? u'1' : u'0';
        out += u' ';
        for (int i = 1; i <= 14; ++i)
            out += main().toolbarButton(i)->isVisible() ? u'1' : u'0';
        return out;
    }
};

// A note window stand-in: logs when it is told the suite is ending and when it goes.
class NoteStandIn final : public QWidget, public ToolWindow
{
public:
    explicit NoteStandIn(QStringList &log) : m_log(log) {}
    ~NoteStandIn() override { m_log << QStringLiteral("gone"); }
    void suiteEnding() override { m_log << QStringLiteral("ending"); }

protected:
    void closeEvent(QCloseEvent *) override { m_log << QStringLiteral("asked"); }

private:
    QStringList &m_log;
};

const HelpDocument &document()
{
    static const HelpDocument doc = HelpDocument::load();
    return doc;
}

// F1 with `action` highlighted in `menu`, as the user presses it.
void pressF1On(QMenu *menu, QAction *action)
{
    menu->popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    menu->setActiveAction(action);
    QTest::keyClick(menu, Qt::Key_F1);
    QVERIFY(!menu->isVisible());
}

// A window's menus and their submenus.
QList<QMenu *> menusOf(QWidget *window)
{
    QList<QMenu *> out;
    if (auto *bar = window->findChild<QMenuBar *>()) {
        for (QAction *a : bar->actions()) {
            if (a->menu())
                out << a->menu();
        }
    }
    for (int i = 0; i < out.size(); ++i) {
        for (QAction *a : out.at(i)->actions()) {
            if (a->menu() && !out.contains(a->menu()))
                out << a->menu();
        }
    }
    return out;
}

// Every caption of the window's menus appears in the window's help topic.
void verifyCaptionsInTopic(QWidget *window)
{
    const HelpTopic *topic = document().topic(helpcontext::of(window));
    QVERIFY2(topic, qPrintable(window->objectName()));
    const QString text = topic->text.simplified();
    for (QMenu *menu : menusOf(window)) {
        QList<QAction *> entries = menu->actions();
        entries << menu->menuAction();
        for (QAction *a : std::as_const(entries)) {
            // "Cu&t        Ctrl+X": the key written into the caption is not part of its name.
            const QString name =
                a->text().remove(u'&').split(QRegularExpression(u"\\s{2,}"_qs)).first().trimmed();
            QVERIFY2(a->isSeparator() || name.isEmpty() || text.contains(name, Qt::CaseInsensitive),
                     qPrintable(u"%1: \"%2\" not in topic %3"_qs.arg(window->objectName(), name)
                                    .arg(topic->number)));
        }
    }
}

} // namespace

class tst_SuiteRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void everyWayOutLetsOpenWindowsSaveFirst_data();
    void everyWayOutLetsOpenWindowsSaveFirst();
    void quitWhileAMessageBoxIsUp_data();
    void quitWhileAMessageBoxIsUp();
    void savedOptionsShowAtOnceInTheMainWindow_data();
    void savedOptionsShowAtOnceInTheMainWindow();
    void reopeningOptionsOnAnotherPageKeepsTheEdits();
    void mainWindowHelpShowsContentsAfterAToolsTopics();
    void f1OnHighlightedMainMenuEntry_data();
    void f1OnHighlightedMainMenuEntry();
    void everyWindowsHelpReachesItsTopic();
};

void tst_SuiteRun::initTestCase()
{
    // Installed once for the process, as main() does; it ends whichever run is current.
    quitOnTerminationSignals([] {
        if (current)
            current->quit();
    });
}

void tst_SuiteRun::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS();
}

void tst_SuiteRun::everyWayOutLetsOpenWindowsSaveFirst_data()
{
    QTest::addColumn<QString>("way");
    for (const char *way : {"Exit", "F12", "close strip", "SIGTERM", "logout"})
        QTest::newRow(way) << QString::fromLatin1(way);
}

void tst_SuiteRun::everyWayOutLetsOpenWindowsSaveFirst()
{
    QFETCH(QString, way);
    QStringList log;
    Running s({{Tool::StickyNotes, [&log](const ToolContext &) { return new NoteStandIn(log); }}},
              false);
    Nookery &strip = s.main();
    s.tools().show(Tool::StickyNotes);
    QPointer<QWidget> note = s.tools().window(Tool::StickyNotes);
    QVERIFY(note);

    if (way == u"Exit") {
        strip.findChild<QAction *>(QStringLiteral("menuexit"))->trigger();
    } else if (way == u"F12") {
        strip.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&strip));
        QTest::keyClick(&strip, Qt::Key_F12);
    } else if (way == u"close strip") {
        strip.close();
    } else if (way == u"SIGTERM") {
        std::raise(SIGTERM);
        QTRY_VERIFY(!note);
    } else {
        // What the session manager's logout does to the event loop.
        QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit"));
    }
    QVERIFY(!note);
    QCOMPARE(log, (QStringList{QStringLiteral("ending"), QStringLiteral("gone")}));
}

void tst_SuiteRun::quitWhileAMessageBoxIsUp_data()
{
    QTest::addColumn<QString>("way");
    for (const char *way : {"SIGTERM", "Exit", "logout"})
        QTest::newRow(way) << QString::fromLatin1(way);
}

// With a box up before the main loop (the start-up log cannot be written), every way out ends
// the run with 0 after the open windows were told.
void tst_SuiteRun::quitWhileAMessageBoxIsUp()
{
    QFETCH(QString, way);
    // As in a new process, no quit is pending from an earlier test: a main loop that starts
    // and ends clears it.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"startup.dat"_qs));
    QStringList log;
    auto *platform = new test::FakePlatform;
    SuiteRun run(
        QDir(dir.path()), dir.filePath(u"Nookery.ini"_qs), desktop(platform, true),
        {{Tool::StickyNotes, [&log](const ToolContext &) { return new NoteStandIn(log); }}});
    current = &run;
    // A box runs its own loop until it is answered, or until the suite's way out ends it.
    platform->messageBoxes.whileShown = [&] {
        run.tools().show(Tool::StickyNotes);
        if (way == u"SIGTERM")
            std::raise(SIGTERM);
        else if (way == u"Exit")
            run.mainWindow().findChild<QAction *>(QStringLiteral("menuexit"))->trigger();
        else
            QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit"));
        QEventLoop box;
        QTimer::singleShot(10000, &box, [&box] { box.exit(1); });
        QVERIFY2(box.exec() != 1, "the box stayed up");
    };
    run.start();
    QTimer stuck;
    QObject::connect(&stuck, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    stuck.start(10000);
    QCOMPARE(run.exec(), 0);
    current = nullptr;
    QCOMPARE(platform->messageBoxes.shown.size(), 1);
    QCOMPARE(log, (QStringList{QStringLiteral("ending"), QStringLiteral("gone")}));
}

void tst_SuiteRun::savedOptionsShowAtOnceInTheMainWindow_data()
{
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QString>("shown");
    QTest::newRow("countdown and calendar")
        << QStringList{u"Check42"_qs, u"Check21"_qs} << u"0011111 00000011111111"_qs;
    // "Options" and its button stay, with help and exit.
    QTest::newRow("every group") << QStringList{u"Check42"_qs, u"Check21"_qs, u"Check31"_qs,
                                                u"Check51"_qs, u"Check12"_qs, u"Check61"_qs}
                                 << u"0000001 00000000001111"_qs;
}

void tst_SuiteRun::savedOptionsShowAtOnceInTheMainWindow()
{
    QFETCH(QStringList, ticked);
    QFETCH(QString, shown);
    Running s;
    const QString all = u"1111111 11111111111111"_qs;
    QCOMPARE(s.shown(), all);
    s.tools().showOptions(4);
    for (const QString &name : ticked)
        s.box(qPrintable(name))->setChecked(true);
    s.saveOptions();
    QCOMPARE(s.shown(), shown);

    // The way back: the options open again, and unticking restores.
    s.tools().showOptions(1);
    QVERIFY(s.options()->isVisible());
    for (const QString &name : ticked)
        s.box(qPrintable(name))->setChecked(false);
    s.saveOptions();
    QCOMPARE(s.shown(), all);
}

void tst_SuiteRun::reopeningOptionsOnAnotherPageKeepsTheEdits()
{
    Running s;
    s.tools().showOptions(4);
    QPointer<QWidget> first = s.options();
    s.box("Check42")->setChecked(true);
    s.tools().showOptions(2);
    QCOMPARE(s.options(), first.data());
    QVERIFY(s.box("Check42")->isChecked());
    QCOMPARE(first->findChild<QTabBar *>(QStringLiteral("TabStrip1"))->currentIndex(), 1);
    // Cancel unloads; the next open reads the store again.
    first->findChild<QPushButton *>(QStringLiteral("butoptionscancel"))->click();
    QTRY_VERIFY(!first);
    s.tools().showOptions(9);
    QVERIFY(!s.box("Check42")->isChecked());
    QCOMPARE(s.options()->findChild<QTabBar *>(QStringLiteral("TabStrip1"))->currentIndex(), 0);
}

void tst_SuiteRun::mainWindowHelpShowsContentsAfterAToolsTopics()
{
    Running s;
    s.tools().showHelpContents();
    s.tools().showHelpTopic(helpcontext::Convert);
    s.main().findChild<QAction *>(QStringLiteral("menucontents"))->trigger();
    s.main().Toolbar1()->findChild<QAction *>(QStringLiteral("ToolHelp"))->trigger();
    QCOMPARE(s.calls(), (QStringList{QStringLiteral("help Nookery.hlp 15 0"),
                                     QStringLiteral("help nookery.hlp 1 220"),
                                     QStringLiteral("help Nookery.hlp 1 200"),
                                     QStringLiteral("help Nookery.hlp 1 200")}));
}

void tst_SuiteRun::f1OnHighlightedMainMenuEntry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("topic");
    const std::pair<const char *, int> rows[] = {
        {"menucountdown", 230},    {"submenuCountDown", 230}, {"submenuCountUp", 229},
        {"submenuCountDate", 237}, {"submenuCountFull", 236}, {"menucalendar", 210},
        {"menuconvert", 220},      {"menureminders", 240},    {"menustartup", 245},
        {"menunote", 260},         {"menuother", 201},        {"menucalc", 201},
        {"menusaver", 201},        {"menuoptions", 202},      {"menucontents", 200},
        {"menuabout", 200},        {"menuexit", 200},
    };
    for (const auto &[name, topic] : rows)
        QTest::newRow(name) << QString::fromLatin1(name) << topic;
}

// The highlighted entry's topic, not the menu's own F1 entry ("Help"), and not Exit's F12.
void tst_SuiteRun::f1OnHighlightedMainMenuEntry()
{
    QFETCH(QString, entry);
    QFETCH(int, topic);
    Running s;
    for (QMenu *menu : menusOf(&s.main())) {
        for (QAction *a : menu->actions()) {
            if (a->objectName() == entry)
                pressF1On(menu, a);
        }
    }
    QCOMPARE(s.calls(), QStringList{QStringLiteral("help nookery.hlp 1 %1").arg(topic)});
    QVERIFY(!s.tools().window(Tool::About));
}

// Every window the registry makes: F1 on it, every help entry and button, and F1 on every
// highlighted menu entry each ask for one topic the document has; its menus' captions appear
// in its topic.
void tst_SuiteRun::everyWindowsHelpReachesItsTopic()
{
    Running s;
    verifyCaptionsInTopic(&s.main());
    static const QRegularExpression request(u"^help \\S+ 1 (\\d+)$"_qs);
    const ToolFactories factories = toolFactories();
    for (auto it = factories.cbegin(); it != factories.cend(); ++it) {
        const Tool tool = it.key();
        s.tools().show(tool);
        QWidget *window = s.tools().window(tool);
        QVERIFY(window);
        verifyCaptionsInTopic(window);
        s.calls().clear();

        // F1 on the window: its own F1 entry, else its topic.
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::keyClick(window, Qt::Key_F1);
        QCOMPARE(s.calls(), QStringList{u"help nookery.hlp 1 %1"_qs.arg(toolHelpContext(tool))});

        for (QAction *a : window->findChildren<QAction *>()) {
            const QString name = a->objectName();
            if ((name.startsWith(QLatin1String("menuhelp")) && name != u"menuhelp3" &&
                 !a->menu()) ||
                name.compare(QLatin1String("toolhelp"), Qt::CaseInsensitive) == 0)
                a->trigger();
        }
        for (QPushButton *b : window->findChildren<QPushButton *>()) {
            if (b->objectName().contains(QLatin1String("help"), Qt::CaseInsensitive))
                b->click();
        }
        for (QMenu *menu : menusOf(window)) {
            for (QAction *a : menu->actions()) {
                if (a->isSeparator() || !a->isVisible())
                    continue;
                const qsizetype before = s.calls().size();
                pressF1On(menu, a);
                QCOMPARE(s.calls().size(), before + 1);
            }
        }
        for (const QString &call : std::as_const(s.calls())) {
            const auto m = request.match(call);
            QVERIFY2(!m.hasMatch() || document().topic(m.captured(1).toInt()), qPrintable(call));
        }
        if (QWidget *again = s.tools().window(tool))
            again->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QTEST_MAIN(tst_SuiteRun)
#include "tst_suiterun.moc"
