#include "shell/startup.h"
#include "support/fakeplatform.h"
#include "support/fakesuite.h"
#include "support/windows.h"

#include <QAction>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <memory>

using namespace nookery;

namespace {

QByteArray record(const QByteArray &date, const QByteArray &time)
{
    return date.leftJustified(10, ' ', true) + time.leftJustified(12, ' ', true);
}

const QByteArray FiveStarts = record("12/04/2026", "9:00:00 AM") +
                              record("12/05/2026", "9:00:00 AM") +
                              record("12/06/2026", "8:15:00 AM") +
                              record("12/07/2026", "17:31:51") + record("12/08/2026", "9:00:00 AM");

// Files the process holds open that resolve to `path`.
int openHandles(const QString &path)
{
    int n = 0;
    const QString target = QFileInfo(path).canonicalFilePath();
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString &fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        n += QFile::symLinkTarget(fds.filePath(fd)) == target ? 1 : 0;
    return n;
}

} // namespace

class tst_StartupWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layout();
    void menuKeys_data();
    void menuKeys();
    void commands_data();
    void commands();
    void f1OpensItsTopic();
    void listsNewestFirstAndHoldsTheLogOpen();
    void missingLogIsCreatedEmpty();
    void deleteOld_data();
    void deleteOld();
    void deleteFailureChangesNothing();

private:
    void writeLog(const QByteArray &bytes)
    {
        QFile f(logPath());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray log() const
    {
        QFile f(logPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QString logPath() const { return dir->filePath(QStringLiteral("startup.dat")); }
    startup &open()
    {
        window = std::make_unique<startup>(platform, suite, QDir(dir->path()));
        window->show();
        return *window;
    }
    QStringList listed() const
    {
        QStringList out;
        const auto *list = window->findChild<QListView *>(QStringLiteral("startuplist"));
        for (int row = 0; row < list->model()->rowCount(); ++row)
            out << list->model()->index(row, 0).data().toString();
        return out;
    }
    QAction *action(const QString &name) const { return window->findChild<QAction *>(name); }

    std::unique_ptr<QTemporaryDir> dir;
    test::FakePlatform platform;
    test::FakeSuite suite;
    std::unique_ptr<startup> window;
};

void tst_StartupWindow::init()
{
    dir = std::make_unique<QTemporaryDir>();
    platform.messageBoxes.shown.clear();
    platform.messageBoxes.answers.clear();
    suite.calls.clear();
}

void tst_StartupWindow::cleanup()
{
    window.reset();
    NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS();
}

void tst_StartupWindow::layout()
{
    startup &w = open();
    QCOMPARE(w.windowTitle(), u"Startup List"_qs);
    QCOMPARE(w.size(), QSize(4380 / 15, 5520 / 15));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    const auto *bar = w.findChild<QToolBar *>(QStringLiteral("Toolbar1"));
    QStringList keys;
    QStringList tips;
    for (QAction *b : bar->actions()) {
        keys << (b->isSeparator() ? u"|"_qs : b->data().toString());
        tips << b->toolTip();
    }
    QCOMPARE(keys, (QStringList{u"tooldelete"_qs, u"|"_qs, u"tooloptions"_qs, u"toolhelp"_qs,
                                u"toolclose"_qs}));
    QCOMPARE(tips[0], u"Delete Old Startup Dates"_qs);
    QCOMPARE(tips[4], u"Close Startup List"_qs);
}

void tst_StartupWindow::menuKeys_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("key");
    QTest::newRow("delete") << "menudelete"
                            << "&Delete Old Dates" << QKeySequence(Qt::Key_F9);
    QTest::newRow("options") << "menuoptions"
                             << "&Options" << QKeySequence(Qt::Key_F11);
    QTest::newRow("close") << "menuclose"
                           << "&Close" << QKeySequence(Qt::Key_F12);
    QTest::newRow("topics") << "menuhelp1"
                            << "Help &Topics" << QKeySequence();
    QTest::newRow("using") << "menuhelp2"
                           << "&Using the Startup List      F1" << QKeySequence();
    QTest::newRow("about") << "menuhelp3"
                           << "&About Nookery" << QKeySequence();
}

void tst_StartupWindow::menuKeys()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, key);
    open();
    QCOMPARE(action(name)->text(), caption);
    QCOMPARE(action(name)->shortcut(), key);
}

void tst_StartupWindow::commands_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("stays");
    QTest::newRow("options") << "menuoptions" << QStringList{u"options 1"_qs} << true;
    QTest::newRow("tool options") << "tooloptions" << QStringList{u"options 1"_qs} << true;
    QTest::newRow("topics") << "menuhelp1" << QStringList{u"help contents"_qs} << true;
    QTest::newRow("using") << "menuhelp2" << QStringList{u"help 245"_qs} << true;
    QTest::newRow("tool help") << "toolhelp" << QStringList{u"help 245"_qs} << true;
    QTest::newRow("about") << "menuhelp3" << QStringList{u"show About"_qs} << true;
    QTest::newRow("close") << "menuclose" << QStringList() << false;
    QTest::newRow("tool close") << "toolclose" << QStringList() << false;
}

void tst_StartupWindow::commands()
{
    QFETCH(QString, name);
    QFETCH(QStringList, calls);
    QFETCH(bool, stays);
    writeLog(FiveStarts);
    open();
    action(name)->trigger();
    QCOMPARE(suite.calls, calls);
    QCOMPARE(window->isVisible(), stays);
    // Closing lets go of the log.
    QCOMPARE(openHandles(logPath()), stays ? 1 : 0);
}

void tst_StartupWindow::f1OpensItsTopic()
{
    startup &w = open();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_F1);
    QCOMPARE(suite.calls, QStringList{u"help 245"_qs});
}

void tst_StartupWindow::listsNewestFirstAndHoldsTheLogOpen()
{
    writeLog(FiveStarts + "12/09/");
    open();
    QCOMPARE(listed(), (QStringList{u" 12/08/2026    09:00 am    Tuesday\t5"_qs,
                                    u" 12/07/2026    05:31 pm    Monday\t4"_qs,
                                    u" 12/06/2026    08:15 am    Sunday\t3"_qs,
                                    u" 12/05/2026    09:00 am    Saturday\t2"_qs,
                                    u" 12/04/2026    09:00 am    Friday\t1"_qs}));
    QCOMPARE(openHandles(logPath()), 1);
}

void tst_StartupWindow::missingLogIsCreatedEmpty()
{
    open();
    QVERIFY(listed().isEmpty());
    QCOMPARE(log(), QByteArray());
}

void tst_StartupWindow::deleteOld_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QStringList>("lines");
    const QStringList five = {
        u" 12/08/2026    09:00 am    Tuesday\t5"_qs, u" 12/07/2026    05:31 pm    Monday\t4"_qs,
        u" 12/06/2026    08:15 am    Sunday\t3"_qs, u" 12/05/2026    09:00 am    Saturday\t2"_qs,
        u" 12/04/2026    09:00 am    Friday\t1"_qs};
    const QStringList newest = {u" 12/08/26    09:00 am    Tuesday\t1"_qs};
    QTest::newRow("yes") << "menudelete" << true << FiveStarts << FiveStarts.right(22) << newest;
    QTest::newRow("tool bar") << "tooldelete" << true << FiveStarts << FiveStarts.right(22)
                              << newest;
    QTest::newRow("no") << "menudelete" << false << FiveStarts << FiveStarts << five;
    QTest::newRow("empty log") << "menudelete" << true << QByteArray() << QByteArray()
                               << QStringList();
}

void tst_StartupWindow::deleteOld()
{
    QFETCH(QString, command);
    QFETCH(bool, yes);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, lines);
    writeLog(before);
    open();
    platform.messageBoxes.answers = {yes};
    action(command)->trigger();
    QCOMPARE(platform.messageBoxes.shown.size(), 1);
    QCOMPARE(platform.messageBoxes.shown[0].title, u"Delete Old Dates"_qs);
    QCOMPARE(platform.messageBoxes.shown[0].text,
             u"Do you want to delete all of the old startup dates?"_qs);
    QCOMPARE(log(), after);
    QCOMPARE(listed(), lines);
    QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("startup.tmp"))));
    QCOMPARE(openHandles(logPath()), 1);
}

void tst_StartupWindow::deleteFailureChangesNothing()
{
    writeLog(FiveStarts);
    QVERIFY(QDir(dir->path()).mkpath(QStringLiteral("startup.tmp/inside")));
    open();
    const QStringList before = listed();
    platform.messageBoxes.answers = {true};
    action(QStringLiteral("menudelete"))->trigger();
    QCOMPARE(platform.messageBoxes.shown.size(), 2);
    QCOMPARE(platform.messageBoxes.shown[1].title, u"Delete Old Dates"_qs);
    QVERIFY2(platform.messageBoxes.shown[1].text.startsWith(
                 u"The old startup dates could not be deleted: "_qs),
             qPrintable(platform.messageBoxes.shown[1].text));
    QVERIFY(platform.messageBoxes.shown[1].text.contains(u"startup.tmp"_qs));
    QCOMPARE(log(), FiveStarts);
    QCOMPARE(listed(), before);
}

QTEST_MAIN(tst_StartupWindow)
#include "tst_startupwindow.moc"
