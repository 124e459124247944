#include "common/failure.h"
#include "recordbytes.h"
#include "reminders/reminderfile.h"
#include "reminders/reminderviews.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace nookery;

namespace {

const DatePatterns MonthFirst = DatePatterns::fromSetting(QString());
const DatePatterns DayFirst = DatePatterns::fromSetting(QStringLiteral("dd/mm"));

// The names the process holds open, as /proc shows them.
QStringList openFiles()
{
    QStringList out;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString &fd : fds.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System))
        out << QFile::symLinkTarget(fds.filePath(fd));
    return out;
}

ino_t inodeOf(const QString &path)
{
    struct stat st = {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

} // namespace

class tst_ReminderFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultRecord_data();
    void defaultRecord();
    void counts_data();
    void counts();
    void damagedIsNeverWritten();
    void writeChangesOnlyItsRecord();
    void appendAndReadPastTheEnd();
    void remove_data();
    void remove();
    void removePastOnce();
    void secondCopyOpensReadOnly();
    void lockLeftByACrash();
    void notWritableOpensReadOnly();
    void replacedBehindOurBack();
    void compactionFailureLeavesFileAlone();
    void holdsTheFileWhileOpen();
    void hostileFiles_data();
    void hostileFiles();

private:
    QString path() const { return dir->filePath(QStringLiteral("reminder.dat")); }
    QByteArray contents() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void put(const QByteArray &bytes)
    {
        QFile f(path());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ReminderFile> file;
};

void tst_ReminderFile::init()
{
    dir = std::make_unique<QTemporaryDir>();
    file = std::make_unique<ReminderFile>(QDir(dir->path()));
}

void tst_ReminderFile::cleanup()
{
    file.reset();
    dir.reset();
}

void tst_ReminderFile::defaultRecord_data()
{
    QTest::addColumn<bool>("dayFirst");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("month first") << false << rec("Christmas Day", 'X', 'Y', "12/25/2001");
    QTest::newRow("day first") << true << rec("Christmas Day", 'X', 'Y', "25/12/2001");
}

void tst_ReminderFile::defaultRecord()
{
    QFETCH(bool, dayFirst);
    QFETCH(QByteArray, bytes);
    file->Open(dayFirst ? DayFirst : MonthFirst);
    QCOMPARE(file->Count(), 1);
    QCOMPARE(file->current(), 1);
    QCOMPARE(contents(), bytes);
    QCOMPARE(QFile::permissions(path()) & 0x0077, QFileDevice::Permissions());
}

void tst_ReminderFile::counts_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("writable");
    QTest::newRow("140 bytes") << 140 << 2 << true;
    QTest::newRow("105 rounds to even 2") << 105 << 2 << false;
    QTest::newRow("175 rounds to even 2") << 175 << 2 << false;
    QTest::newRow("34 is none") << 34 << 0 << false;
    QTest::newRow("36 is one") << 36 << 1 << false;
    QTest::newRow("older layout, 3 records") << 162 << 2 << false;
}

void tst_ReminderFile::counts()
{
    QFETCH(int, length);
    QFETCH(int, count);
    QFETCH(bool, writable);
    const QByteArray bytes =
        QByteArray(rec("a", 'X', 'O', "01/01/2026") + rec("b", 'X', 'W', "01/01/2026") +
                   rec("c", 'X', 'M', "01/01/2026"))
            .left(length);
    put(bytes);
    file->Open(MonthFirst);
    QCOMPARE(file->Count(), count);
    QCOMPARE(file->isWritable(), writable);
    QCOMPARE(file->ReadAll().size(), count);
    QCOMPARE(contents(), bytes);
}

void tst_ReminderFile::damagedIsNeverWritten()
{
    const QByteArray bytes =
        rec("one", 'X', 'O', "01/01/2026") + QByteArray("two").leftJustified(40);
    put(bytes);
    file->Open(MonthFirst);
    QCOMPARE(file->access(), ReminderFile::Access::Damaged);
    QCOMPARE(file->Read(2).trimmedText(), QStringLiteral("two"));
    QVERIFY_THROWS_EXCEPTION(IoError, file->Write(1, file->Read(1)));
    QVERIFY_THROWS_EXCEPTION(IoError, file->Append(file->Read(1)));
    QVERIFY_THROWS_EXCEPTION(IoError, file->Remove(1));
    QVERIFY_THROWS_EXCEPTION(IoError, file->RemovePastOnce(QDate(2030, 1, 1), false));
    QCOMPARE(contents(), bytes);
    QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("reminder.tmp"))));
}

void tst_ReminderFile::writeChangesOnlyItsRecord()
{
    const QByteArray one = rec("one", 'X', 'O', "01/01/2026", "RSV");
    const QByteArray two = rec("two", 'A', 'W', "01/02/2026", "\x01\x02\x03");
    put(one + two + one);
    file->Open(MonthFirst);
    ReminderRecord r = file->Read(2);
    r.Text = QStringLiteral("changed");
    r.Frequency = 'M';
    file->Write(2, r);
    QCOMPARE(contents(), one + rec("changed", 'A', 'M', "01/02/2026", "\x01\x02\x03") + one);
    QVERIFY_THROWS_EXCEPTION(IoError, file->Write(5, r));
    QCOMPARE(file->Count(), 3);
}

void tst_ReminderFile::appendAndReadPastTheEnd()
{
    put(rec("one", 'X', 'O', "01/01/2026"));
    file->Open(MonthFirst);
    file->Append(ReminderRecord::make(QString(), 'X', 'O', QStringLiteral("12/08/2026")));
    QCOMPARE(file->Count(), 2);
    QCOMPARE(file->current(), 2);
    QCOMPARE(contents(), rec("one", 'X', 'O', "01/01/2026") + rec("", 'X', 'O', "12/08/2026"));
    QCOMPARE(file->Read(3).trimmedText(), QString());
    QCOMPARE(file->Read(0).trimmedText(), QString());
}

void tst_ReminderFile::remove_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QByteArray>("left");
    QTest::addColumn<int>("currentAfter");
    const QByteArray r1 = rec("1", 'X', 'O', "01/01/2026", "ab1");
    const QByteArray r3 = rec("3", 'X', 'O', "01/01/2026", "ab3");
    const QByteArray r4 = rec("4", 'X', 'O', "01/01/2026", "ab4");
    QTest::newRow("2 of 4") << 4 << 2 << 2 << QByteArray(r1 + r3 + r4) << 2;
    QTest::newRow("last of 4, current follows") << 4 << 4 << 4 << QByteArray() << 3;
    QTest::newRow("the only one") << 1 << 1 << 1 << QByteArray() << 0;
}

void tst_ReminderFile::remove()
{
    QFETCH(int, records);
    QFETCH(int, current);
    QFETCH(int, removed);
    QFETCH(QByteArray, left);
    QFETCH(int, currentAfter);
    QByteArray bytes;
    for (int i = 1; i <= records; ++i)
        bytes += rec(QByteArray::number(i), 'X', 'O', "01/01/2026", "ab" + QByteArray::number(i));
    put(bytes);
    ::chmod(QFile::encodeName(path()).constData(), 0640);
    file->Open(MonthFirst);
    file->setCurrent(current);
    file->Remove(removed);
    if (left.isEmpty() && records > 1)
        left = bytes.left((records - 1) * 70);
    QCOMPARE(contents(), left);
    QCOMPARE(file->Count(), records - 1);
    QCOMPARE(file->current(), currentAfter);
    QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("reminder.tmp"))));
    QCOMPARE(int(QFile::permissions(path()) & 0x0777), 0x0640 & 0x0777);
    // Writes after the compaction reach the new file.
    file->Append(
        ReminderRecord::make(QStringLiteral("new"), 'X', 'W', QStringLiteral("01/01/2026")));
    QCOMPARE(contents(), left + rec("new", 'X', 'W', "01/01/2026"));
}

void tst_ReminderFile::removePastOnce()
{
    // Today is 10 March 2026.
    const QByteArray keptOnce = rec("today", 'X', 'O', "03/10/2026", "RRR");
    const QByteArray weekly = rec("weekly", 'X', 'W', "01/01/1990", "RRR");
    const QByteArray monthly = rec("monthly", 'A', 'M', "03/09/2026", "RRR");
    const QByteArray yearly = rec("yearly", 'X', 'Y', "03/09/2000", "RRR");
    const QByteArray broken = rec("broken", 'X', 'O', "99/99/2026", "RRR");
    const QByteArray future = rec("future", 'X', 'O', "10/03/2026", "RRR"); // 3 Oct
    put(rec("yesterday", 'X', 'O', "03/09/2026") + keptOnce + weekly +
        rec("old", 'X', 'O', "12/31/1999") + monthly + yearly + broken + future +
        rec("two-digit", 'X', 'O', "03/09/26"));
    file->Open(MonthFirst);
    file->RemovePastOnce(QDate(2026, 3, 10), false);
    QByteArray expected;
    for (QByteArray r : {keptOnce, weekly, monthly, yearly, broken, future})
        expected += r.replace(55, 3, QByteArray(3, '\0'));
    QCOMPARE(contents(), expected);
    QCOMPARE(file->Count(), 6);
    QCOMPARE(file->current(), 6);

    // Day first, "10/03/2026" is today: kept; nothing once is left to drop after that.
    file->RemovePastOnce(QDate(2026, 10, 4), true);
    QCOMPARE(file->Count(), 4);
    QCOMPARE(file->Read(4).trimmedText(), QStringLiteral("broken"));
}

void tst_ReminderFile::secondCopyOpensReadOnly()
{
    file->Open(MonthFirst);
    ReminderFile second{QDir(dir->path())};
    second.Open(MonthFirst);
    QCOMPARE(second.access(), ReminderFile::Access::InUse);
    QCOMPARE(second.Count(), 1);
    QVERIFY_THROWS_EXCEPTION(IoError, second.Append(second.Read(1)));
    second.Close();
    // Closing releases the lock at once.
    file->Close();
    second.Open(MonthFirst);
    QVERIFY(second.isWritable());

    // A copy that finds the lock taken and no file creates nothing.
    second.Close();
    QFile::remove(path());
    QLockFile other(dir->filePath(QStringLiteral("reminder.lck")));
    QVERIFY(other.tryLock(0));
    file->Open(MonthFirst);
    QCOMPARE(file->access(), ReminderFile::Access::InUse);
    QCOMPARE(file->Count(), 0);
    QVERIFY(!QFile::exists(path()));
}

void tst_ReminderFile::lockLeftByACrash()
{
    // Killed between creating the lock and writing its process id into it.
    QFile lock(dir->filePath(QStringLiteral("reminder.lck")));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.close();
    file->Open(MonthFirst);
    QVERIFY(file->isWritable());
}

void tst_ReminderFile::notWritableOpensReadOnly()
{
    if (::geteuid() == 0)
        QSKIP("root writes to read-only files");
    put(rec("one", 'X', 'O', "01/01/2026"));
    QFile::setPermissions(path(), QFileDevice::ReadOwner);
    file->Open(MonthFirst);
    QCOMPARE(file->access(), ReminderFile::Access::NotWritable);
    QCOMPARE(file->Count(), 1);
}

void tst_ReminderFile::replacedBehindOurBack()
{
    put(rec("one", 'X', 'O', "01/01/2026") + rec("two", 'X', 'O', "01/01/2026"));
    file->Open(MonthFirst);
    const QString other = dir->filePath(QStringLiteral("other"));
    QFile f(other);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(rec("theirs", 'X', 'W', "01/01/2026"));
    f.close();
    QVERIFY(::rename(QFile::encodeName(other).constData(), QFile::encodeName(path()).constData()) ==
            0);
    QVERIFY_THROWS_EXCEPTION(IoError, file->Write(2, file->Read(1)));
    // Nothing written anywhere; the file is read again as it now is.
    QCOMPARE(contents(), rec("theirs", 'X', 'W', "01/01/2026"));
    QCOMPARE(file->Count(), 1);
    QCOMPARE(file->Read(1).trimmedText(), QStringLiteral("theirs"));
    file->Write(1, file->Read(1));
}

void tst_ReminderFile::compactionFailureLeavesFileAlone()
{
    const QByteArray bytes =
        rec("one", 'X', 'O', "01/01/2020") + rec("two", 'X', 'O', "01/01/2026");
    put(bytes);
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("reminder.tmp")));
    file->Open(MonthFirst);
    QVERIFY_THROWS_EXCEPTION(IoError, file->Remove(1));
    QVERIFY_THROWS_EXCEPTION(IoError, file->RemovePastOnce(QDate(2026, 1, 1), false));
    QCOMPARE(contents(), bytes);
    QCOMPARE(file->Count(), 2);
}

void tst_ReminderFile::holdsTheFileWhileOpen()
{
    const QString canonical = QDir(dir->path()).canonicalPath() + QStringLiteral("/reminder.dat");
    put(rec("one", 'X', 'O', "01/01/2026") + rec("two", 'X', 'O', "01/01/2026"));
    const ino_t before = inodeOf(path());
    file->Open(MonthFirst);
    QCOMPARE(openFiles().count(canonical), 1);
    file->Remove(1);
    QVERIFY(inodeOf(path()) != before);
    QCOMPARE(openFiles().count(canonical), 1);
    QVERIFY(!openFiles().contains(canonical + QStringLiteral(" (deleted)")));
    file->Close();
    QCOMPARE(openFiles().count(canonical), 0);
    QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("reminder.lck"))));
}

void tst_ReminderFile::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray random(70 * 50, Qt::Uninitialized);
    QRandomGenerator gen(42);
    for (char &c : random)
        c = char(gen.bounded(256));
    QTest::newRow("NULs") << QByteArray(70 * 3, '\0');
    QTest::newRow("0xFF") << QByteArray(70 * 3, '\xff');
    QTest::newRow("random bytes") << random;
    QTest::newRow("random, odd length") << random.left(70 * 49 + 13);
    QTest::newRow("10 MB") << QByteArray(10 * 1024 * 1024, 'W');
}

void tst_ReminderFile::hostileFiles()
{
    QFETCH(QByteArray, bytes);
    put(bytes);
    file->Open(DayFirst);
    const QList<ReminderRecord> records = file->ReadAll();
    QCOMPARE(records.size(), ReminderFile::countFor(bytes.size()));
    const QList<ReminderLine> all = allLines(records, true);
    for (const ReminderLine &line : all)
        QVERIFY(!listLineText(line, records.at(line.record - 1), QDate(2026, 1, 1), DayFirst)
                     .isEmpty());
    upcomingLines(records, QDate(2026, 1, 1), 365, true);
    QCOMPARE(contents(), bytes);
}

QTEST_GUILESS_MAIN(tst_ReminderFile)
#include "tst_reminderfile.moc"
