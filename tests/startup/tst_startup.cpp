// The start-up log: its records and lines, what each start of the suite logs and opens, and
// the startup list window that shows and prunes it.
#include "common/failure.h"
#include "common/toolcontext.h"
#include "shell/nookery.h"
#include "shell/toolwindows.h"
#include "startup/startup.h"
#include "startup/startuplog.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/fakesuite.h"
#include "support/tempstore.h"
#include "support/windows.h"

#include <QAction>
#include <QListView>
#include <QTest>
#include <QToolBar>

using namespace nookery;

namespace {

// A record as the older versions wrote it, byte by byte.
QByteArray record(const QByteArray &date, const QByteArray &time)
{
    return date.leftJustified(10, ' ', true) + time.leftJustified(12, ' ', true);
}

const QByteArray FiveStarts = record("12/04/2026", "9:00:00 AM") +
                              record("12/05/2026", "9:00:00 AM") +
                              record("12/06/2026", "8:15:00 AM") +
                              record("12/07/2026", "17:31:51") + record("12/08/2026", "9:00:00 AM");
const QStringList FiveLines = {
    u" 12/08/2026    09:00 am    Tuesday\t5"_qs, u" 12/07/2026    05:31 pm    Monday\t4"_qs,
    u" 12/06/2026    08:15 am    Sunday\t3"_qs, u" 12/05/2026    09:00 am    Saturday\t2"_qs,
    u" 12/04/2026    09:00 am    Friday\t1"_qs};
const StartupRecord NineAm{QStringLiteral("12/08/2026"), QStringLiteral("9:00:00 AM")};
const QString Checked = QStringLiteral("checked");

struct LocaleScope
{
    explicit LocaleScope(const QString &name) { QLocale::setDefault(QLocale(name)); }
    ~LocaleScope() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

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

// A clock that moves on by a second each time it is read.
class RunningClock final : public Clock
{
public:
    explicit RunningClock(QDateTime start) : m_next(std::move(start)) {}
    QDateTime now() const override
    {
        const QDateTime t = m_next;
        m_next = m_next.addSecs(1);
        return t;
    }

private:
    mutable QDateTime m_next;
};

// Records like FakeSuite, and fails to open the reminders window.
class FailingSuite final : public Suite
{
public:
    QStringList calls;
    void show(Tool tool) override
    {
        if (tool == Tool::Reminders)
            throw IoError(QStringLiteral("reminder.dat is damaged"));
        calls << test::FakeSuite::toolName(tool);
    }
    void showOptions(int) override {}
    void showHelpContents() override {}
    void showHelpTopic(int) override {}
    void optionsSaved() override {}
    bool isOpen(Tool) const override { return false; }
};

struct Fixture
{
    test::TempStore temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    test::FakeSuite suite;
    QTemporaryDir start;
    std::unique_ptr<startup> window;

    SettingsStore &store() { return temp.store(); }
    QString logPath() const { return start.filePath(QStringLiteral("startup.dat")); }
    QByteArray log() const
    {
        QFile f(logPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void writeLog(const QByteArray &bytes, const QString &name = QStringLiteral("startup.dat"))
    {
        QFile f(start.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), bytes.size());
    }

    // One start of the suite, as the program makes it.
    void startWith(Clock &c, Suite &s)
    {
        Nookery main(store(), c, platform, s, QDir(start.path()));
        main.Form_Load();
    }
    void startAt(const QDateTime &t)
    {
        clock.set(t);
        startWith(clock, suite);
    }
    void remindersOnceADay()
    {
        store().save(keys::RemindersStartup, Checked);
        store().save(keys::StartOnce, Checked);
    }

    startup &open()
    {
        window = std::make_unique<startup>(
            ToolContext{store(), clock, platform, suite, QDir(start.path())});
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
};

} // namespace

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS(); }

    void recordOfAStart_data();
    void recordOfAStart();
    void appendsAtTheEndOfWholeRecords_data();
    void appendsAtTheEndOfWholeRecords();
    void lines_data();
    void lines();
    void hostileLogsListWholeRecords_data();
    void hostileLogsListWholeRecords();

    void everyStartIsLogged();
    void remindersOnceADay_data();
    void remindersOnceADay();
    void oneClockReadingForLogAndDateCheck();
    void failingLogStillOpensReminders();
    void toolsOpenInOrder();
    void failingShowStopsTheRest();
    void registryOpensTheConversionWindow();

    void windowLayoutAndF1();
    void commands_data();
    void commands();
    void deleteOld_data();
    void deleteOld();
    void deleteFailureChangesNothing();
};

void tst_Startup::recordOfAStart_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QByteArray>("bytes");
    const QTime nine(9, 0, 0);
    const QTime late(17, 31, 51);
    QTest::newRow("en_US month first") << "en_US"
                                       << "" << nine << record("12/08/2026", "9:00:00 AM");
    QTest::newRow("en_US day first") << "en_US"
                                     << "dd/mm" << late << record("08/12/2026", "5:31:51 PM");
    QTest::newRow("de_DE day first") << "de_DE"
                                     << "dd/mm" << nine << record("08.12.2026", "09:00:00");
    QTest::newRow("de_DE month first") << "de_DE"
                                       << "mm/dd" << late << record("12.08.2026", "17:31:51");
    // "5:31:51 P. M." is 13 characters: cut, and still read back by the list.
    QTest::newRow("long time cut") << "es_US"
                                   << "" << late << record("12/08/2026", "5:31:51 P.\xA0M");
    // Text the code page cannot hold would come back as "?": plain digits instead.
    QTest::newRow("C.UTF-8 writes slashes") << "C.UTF-8"
                                            << "" << late << record("12/08/2026", "17:31:51");
    QTest::newRow("no locale, day first") << "POSIX"
                                          << "dd/mm" << nine << record("08/12/2026", "09:00:00");
    QTest::newRow("outside the code page") << "ko_KR"
                                           << "" << late << record("12.08.2026", "17:31:51");
}

void tst_Startup::recordOfAStart()
{
    QFETCH(QString, locale);
    QFETCH(QString, format);
    QFETCH(QTime, time);
    QFETCH(QByteArray, bytes);
    LocaleScope scope(locale);
    const StartupRecord r = StartupRecord::at(QDateTime(QDate(2026, 12, 8), time), format);
    QCOMPARE(r.toBytes(), bytes);
    QCOMPARE(StartupRecord::fromBytes(bytes), StartupRecord::fromBytes(r.toBytes()));
    // Whatever the locale wrote, the list reads its date and time back.
    QCOMPARE(readStartDate(r.StartDate, format == u"dd/mm"), QDate(2026, 12, 8));
    QCOMPARE(readStartTime(r.StartTime), std::optional<QTime>(time));
}

void tst_Startup::appendsAtTheEndOfWholeRecords_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("keptBytes");
    const QByteArray nine = record("12/07/2026", "9:00:00 AM").repeated(9);
    QTest::newRow("first start") << QByteArray() << 0;
    QTest::newRow("tenth start") << nine << 198;
    // A start killed mid-write leaves a tail; the next record takes its place.
    QTest::newRow("tail of 1") << nine + "1" << 198;
    QTest::newRow("tail of 11") << nine + "12/08/2026 " << 198;
    QTest::newRow("tail of 21") << nine + record("12/08/2026", "9:00:00 AM").left(21) << 198;
}

void tst_Startup::appendsAtTheEndOfWholeRecords()
{
    QFETCH(QByteArray, before);
    QFETCH(int, keptBytes);
    Fixture f;
    if (!before.isEmpty())
        f.writeLog(before);
    appendStartup(f.logPath(), NineAm);
    const QByteArray after = f.log();
    QCOMPARE(after, before.left(keptBytes) + record("12/08/2026", "9:00:00 AM"));
    if (before.isEmpty()) // a new log is the user's alone
        QCOMPARE(QFileInfo(f.logPath()).permissions() & QFile::ReadOther, QFile::Permissions());
}

void tst_Startup::lines_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("dayFirst");
    QTest::addColumn<bool>("shortDate");
    QTest::addColumn<QString>("line");
    const auto row = [](const char *name, const char *locale, const QByteArray &stored,
                        bool dayFirst, bool shortDate, const char *line) {
        QTest::newRow(name) << QString::fromLatin1(locale) << stored << dayFirst << shortDate
                            << QString::fromUtf8(line);
    };
    row("en_US", "en_US", record("12/08/2026", "9:00:00 AM"), false, false,
        " 12/08/2026    09:00 am    Tuesday\t7");
    row("afternoon", "en_US", record("12/07/2026", "5:31:51 PM"), false, false,
        " 12/07/2026    05:31 pm    Monday\t7");
    row("24-hour", "en_US", record("12/07/2026", "17:31:51"), false, false,
        " 12/07/2026    05:31 pm    Monday\t7");
    row("after midnight", "en_US", record("12/07/2026", "12:05:00 am"), false, false,
        " 12/07/2026    12:05 am    Monday\t7");
    row("no seconds", "en_US", record("12/07/2026", "7:05 p"), false, false,
        " 12/07/2026    07:05 pm    Monday\t7");
    row("de_DE, dd/mm", "de_DE", record("08.12.2026", "09:00:00"), true, false,
        " 08.12.2026    09:00 am    Dienstag\t7");
    // The locale's day-first order does not decide: the log was written month first.
    row("de_DE, mm/dd", "de_DE", record("12.09.2026", "09:00:00"), false, false,
        " 12.09.2026    09:00 am    Mittwoch\t7");
    row("en_GB, mm/dd", "en_GB", record("12/09/2026", "09:00:00"), false, false,
        " 12/09/2026    09:00 am    Wednesday\t7");
    row("written before the format changed", "en_US", record("25/12/2026", "09:00:00"), false,
        false, " 25/12/2026    09:00 am    Friday\t7");
    row("short date after pruning", "en_US", record("12/08/2026", "9:00:00 AM"), false, true,
        " 12/08/26    09:00 am    Tuesday\t7");
    row("short date, de_DE", "de_DE", record("08.12.2026", "09:00:00"), true, true,
        " 12.08.26    09:00 am    Dienstag\t7");
    row("blanks, as C wrote them", "C.UTF-8", record("12 08 2026", "09:00:00"), false, false,
        " 12 08 2026    09:00 am    Tuesday\t7");
    row("unreadable date", "en_US", record("13/45/2026", "9:00:00 AM"), false, true,
        " 13/45/2026    09:00 am    \t7");
    row("unreadable time", "en_US", record("12/08/2026", " noon"), false, false,
        " 12/08/2026    noon    Tuesday\t7");
    row("hour past 12 with PM", "en_US", record("12/08/2026", "13:00:00 PM"), false, false,
        " 12/08/2026    13:00:00 PM    Tuesday\t7");
}

void tst_Startup::lines()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, stored);
    QFETCH(bool, dayFirst);
    QFETCH(bool, shortDate);
    QFETCH(QString, line);
    LocaleScope scope(locale);
    QCOMPARE(startupLine(StartupRecord::fromBytes(stored), 7, dayFirst, shortDate), line);
}

void tst_Startup::hostileLogsListWholeRecords_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("count");
    QByteArray garbage;
    for (int i = 0; i < 22 * 40 + 7; ++i)
        garbage += char((i * 73 + 11) % 256);
    QTest::newRow("garbage") << garbage << 40;
    QTest::newRow("NULs") << QByteArray(22 * 3 + 21, '\0') << 3;
    QTest::newRow("10 MB") << QByteArray(10 * 1024 * 1024, 'x') << 10 * 1024 * 1024 / 22;
}

void tst_Startup::hostileLogsListWholeRecords()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, count);
    Fixture f;
    f.writeLog(bytes);
    {
        StartupLog log(f.logPath(), false);
        log.open();
        const QStringList lines = log.lines();
        QCOMPARE(lines.size(), count);
        QVERIFY(lines.first().endsWith(u'\t' + QString::number(count)));
    }
    // The next start leaves a whole file.
    appendStartup(f.logPath(), NineAm);
    QCOMPARE(QFileInfo(f.logPath()).size(), 22 * (count + 1));
}

void tst_Startup::everyStartIsLogged()
{
    Fixture f;
    f.startAt(QDateTime(QDate(2026, 12, 8), QTime(9, 0, 0)));
    QCOMPARE(f.log(), record("12/08/2026", "9:00:00 AM"));
    f.store().save(keys::CalendarFormat, QStringLiteral("dd/mm"));
    f.startAt(QDateTime(QDate(2026, 12, 8), QTime(17, 31, 51)));
    QCOMPARE(f.log(), record("12/08/2026", "9:00:00 AM") + record("08/12/2026", "5:31:51 PM"));
    QVERIFY(f.platform.messageBoxes.shown.isEmpty());
    // The list reads the dates in the format's order, not the locale's (here month first).
    f.open();
    QCOMPARE(f.listed().first(), u" 08/12/2026    05:31 pm    Tuesday\t2"_qs);
    f.window.reset();
}

void tst_Startup::remindersOnceADay_data()
{
    QTest::addColumn<QList<QDateTime>>("starts");
    QTest::addColumn<QString>("storedBefore");
    QTest::addColumn<QList<bool>>("opened");
    QTest::addColumn<QString>("dateCheck");
    QTest::addColumn<QString>("remindersStartup");
    const QDate day(2026, 12, 8);
    const QDateTime morning(day, QTime(9, 0, 0));
    QTest::newRow("first start of the day")
        << QList<QDateTime>{morning} << QString() << QList<bool>{true} << "12/08/2026" << QString();
    QTest::newRow("second start that day")
        << QList<QDateTime>{morning, morning.addSecs(3600)} << QString() << QList<bool>{true, false}
        << "12/08/2026" << QString();
    QTest::newRow("across midnight")
        << QList<QDateTime>{QDateTime(day, QTime(23, 59, 59)),
                            QDateTime(day.addDays(1), QTime(0, 0))}
        << QString() << QList<bool>{true, true} << "12/09/2026" << QString();
    QTest::newRow("already shown today") << QList<QDateTime>{morning} << "12/08/2026"
                                         << QList<bool>{false} << "12/08/2026" << QString();
    QTest::newRow("stored in the other order") << QList<QDateTime>{morning} << "08/12/2026"
                                               << QList<bool>{true} << "12/08/2026" << QString();
    // Off ("Checked" is not "checked"): its keys are neither read nor written.
    QTest::newRow("reminders off")
        << QList<QDateTime>{morning} << "01/01/2001" << QList<bool>{false} << "01/01/2001"
        << "Checked";
}

void tst_Startup::remindersOnceADay()
{
    QFETCH(QList<QDateTime>, starts);
    QFETCH(QString, storedBefore);
    QFETCH(QList<bool>, opened);
    QFETCH(QString, dateCheck);
    QFETCH(QString, remindersStartup);
    Fixture f;
    f.remindersOnceADay();
    if (!remindersStartup.isEmpty())
        f.store().save(keys::RemindersStartup, remindersStartup);
    if (!storedBefore.isEmpty())
        f.store().save(keys::DateCheck, storedBefore);
    for (qsizetype i = 0; i < starts.size(); ++i) {
        f.suite.calls.clear();
        f.startAt(starts[i]);
        QCOMPARE(f.suite.calls, opened[i] ? QStringList{u"show Reminders"_qs} : QStringList());
    }
    QCOMPARE(f.store().get(keys::DateCheck), dateCheck);
}

void tst_Startup::oneClockReadingForLogAndDateCheck()
{
    Fixture f;
    f.remindersOnceADay();
    RunningClock clock(QDateTime(QDate(2026, 12, 8), QTime(23, 59, 59)));
    f.startWith(clock, f.suite);
    QCOMPARE(f.log().left(10), QByteArray("12/08/2026"));
    QCOMPARE(f.store().get(keys::DateCheck), u"12/08/2026"_qs);
}

void tst_Startup::failingLogStillOpensReminders()
{
    Fixture f;
    f.remindersOnceADay();
    QVERIFY(QDir(f.start.path()).mkdir(QStringLiteral("startup.dat")));
    f.startAt(QDateTime(QDate(2026, 12, 8), QTime(9, 0, 0)));
    QCOMPARE(f.platform.messageBoxes.texts(), QStringList{failureMessage(7, true)});
    QCOMPARE(f.platform.messageBoxes.shown.first().title, suiteTitle());
    QCOMPARE(f.store().get(keys::RunFromTray), u"unchecked"_qs);
    QCOMPARE(f.suite.calls, QStringList{u"show Reminders"_qs});
    QCOMPARE(f.store().get(keys::DateCheck), u"12/08/2026"_qs);
}

void tst_Startup::toolsOpenInOrder()
{
    Fixture f;
    for (const Key *key : {&keys::NotesStartup, &keys::CountDownStartup, &keys::ConvertStartup,
                           &keys::RemindersStartup})
        f.store().save(*key, Checked);
    f.startAt(QDateTime(QDate(2026, 12, 8), QTime(9, 0, 0)));
    QCOMPARE(f.suite.calls, (QStringList{u"show Reminders"_qs, u"show Convert"_qs,
                                         u"show CountDown"_qs, u"show StickyNotes"_qs}));
    // Without "Start Once" every start opens the reminders and nothing is remembered.
    QCOMPARE(f.store().get(keys::DateCheck), QString());
}

void tst_Startup::failingShowStopsTheRest()
{
    Fixture f;
    f.remindersOnceADay();
    f.store().save(keys::ConvertStartup, Checked);
    FailingSuite suite;
    f.startWith(f.clock, suite);
    QCOMPARE(f.platform.messageBoxes.texts(), QStringList{failureMessage(8)});
    QVERIFY(suite.calls.isEmpty());
    QCOMPARE(f.store().get(keys::DateCheck), QString());
    // Only the log's own failure makes the next start a standard one.
    QCOMPARE(f.store().get(keys::RunFromTray), Checked);
}

void tst_Startup::registryOpensTheConversionWindow()
{
    Fixture f;
    f.store().save(keys::ConvertStartup, Checked);
    ToolWindows tools(f.store(), f.clock, f.platform, QDir(f.start.path()));
    f.startWith(f.clock, tools);
    QWidget *convert = tools.window(Tool::Convert);
    QVERIFY(convert && convert->isVisible());
    tools.closeAll();
}

void tst_Startup::windowLayoutAndF1()
{
    Fixture f;
    startup &w = f.open();
    QCOMPARE(w.size(), QSize(4380 / 15, 5520 / 15));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QStringList keys;
    for (QAction *b : w.findChild<QToolBar *>(QStringLiteral("Toolbar1"))->actions())
        keys << (b->isSeparator() ? u"|"_qs : b->data().toString());
    QCOMPARE(keys, (QStringList{u"tooldelete"_qs, u"|"_qs, u"tooloptions"_qs, u"toolhelp"_qs,
                                u"toolclose"_qs}));
    QCOMPARE(f.action(u"menudelete"_qs)->shortcut(), QKeySequence(Qt::Key_F9));
    // "Using" shows F1 in its caption, blanks and all, but the window's F1 opens the topic.
    QCOMPARE(f.action(u"menuhelp2"_qs)->text(), u"&Using the Startup List      F1"_qs);
    QCOMPARE(f.action(u"menuhelp2"_qs)->shortcut(), QKeySequence());
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_F1);
    QCOMPARE(f.suite.calls, QStringList{u"help 245"_qs});
}

void tst_Startup::commands_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("stays");
    QTest::newRow("options") << "menuoptions" << QKeySequence(Qt::Key_F11)
                             << QStringList{u"options 1"_qs} << true;
    QTest::newRow("tool options") << "tooloptions" << QKeySequence() << QStringList{u"options 1"_qs}
                                  << true;
    QTest::newRow("topics") << "menuhelp1" << QKeySequence() << QStringList{u"help contents"_qs}
                            << true;
    QTest::newRow("using") << "menuhelp2" << QKeySequence() << QStringList{u"help 245"_qs} << true;
    QTest::newRow("tool help") << "toolhelp" << QKeySequence() << QStringList{u"help 245"_qs}
                               << true;
    QTest::newRow("about") << "menuhelp3" << QKeySequence() << QStringList{u"show About"_qs}
                           << true;
    QTest::newRow("close") << "menuclose" << QKeySequence(Qt::Key_F12) << QStringList() << false;
    QTest::newRow("tool close") << "toolclose" << QKeySequence() << QStringList() << false;
}

void tst_Startup::commands()
{
    QFETCH(QString, name);
    QFETCH(QKeySequence, key);
    QFETCH(QStringList, calls);
    QFETCH(bool, stays);
    Fixture f;
    f.writeLog(FiveStarts);
    f.open();
    if (!key.isEmpty())
        QCOMPARE(f.action(name)->shortcut(), key);
    f.action(name)->trigger();
    QCOMPARE(f.suite.calls, calls);
    QCOMPARE(f.window->isVisible(), stays);
    // The log is held open while the window is, and let go when it closes.
    QCOMPARE(openHandles(f.logPath()), stays ? 1 : 0);
}

void tst_Startup::deleteOld_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QByteArray>("before"); // "-": no log, the window makes it
    QTest::addColumn<bool>("staleTemporary");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QStringList>("lines");
    const QByteArray newest = FiveStarts.right(22);
    const QStringList newestLine = {u" 12/08/26    09:00 am    Tuesday\t1"_qs};
    QTest::newRow("yes") << "menudelete" << true << FiveStarts << false << newest << newestLine;
    QTest::newRow("tool bar") << "tooldelete" << true << FiveStarts << false << newest
                              << newestLine;
    QTest::newRow("no") << "menudelete" << false << FiveStarts << false << FiveStarts << FiveLines;
    QTest::newRow("stale temporary")
        << "menudelete" << true << FiveStarts << true << newest << newestLine;
    QTest::newRow("torn tail") << "menudelete" << true << FiveStarts + "12/09/" << false << newest
                               << newestLine;
    QTest::newRow("one") << "menudelete" << true << FiveStarts.left(22) << false
                         << FiveStarts.left(22)
                         << QStringList{u" 12/04/26    09:00 am    Friday\t1"_qs};
    QTest::newRow("missing log") << "menudelete" << true << QByteArray("-") << false << QByteArray()
                                 << QStringList();
    QTest::newRow("tail only") << "menudelete" << true << QByteArray("12/06/2026") << false
                               << QByteArray() << QStringList();
}

void tst_Startup::deleteOld()
{
    QFETCH(QString, command);
    QFETCH(bool, yes);
    QFETCH(QByteArray, before);
    QFETCH(bool, staleTemporary);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, lines);
    Fixture f;
    if (before != "-")
        f.writeLog(before);
    if (staleTemporary)
        f.writeLog(QByteArray(500, 'z'), QStringLiteral("startup.tmp"));
    f.open();
    if (before.startsWith(FiveStarts)) // whole records listed newest first, a torn tail skipped
        QCOMPARE(f.listed(), FiveLines);
    f.platform.messageBoxes.answers = {yes};
    f.action(command)->trigger();
    QCOMPARE(f.platform.messageBoxes.shown.size(), 1);
    QCOMPARE(f.platform.messageBoxes.shown[0].title, u"Delete Old Dates"_qs);
    QCOMPARE(f.platform.messageBoxes.shown[0].text,
             u"Do you want to delete all of the old startup dates?"_qs);
    QCOMPARE(f.log(), after);
    QCOMPARE(f.listed(), lines);
    QVERIFY(!QFile::exists(f.start.filePath(QStringLiteral("startup.tmp"))));
    QCOMPARE(openHandles(f.logPath()), 1); // held open again, on the new file
}

void tst_Startup::deleteFailureChangesNothing()
{
    Fixture f;
    f.writeLog(FiveStarts);
    QVERIFY(QDir(f.start.path()).mkpath(QStringLiteral("startup.tmp/inside")));
    f.open();
    f.platform.messageBoxes.answers = {true};
    f.action(QStringLiteral("menudelete"))->trigger();
    QCOMPARE(f.platform.messageBoxes.shown.size(), 2);
    const auto &failure = f.platform.messageBoxes.shown[1];
    QCOMPARE(failure.title, u"Delete Old Dates"_qs);
    QVERIFY2(failure.text.startsWith(u"The old startup dates could not be deleted: "_qs) &&
                 failure.text.contains(u"startup.tmp"_qs),
             qPrintable(failure.text));
    QCOMPARE(f.log(), FiveStarts);
    QCOMPARE(f.listed(), FiveLines);
    QCOMPARE(openHandles(f.logPath()), 1);
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
