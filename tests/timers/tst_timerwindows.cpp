#include "settings/settingsstore.h"
#include "shell/nookery.h"
#include "shell/toolwindows.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/tempstore.h"
#include "support/windows.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using namespace nookery;

// The four timer windows as the suite opens them.
class TestTimerWindows : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS(); }
    void opensOneWindowEach_data();
    void opensOneWindowEach();
    void optionsReachOnlyOpenWindows();
    void mainWindowKeysAndButtons_data();
    void mainWindowKeysAndButtons();
};

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
    test::TempStore temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    ToolWindows tools(temp.store(), clock, platform, QDir(temp.folder()));
    tools.show(tool);
    QPointer<QWidget> window = tools.window(tool);
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), title);
    tools.show(tool);
    QCOMPARE(tools.window(tool), window.data());
    // Open and idle: no timer of the window wakes the suite.
    for (const QTimer *t : window->findChildren<QTimer *>())
        QVERIFY2(!t->isActive() || !t->objectName().startsWith(u"Timer"),
                 qPrintable(t->objectName()));
    window->close();
    QVERIFY(QTest::qWaitFor([&] { return window.isNull(); }));
    tools.show(tool);
    QVERIFY(tools.window(tool));
    tools.closeAll();
}

void TestTimerWindows::optionsReachOnlyOpenWindows()
{
    test::TempStore temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    ToolWindows tools(temp.store(), clock, platform, QDir(temp.folder()));
    tools.show(Tool::CountDown);
    temp.store().save(keys::VisualText, 2, QStringLiteral("Pasta"));
    tools.optionsSaved();
    QCOMPARE(tools.window(Tool::CountDown)->findChild<QLabel *>(QStringLiteral("Label8"))->text(),
             QStringLiteral("Pasta"));
    QVERIFY(!tools.window(Tool::CountFull));
    tools.closeAll();
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
