#include "common/failure.h"
#include "shell/startuplog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace nookery;

namespace {

// The record as the older versions wrote it, byte by byte.
QByteArray record(const QByteArray &date, const QByteArray &time)
{
    return date.leftJustified(10, ' ', true) + time.leftJustified(12, ' ', true);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

struct LocaleScope
{
    explicit LocaleScope(const char *name) { QLocale::setDefault(QLocale(QLatin1String(name))); }
    ~LocaleScope() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

} // namespace

class tst_StartupLog : public QObject
{
    Q_OBJECT

private slots:
    void init() { dir = std::make_unique<QTemporaryDir>(); }

    void recordOfAStart_data();
    void recordOfAStart();
    void appendsAtTheEndOfWholeRecords_data();
    void appendsAtTheEndOfWholeRecords();
    void lines_data();
    void lines();
    void listsNewestFirstAndSkipsATornTail();
    void hostileLogsListWholeRecords_data();
    void hostileLogsListWholeRecords();
    void pruneKeepsTheNewestRecord_data();
    void pruneKeepsTheNewestRecord();
    void pruneFailureChangesNothing();

private:
    QString logPath() const { return dir->filePath(QStringLiteral("startup.dat")); }
    std::unique_ptr<QTemporaryDir> dir;
};

void tst_StartupLog::recordOfAStart_data()
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
    QTest::newRow("outside the code page") << "ko_KR"
                                           << "" << late << record("12.08.2026", "17:31:51");
}

void tst_StartupLog::recordOfAStart()
{
    QFETCH(QString, locale);
    QFETCH(QString, format);
    QFETCH(QTime, time);
    QFETCH(QByteArray, bytes);
    LocaleScope scope(qPrintable(locale));
    const StartupRecord r = StartupRecord::at(QDateTime(QDate(2026, 12, 8), time), format);
    QCOMPARE(r.toBytes(), bytes);
    QCOMPARE(StartupRecord::fromBytes(bytes), StartupRecord::fromBytes(r.toBytes()));
    // Whatever the locale wrote, the list reads its time back.
    QCOMPARE(readStartTime(r.StartTime), std::optional<QTime>(time));
}

void tst_StartupLog::appendsAtTheEndOfWholeRecords_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("keptBytes");
    QByteArray nine;
    for (int k = 1; k <= 9; ++k)
        nine += record(QByteArray("12/0") + QByteArray::number(k) + "/2026", "9:00:00 AM");
    QTest::newRow("first start") << QByteArray() << 0;
    QTest::newRow("tenth start") << nine << 198;
    // A start killed mid-write leaves a tail; the next record takes its place.
    QTest::newRow("tail of 1") << nine + "1" << 198;
    QTest::newRow("tail of 11") << nine + "12/08/2026 " << 198;
    QTest::newRow("tail of 21") << nine + record("12/08/2026", "9:00:00 AM").left(21) << 198;
}

void tst_StartupLog::appendsAtTheEndOfWholeRecords()
{
    QFETCH(QByteArray, before);
    QFETCH(int, keptBytes);
    if (!before.isEmpty())
        writeAll(logPath(), before);
    appendStartup(logPath(), {QStringLiteral("12/08/2026"), QStringLiteral("9:00:00 AM")});
    const QByteArray after = readAll(logPath());
    QCOMPARE(after.size(), keptBytes + 22);
    QCOMPARE(after.left(keptBytes), before.left(keptBytes));
    QCOMPARE(after.mid(keptBytes), record("12/08/2026", "9:00:00 AM"));
    if (before.isEmpty()) // a new log is the user's alone
        QCOMPARE(QFileInfo(logPath()).permissions() & QFile::ReadOther, QFile::Permissions());
}

void tst_StartupLog::lines_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("shortDate");
    QTest::addColumn<QString>("line");
    QTest::newRow("en_US") << "en_US" << record("12/08/2026", "9:00:00 AM") << false
                           << " 12/08/2026    09:00 am    Tuesday\t7";
    QTest::newRow("afternoon") << "en_US" << record("12/07/2026", "5:31:51 PM") << false
                               << " 12/07/2026    05:31 pm    Monday\t7";
    QTest::newRow("24-hour") << "en_US" << record("12/07/2026", "17:31:51") << false
                             << " 12/07/2026    05:31 pm    Monday\t7";
    QTest::newRow("after midnight") << "en_US" << record("12/07/2026", "12:05:00 am") << false
                                    << " 12/07/2026    12:05 am    Monday\t7";
    QTest::newRow("no seconds") << "en_US" << record("12/07/2026", "7:05 p") << false
                                << " 12/07/2026    07:05 pm    Monday\t7";
    QTest::newRow("de_DE reads day first") << "de_DE" << record("08.12.2026", "09:00:00") << false
                                           << " 08.12.2026    09:00 am    Dienstag\t7";
    QTest::newRow("short date after pruning") << "en_US" << record("12/08/2026", "9:00:00 AM")
                                              << true << " 12/08/26    09:00 am    Tuesday\t7";
    QTest::newRow("short date, de_DE") << "de_DE" << record("08.12.2026", "09:00:00") << true
                                       << " 12.08.26    09:00 am    Dienstag\t7";
    QTest::newRow("unreadable date") << "en_US" << record("13/45/2026", "9:00:00 AM") << true
                                     << " 13/45/2026    09:00 am    \t7";
    QTest::newRow("unreadable time")
        << "en_US" << record("12/08/2026", " noon") << false << " 12/08/2026    noon    Tuesday\t7";
    QTest::newRow("hour past 12 with PM") << "en_US" << record("12/08/2026", "13:00:00 PM") << false
                                          << " 12/08/2026    13:00:00 PM    Tuesday\t7";
}

void tst_StartupLog::lines()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, stored);
    QFETCH(bool, shortDate);
    QFETCH(QString, line);
    LocaleScope scope(qPrintable(locale));
    QCOMPARE(startupLine(StartupRecord::fromBytes(stored), 7, shortDate), line);
}

void tst_StartupLog::listsNewestFirstAndSkipsATornTail()
{
    writeAll(logPath(), record("12/06/2026", "8:00:00 AM") + record("12/07/2026", "17:31:51") +
                            record("12/08/2026", "9:00:00 AM") + "12/09/2026");
    StartupLog log(logPath());
    log.open();
    QCOMPARE(log.count(), 3);
    QCOMPARE(log.lines(), (QStringList{u" 12/08/2026    09:00 am    Tuesday\t3"_qs,
                                       u" 12/07/2026    05:31 pm    Monday\t2"_qs,
                                       u" 12/06/2026    08:00 am    Sunday\t1"_qs}));
}

void tst_StartupLog::hostileLogsListWholeRecords_data()
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

void tst_StartupLog::hostileLogsListWholeRecords()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, count);
    writeAll(logPath(), bytes);
    {
        StartupLog log(logPath());
        log.open();
        const QStringList lines = log.lines();
        QCOMPARE(lines.size(), count);
        QVERIFY(lines.first().endsWith(u'\t' + QString::number(count)));
    }
    // The next start leaves a whole file.
    appendStartup(logPath(), {QStringLiteral("12/08/2026"), QStringLiteral("9:00:00 AM")});
    QCOMPARE(QFileInfo(logPath()).size(), 22 * (count + 1));
}

void tst_StartupLog::pruneKeepsTheNewestRecord_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("staleTemporary");
    QTest::addColumn<QByteArray>("after");
    QByteArray five;
    for (int k = 1; k <= 5; ++k)
        five += record(QByteArray("12/0") + QByteArray::number(k) + "/2026", "9:00:00 AM");
    QTest::newRow("five") << five << false << record("12/05/2026", "9:00:00 AM");
    QTest::newRow("stale temporary") << five << true << record("12/05/2026", "9:00:00 AM");
    QTest::newRow("torn tail") << five + "12/06" << false << record("12/05/2026", "9:00:00 AM");
    QTest::newRow("one") << five.left(22) << false << five.left(22);
    QTest::newRow("empty") << QByteArray() << false << QByteArray();
    QTest::newRow("tail only") << QByteArray("12/06/2026") << false << QByteArray();
}

void tst_StartupLog::pruneKeepsTheNewestRecord()
{
    QFETCH(QByteArray, before);
    QFETCH(bool, staleTemporary);
    QFETCH(QByteArray, after);
    writeAll(logPath(), before);
    const QString temporary = dir->filePath(QStringLiteral("startup.tmp"));
    if (staleTemporary)
        writeAll(temporary, QByteArray(500, 'z'));
    StartupLog log(logPath());
    log.open();
    log.pruneToNewest();
    QCOMPARE(readAll(logPath()), after);
    QVERIFY(!QFile::exists(temporary));
    // Held open again, on the new file.
    QVERIFY(log.isOpen());
    QCOMPARE(log.count(), after.size() / 22);
    appendStartup(logPath(), {});
    QCOMPARE(log.count(), after.size() / 22 + 1);
}

void tst_StartupLog::pruneFailureChangesNothing()
{
    const QByteArray before = record("12/01/2026", "9:00:00 AM") + record("12/02/2026", "17:00:00");
    writeAll(logPath(), before);
    QVERIFY(QDir(dir->path()).mkpath(QStringLiteral("startup.tmp/inside")));
    StartupLog log(logPath());
    log.open();
    QVERIFY_THROWS_EXCEPTION(IoError, log.pruneToNewest());
    QCOMPARE(readAll(logPath()), before);
    QVERIFY(log.isOpen());
    QCOMPARE(log.count(), 2);
}

QTEST_GUILESS_MAIN(tst_StartupLog)
#include "tst_startuplog.moc"
