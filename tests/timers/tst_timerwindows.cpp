#include "settings/settingsstore.h"
#include "shell/toolwindows.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/tempstore.h"
#include "support/windows.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

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

QTEST_MAIN(TestTimerWindows)
#include "tst_timerwindows.moc"
