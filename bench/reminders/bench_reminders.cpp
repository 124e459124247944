#include "common/suite.h"
#include "common/toolcontext.h"
#include "reminders/reminder.h"
#include "reminders/reminderfile.h"
#include "settings/settingsstore.h"
#include "support/fakesuite.h"

#include "support/fakeclock.h"
#include "support/fakeplatform.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace nookery;

namespace {

constexpr int Records = 10000;

// 10,000 reminders; every seventh is weekly, so the upcoming view has lines to show.
void writeRecords(const QString &folder)
{
    QByteArray bytes;
    for (int i = 0; i < Records; ++i) {
        const char frequency = "OWMY"[i % 4];
        bytes += ReminderRecord::make(QStringLiteral("Reminder number %1").arg(i), 'X',
                                      i % 7 == 0 ? 'W' : frequency,
                                      QStringLiteral("%1/%2/2026")
                                          .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                                          .arg(1 + i % 28, 2, 10, QLatin1Char('0')))
                     .toBytes();
    }
    QFile f(folder + QStringLiteral("/reminder.dat"));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write the records");
}

} // namespace

// The reminders window with 10,000 records: each view built and shown, a compaction, and
// one edited record saved in place.
class BenchReminders : public QObject
{
    Q_OBJECT

private slots:
    void views_data();
    void views();
    void compaction();
    void saveInPlace();
};

void BenchReminders::views_data()
{
    QTest::addColumn<bool>("all");
    QTest::newRow("upcoming") << false;
    QTest::newRow("all") << true;
}

void BenchReminders::views()
{
    QFETCH(bool, all);
    QTemporaryDir dir;
    writeRecords(dir.path());
    SettingsStore store(dir.filePath(QStringLiteral("cfg/Nookery.ini")));
    test::FakeClock clock;
    test::FakePlatform platform;
    test::FakeSuite suite;
    reminder window(ToolContext{store, clock, platform, suite, QDir(dir.path())});
    window.show();
    auto *list = window.findChild<QListWidget *>(all ? QStringLiteral("reminderlist2")
                                                     : QStringLiteral("reminderlist"));
    QBENCHMARK
    {
        if (all)
            window.ShowAll();
        else
            window.ShowUpcoming();
        list->repaint();
    }
    qInfo("%d lines", list->count());
}

void BenchReminders::compaction()
{
    QTemporaryDir dir;
    writeRecords(dir.path());
    ReminderFile file{QDir(dir.path())};
    file.Open(DatePatterns::fromSetting(QString()));
    QBENCHMARK
    {
        file.Remove(file.Count() / 2);
    }
}

void BenchReminders::saveInPlace()
{
    QTemporaryDir dir;
    writeRecords(dir.path());
    ReminderFile file{QDir(dir.path())};
    file.Open(DatePatterns::fromSetting(QString()));
    ReminderRecord r = file.Read(5000);
    int i = 0;
    QBENCHMARK
    {
        r.Text = QStringLiteral("Edited %1").arg(++i);
        file.Write(5000, r);
    }
}

QTEST_MAIN(BenchReminders)
#include "bench_reminders.moc"
