#include "common/toolwindow.h"
#include "platform/quitsignals.h"
#include "shell/nookery.h"
#include "shell/suiterun.h"
#include "support/fakeplatform.h"
#include "support/windows.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace nookery;

namespace {

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

SuiteRun *current = nullptr;

} // namespace

class tst_SuiteRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyWayOutLetsOpenWindowsSaveFirst_data();
    void everyWayOutLetsOpenWindowsSaveFirst();
    void cleanup() { NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS(); }
};

void tst_SuiteRun::initTestCase()
{
    // Installed once for the process, as main() does; it ends whichever run is current.
    quitOnTerminationSignals([] {
        if (current)
            current->quit();
    });
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
    QTemporaryDir dir;
    QStringList log;
    auto platform = std::make_unique<test::FakePlatform>();
    platform->trayAvailable = false; // the strip window is shown, so it can be closed and keyed
    SuiteRun run(
        QDir(dir.path()), dir.filePath(QStringLiteral("cfg/Nookery.ini")), std::move(platform),
        {{Tool::StickyNotes, [&log](const ToolContext &) { return new NoteStandIn(log); }}});
    current = &run;
    run.start();
    Nookery &strip = run.mainWindow();
    run.tools().show(Tool::StickyNotes);
    QPointer<QWidget> note = run.tools().window(Tool::StickyNotes);
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
    current = nullptr;
    QVERIFY(!note);
    QCOMPARE(log, (QStringList{QStringLiteral("ending"), QStringLiteral("gone")}));
}

QTEST_MAIN(tst_SuiteRun)
#include "tst_suiterun.moc"
