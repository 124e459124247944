#include "shell/toolwindows.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/tempstore.h"

#include <QPointer>
#include <QTest>

using namespace nookery;

class tst_ToolWindows : public QObject
{
    Q_OBJECT

private slots:
    void toolWindowIsSingleInstance();
    void closedWindowStartsAfresh();
    void helpGoesThroughTheSharedDialog();
};

void tst_ToolWindows::toolWindowIsSingleInstance()
{
    test::TempStore temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    ToolWindows tools(temp.store(), clock, platform, QDir(temp.folder()));
    QVERIFY(!tools.convertWindow());
    tools.showConvert();
    QPointer<QWidget> first = tools.convertWindow();
    QVERIFY(first && first->isVisible());
    first->showMinimized();
    tools.showConvert();
    QCOMPARE(tools.convertWindow(), first.data());
    QVERIFY(!first->isMinimized());
    tools.closeAll();
    QVERIFY(!first);
}

void tst_ToolWindows::closedWindowStartsAfresh()
{
    test::TempStore temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    ToolWindows tools(temp.store(), clock, platform, QDir(temp.folder()));
    tools.showConvert();
    QPointer<QWidget> first = tools.convertWindow();
    first->close();
    QTRY_VERIFY(!first); // deleted later, from the event loop
    tools.showConvert();
    QVERIFY(tools.convertWindow());
}

void tst_ToolWindows::helpGoesThroughTheSharedDialog()
{
    test::TempStore temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    ToolWindows tools(temp.store(), clock, platform, QDir(temp.folder()));
    tools.showHelpTopic(220);
    tools.showHelpContents();
    QCOMPARE(platform.dialog.calls, (QStringList{QStringLiteral("help Nookery.hlp 1 220"),
                                                 QStringLiteral("help Nookery.hlp 15 0")}));
}

QTEST_MAIN(tst_ToolWindows)
#include "tst_toolwindows.moc"
