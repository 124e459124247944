#include "common/failure.h"
#include "shell/nookery.h"
#include "shell/toolwindows.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/fakesuite.h"
#include "support/tempstore.h"
#include "support/windows.h"

#include <QFile>
#include <QTest>

#include <stdexcept>

using namespace nookery;

namespace {

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

const QString Checked = QStringLiteral("checked");

struct Fixture
{
    test::TempStore temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    test::FakeSuite suite;
    QTemporaryDir start;

    SettingsStore &store() { return temp.store(); }
    QString logPath() const { return start.filePath(QStringLiteral("startup.dat")); }
    QByteArray log() const
    {
        QFile f(logPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // One start of the suite, as the program makes it.
    void startWith(Clock &c, Suite &s)
    {
        Nookery window(store(), c, platform, s, QDir(start.path()));
        window.Form_Load();
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
};

} // namespace

class tst_StartupSequence : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS(); }

    void everyStartIsLogged();
    void remindersOnceADay_data();
    void remindersOnceADay();
    void oneClockReadingForLogAndDateCheck();
    void failingLogStillOpensReminders();
    void toolsOpenInOrder();
    void remindersOffLeavesItsKeysAlone();
    void failingShowStopsTheRest();
    void registryOpensTheConversionWindow();
};

void tst_StartupSequence::everyStartIsLogged()
{
    Fixture f;
    f.startAt(QDateTime(QDate(2026, 12, 8), QTime(9, 0, 0)));
    QCOMPARE(f.log(), QByteArray("12/08/2026"
                                 "9:00:00 AM  "));
    f.store().save(keys::CalendarFormat, QStringLiteral("dd/mm"));
    f.startAt(QDateTime(QDate(2026, 12, 8), QTime(17, 31, 51)));
    QCOMPARE(f.log(), QByteArray("12/08/2026"
                                 "9:00:00 AM  "
                                 "08/12/2026"
                                 "5:31:51 PM  "));
    QVERIFY(f.platform.messageBoxes.shown.isEmpty());
}

void tst_StartupSequence::remindersOnceADay_data()
{
    QTest::addColumn<QList<QDateTime>>("starts");
    QTest::addColumn<QString>("storedBefore");
    QTest::addColumn<QList<bool>>("opened");
    QTest::addColumn<QString>("dateCheck");
    const QDate day(2026, 12, 8);
    const QDateTime morning(day, QTime(9, 0, 0));
    QTest::newRow("first start of the day")
        << QList<QDateTime>{morning} << QString() << QList<bool>{true} << "12/08/2026";
    QTest::newRow("second start that day") << QList<QDateTime>{morning, morning.addSecs(3600)}
                                           << QString() << QList<bool>{true, false} << "12/08/2026";
    QTest::newRow("across midnight") << QList<QDateTime>{QDateTime(day, QTime(23, 59, 59)),
                                                         QDateTime(day.addDays(1), QTime(0, 0))}
                                     << QString() << QList<bool>{true, true} << "12/09/2026";
    QTest::newRow("already shown today")
        << QList<QDateTime>{morning} << "12/08/2026" << QList<bool>{false} << "12/08/2026";
    QTest::newRow("stored in the other order")
        << QList<QDateTime>{morning} << "08/12/2026" << QList<bool>{true} << "12/08/2026";
}

void tst_StartupSequence::remindersOnceADay()
{
    QFETCH(QList<QDateTime>, starts);
    QFETCH(QString, storedBefore);
    QFETCH(QList<bool>, opened);
    QFETCH(QString, dateCheck);
    Fixture f;
    f.remindersOnceADay();
    if (!storedBefore.isEmpty())
        f.store().save(keys::DateCheck, storedBefore);
    for (qsizetype i = 0; i < starts.size(); ++i) {
        f.suite.calls.clear();
        f.startAt(starts[i]);
        QCOMPARE(f.suite.calls.contains(u"show Reminders"_qs), opened[i]);
    }
    QCOMPARE(f.store().get(keys::DateCheck), dateCheck);
}

void tst_StartupSequence::oneClockReadingForLogAndDateCheck()
{
    Fixture f;
    f.remindersOnceADay();
    RunningClock clock(QDateTime(QDate(2026, 12, 8), QTime(23, 59, 59)));
    f.startWith(clock, f.suite);
    QCOMPARE(f.log().left(10), QByteArray("12/08/2026"));
    QCOMPARE(f.store().get(keys::DateCheck), u"12/08/2026"_qs);
}

void tst_StartupSequence::failingLogStillOpensReminders()
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

void tst_StartupSequence::toolsOpenInOrder()
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

void tst_StartupSequence::remindersOffLeavesItsKeysAlone()
{
    Fixture f;
    f.store().save(keys::RemindersStartup, QStringLiteral("Checked")); // not "checked"
    f.store().save(keys::StartOnce, Checked);
    f.store().save(keys::DateCheck, QStringLiteral("01/01/2001"));
    f.startAt(QDateTime(QDate(2026, 12, 8), QTime(9, 0, 0)));
    QVERIFY(f.suite.calls.isEmpty());
    QCOMPARE(f.store().get(keys::DateCheck), u"01/01/2001"_qs);
}

void tst_StartupSequence::failingShowStopsTheRest()
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

void tst_StartupSequence::registryOpensTheConversionWindow()
{
    Fixture f;
    f.store().save(keys::ConvertStartup, Checked);
    ToolWindows tools(f.store(), f.clock, f.platform, QDir(f.start.path()));
    f.startWith(f.clock, tools);
    QWidget *convert = tools.window(Tool::Convert);
    QVERIFY(convert);
    QVERIFY(convert->isVisible());
    tools.closeAll();
}

QTEST_MAIN(tst_StartupSequence)
#include "tst_startupsequence.moc"
