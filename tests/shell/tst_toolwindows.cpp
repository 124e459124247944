#include "common/toolwindow.h"
#include "shell/toolwindows.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/tempstore.h"
#include "support/windows.h"

#include <QPointer>
#include <QTest>

using namespace nookery;

namespace {

// A tool window that logs its hooks into a list that outlives it.
class FakeToolWindow final : public QWidget, public ToolWindow
{
public:
    FakeToolWindow(QString name, QStringList &log) : m_name(std::move(name)), m_log(log) {}
    ~FakeToolWindow() override { m_log << m_name + QStringLiteral(" gone"); }
    void suiteEnding() override { m_log << m_name + QStringLiteral(" ending"); }
    void optionsChanged() override { m_log << m_name + QStringLiteral(" options"); }
    void selectPage(int page) override { m_log << m_name + QStringLiteral(" page %1").arg(page); }

protected:
    void closeEvent(QCloseEvent *) override { m_log << m_name + QStringLiteral(" asked"); }

private:
    QString m_name;
    QStringList &m_log;
};

struct Fixture
{
    test::TempStore temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    QStringList log;
    int made = 0;
    ToolWindows tools{temp.store(), clock, platform, QDir(temp.folder()), factories()};

    ToolFactories factories()
    {
        auto make = [this](const char *name) {
            return [this, name](const ToolContext &) {
                ++made;
                return new FakeToolWindow(QLatin1String(name), log);
            };
        };
        return {{Tool::Reminders, make("reminders")},
                {Tool::StickyNotes, make("notes")},
                {Tool::Options, make("options")}};
    }
};

} // namespace

class tst_ToolWindows : public QObject
{
    Q_OBJECT

private slots:
    void toolWindowIsSingleInstance();
    void closedWindowStartsAfresh();
    void toolWithoutWindowOpensNothing();
    void quitLetsEveryOpenWindowSaveFirst();
    void optionsSavedReachesMainWindowAndOpenWindowsOnce();
    void optionsOpenOnTheAskedPage();
    void helpGoesThroughTheSharedDialog();
    void productionRegistryOpensConversionTables();
    void cleanup() { NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS(); }
};

void tst_ToolWindows::toolWindowIsSingleInstance()
{
    Fixture f;
    f.tools.show(Tool::Reminders);
    QPointer<QWidget> first = f.tools.window(Tool::Reminders);
    QVERIFY(first && first->isVisible());
    first->showMinimized();
    f.tools.show(Tool::Reminders);
    QCOMPARE(f.tools.window(Tool::Reminders), first.data());
    QVERIFY(!first->isMinimized());
    QCOMPARE(f.made, 1);
}

void tst_ToolWindows::closedWindowStartsAfresh()
{
    Fixture f;
    f.tools.show(Tool::Reminders);
    QPointer<QWidget> first = f.tools.window(Tool::Reminders);
    first->close();
    QTRY_VERIFY(!first); // deleted later, from the event loop
    f.tools.show(Tool::Reminders);
    QVERIFY(f.tools.window(Tool::Reminders));
    QCOMPARE(f.made, 2);
}

void tst_ToolWindows::toolWithoutWindowOpensNothing()
{
    Fixture f;
    f.tools.show(Tool::Calendar);
    QVERIFY(!f.tools.window(Tool::Calendar));
    QCOMPARE(f.made, 0);
}

void tst_ToolWindows::quitLetsEveryOpenWindowSaveFirst()
{
    Fixture f;
    f.tools.show(Tool::Reminders);
    f.tools.show(Tool::StickyNotes);
    f.tools.closeAll();
    // Each saves once while it still exists, then goes without being asked anything.
    QCOMPARE(f.log.count(QStringLiteral("notes ending")), 1);
    QCOMPARE(f.log.count(QStringLiteral("reminders ending")), 1);
    QVERIFY(f.log.indexOf(QStringLiteral("notes ending")) <
            f.log.indexOf(QStringLiteral("notes gone")));
    QVERIFY(!f.log.contains(QStringLiteral("notes asked")));
    QVERIFY(!f.tools.window(Tool::StickyNotes));
    f.tools.closeAll();
    QCOMPARE(f.log.count(QStringLiteral("notes ending")), 1);
}

void tst_ToolWindows::optionsSavedReachesMainWindowAndOpenWindowsOnce()
{
    Fixture f;
    int mainWindow = 0;
    f.tools.setMainWindowOptionsHook([&] { ++mainWindow; });
    f.tools.show(Tool::StickyNotes);
    f.tools.optionsSaved();
    QCOMPARE(mainWindow, 1);
    QCOMPARE(f.log, QStringList{QStringLiteral("notes options")});
    // A window that is not open is not made for a push.
    QCOMPARE(f.made, 1);
}

void tst_ToolWindows::optionsOpenOnTheAskedPage()
{
    Fixture f;
    f.tools.showOptions(4);
    f.tools.show(Tool::Options);
    QCOMPARE(f.log,
             (QStringList{QStringLiteral("options page 4"), QStringLiteral("options page 1")}));
    QCOMPARE(f.made, 1);
}

void tst_ToolWindows::helpGoesThroughTheSharedDialog()
{
    Fixture f;
    f.tools.showHelpTopic(220);
    f.tools.showHelpContents();
    // Topic requests spell the file "nookery.hlp", the topics list "Nookery.hlp".
    QCOMPARE(f.platform.dialog.calls, (QStringList{QStringLiteral("help nookery.hlp 1 220"),
                                                   QStringLiteral("help Nookery.hlp 15 0")}));
}

void tst_ToolWindows::productionRegistryOpensConversionTables()
{
    test::TempStore temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    ToolWindows tools(temp.store(), clock, platform, QDir(temp.folder()));
    tools.show(Tool::Convert);
    QPointer<QWidget> window = tools.window(Tool::Convert);
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->objectName(), QStringLiteral("convert"));
    tools.closeAll();
    QVERIFY(!window);
}

QTEST_MAIN(tst_ToolWindows)
#include "tst_toolwindows.moc"
