#include "common/failure.h"
#include "recordbytes.h"
#include "remindercore.h"
#include "reminders/reminderfile.h"
#include "reminders/reminderviews.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace nookery;

namespace {

const DatePatterns MonthFirst = DatePatterns::fromSetting(QString());
const DatePatterns DayFirst = DatePatterns::fromSetting(u"dd/mm"_qs);

// The names the process holds open, as /proc shows them.
QStringList openFiles()
{
    QStringList out;
    const QDir fds(u"/proc/self/fd"_qs);
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

QString tst_ReminderCore::path() const
{
    return dir->filePath(u"reminder.dat"_qs);
}

QByteArray tst_ReminderCore::contents() const
{
    QFile f(path());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void tst_ReminderCore::put(const QByteArray &bytes)
{
    QFile f(path());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

void tst_ReminderCore::init()
{
    dir = std::make_unique<QTemporaryDir>();
    file = std::make_unique<ReminderFile>(QDir(dir->path()));
}

void tst_ReminderCore::cleanup()
{
    file.reset();
    dir.reset();
}

void tst_ReminderCore::defaultRecord_data()
{
    QTest::addColumn<bool>("dayFirst");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("month first") << false << rec("Christmas Day", 'X', 'Y', "12/25/2001");
    QTest::newRow("day first") << true << rec("Christmas Day", 'X', 'Y', "25/12/2001");
}

void tst_ReminderCore::defaultRecord()
{
    QFETCH(bool, dayFirst);
    QFETCH(QByteArray, bytes);
    file->Open(dayFirst ? DayFirst : MonthFirst);
    QCOMPARE(file->Count(), 1);
    QCOMPARE(file->current(), 1);
    QCOMPARE(contents(), bytes);
    QCOMPARE(QFile::permissions(path()) & 0x0077, QFileDevice::Permissions());
}

void tst_ReminderCore::datesAcrossLocales_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("reader");
    QTest::addColumn<bool>("dayFirst");
    // "older C build" stands for files written with blanks before C wrote slashes.
    const QStringList writers{u"en_US"_qs, u"de_DE"_qs, u"C.UTF-8"_qs, u"POSIX"_qs,
                              u"older C build"_qs};
    const QStringList readers{u"en_US"_qs, u"de_DE"_qs, u"C.UTF-8"_qs, u"POSIX"_qs};
    for (const bool dayFirst : {false, true}) {
        for (const QString &w : writers) {
            for (const QString &r : readers)
                QTest::addRow("%s, %s to %s", dayFirst ? "dd/mm" : "mm/dd", qPrintable(w),
                              qPrintable(r))
                    << w << r << dayFirst;
        }
    }
}

void tst_ReminderCore::datesAcrossLocales()
{
    QFETCH(QString, writer);
    QFETCH(QString, reader);
    QFETCH(bool, dayFirst);
    const DatePatterns &patterns = dayFirst ? DayFirst : MonthFirst;
    const QDate july4(2026, 7, 4); // read the wrong way round, 7 April
    const bool older = writer == u"older C build";
    QLocale::setDefault(QLocale(older ? u"C"_qs : writer));
    file->Open(patterns);
    QString text = formatDatePattern(july4, patterns.longDate);
    if (older)
        text.replace(u'/', u' ');
    file->Append(ReminderRecord::make(u"Parade"_qs, 'X', 'O', text));
    file->Close();

    QLocale::setDefault(QLocale(reader));
    file->Open(patterns);
    const QList<ReminderRecord> records = file->ReadAll();
    const QList<ReminderLine> due = upcomingLines(records, QDate(2026, 7, 1), 6, dayFirst);
    const std::optional<QDate> date = readReminderDate(records.at(1).Date, dayFirst);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (!older)
        QVERIFY2(QRegularExpression(u"^\\d\\d[/.]\\d\\d[/.]2026$"_qs).match(text).hasMatch(),
                 qPrintable(text));
    QCOMPARE(date, std::optional<QDate>(july4));
    QCOMPARE(due, (QList<ReminderLine>{{2, july4}}));
}

void tst_ReminderCore::counts_data()
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

void tst_ReminderCore::counts()
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

void tst_ReminderCore::readOnlyWritesNothing_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<int>("access");
    QTest::newRow("torn last record") << u"torn"_qs << int(ReminderFile::Access::Damaged);
    QTest::newRow("held by another copy") << u"held"_qs << int(ReminderFile::Access::InUse);
    QTest::newRow("not writable") << u"read-only"_qs << int(ReminderFile::Access::NotWritable);
}

void tst_ReminderCore::readOnlyWritesNothing()
{
    QFETCH(QString, cause);
    QFETCH(int, access);
    QByteArray bytes = rec("one", 'X', 'O', "01/01/2020") + rec("two", 'X', 'O', "01/01/2026");
    if (cause == u"torn")
        bytes.chop(30);
    put(bytes);
    ReminderFile other{QDir(dir->path())};
    if (cause == u"held")
        other.Open(MonthFirst);
    if (cause == u"read-only") {
        if (::geteuid() == 0)
            QSKIP("root writes to read-only files");
        QFile::setPermissions(path(), QFileDevice::ReadOwner);
    }
    file->Open(MonthFirst);
    QCOMPARE(int(file->access()), access);
    QCOMPARE(file->Count(), 2);
    QCOMPARE(file->Read(2).trimmedText(), u"two"_qs);
    QVERIFY_THROWS_EXCEPTION(IoError, file->Write(1, file->Read(1)));
    QVERIFY_THROWS_EXCEPTION(IoError, file->Append(file->Read(1)));
    QVERIFY_THROWS_EXCEPTION(IoError, file->Remove(1));
    QVERIFY_THROWS_EXCEPTION(IoError, file->RemovePastOnce(QDate(2030, 1, 1), false));
    QCOMPARE(contents(), bytes);
    QVERIFY(!QFile::exists(dir->filePath(u"reminder.tmp"_qs)));
}

void tst_ReminderCore::writeChangesOnlyItsRecord()
{
    const QByteArray one = rec("one", 'X', 'O', "01/01/2026", "RSV");
    const QByteArray two = rec("two", 'A', 'W', "01/02/2026", "\x01\x02\x03");
    put(one + two + one);
    file->Open(MonthFirst);
    ReminderRecord r = file->Read(2);
    r.Text = u"changed"_qs;
    r.Frequency = 'M';
    file->Write(2, r);
    QCOMPARE(contents(), one + rec("changed", 'A', 'M', "01/02/2026", "\x01\x02\x03") + one);
    QVERIFY_THROWS_EXCEPTION(IoError, file->Write(5, r));
    QCOMPARE(file->Count(), 3);
}

void tst_ReminderCore::appendAndReadPastTheEnd()
{
    put(rec("one", 'X', 'O', "01/01/2026"));
    file->Open(MonthFirst);
    file->Append(ReminderRecord::make(QString(), 'X', 'O', u"12/08/2026"_qs));
    QCOMPARE(file->Count(), 2);
    QCOMPARE(file->current(), 2);
    QCOMPARE(contents(), rec("one", 'X', 'O', "01/01/2026") + rec("", 'X', 'O', "12/08/2026"));
    QCOMPARE(file->Read(3).trimmedText(), QString());
    QCOMPARE(file->Read(0).trimmedText(), QString());
}

void tst_ReminderCore::remove_data()
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

void tst_ReminderCore::remove()
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
    QVERIFY(!QFile::exists(dir->filePath(u"reminder.tmp"_qs)));
    QCOMPARE(int(QFile::permissions(path()) & 0x0777), 0x0640 & 0x0777);
    // Writes after the compaction reach the new file.
    file->Append(ReminderRecord::make(u"new"_qs, 'X', 'W', u"01/01/2026"_qs));
    QCOMPARE(contents(), left + rec("new", 'X', 'W', "01/01/2026"));
}

void tst_ReminderCore::removePastOnce()
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
    QCOMPARE(file->Read(4).trimmedText(), u"broken"_qs);
}

void tst_ReminderCore::theLock()
{
    file->Open(MonthFirst);
    ReminderFile second{QDir(dir->path())};
    second.Open(MonthFirst);
    QVERIFY(!second.isWritable());
    second.Close();
    // Closing releases the lock at once.
    file->Close();
    second.Open(MonthFirst);
    QVERIFY(second.isWritable());

    // A copy that finds the lock taken and no file creates nothing.
    second.Close();
    QFile::remove(path());
    QLockFile other(dir->filePath(u"reminder.lck"_qs));
    QVERIFY(other.tryLock(0));
    file->Open(MonthFirst);
    QCOMPARE(file->access(), ReminderFile::Access::InUse);
    QCOMPARE(file->Count(), 0);
    QVERIFY(!QFile::exists(path()));

    // An empty lock, left by a copy killed before it wrote its process id, is taken over.
    file->Close();
    other.unlock();
    QFile lock(dir->filePath(u"reminder.lck"_qs));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.close();
    file->Open(MonthFirst);
    QVERIFY(file->isWritable());
}

void tst_ReminderCore::replacedBehindOurBack()
{
    put(rec("one", 'X', 'O', "01/01/2026") + rec("two", 'X', 'O', "01/01/2026"));
    file->Open(MonthFirst);
    const QString other = dir->filePath(u"other"_qs);
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
    QCOMPARE(file->Read(1).trimmedText(), u"theirs"_qs);
    file->Write(1, file->Read(1));
}

void tst_ReminderCore::compactionFailureLeavesFileAlone()
{
    const QByteArray bytes =
        rec("one", 'X', 'O', "01/01/2020") + rec("two", 'X', 'O', "01/01/2026");
    put(bytes);
    QVERIFY(QDir(dir->path()).mkdir(u"reminder.tmp"_qs));
    file->Open(MonthFirst);
    QVERIFY_THROWS_EXCEPTION(IoError, file->Remove(1));
    QVERIFY_THROWS_EXCEPTION(IoError, file->RemovePastOnce(QDate(2026, 1, 1), false));
    QCOMPARE(contents(), bytes);
    QCOMPARE(file->Count(), 2);
}

void tst_ReminderCore::holdsTheFileWhileOpen()
{
    const QString canonical = QDir(dir->path()).canonicalPath() + u"/reminder.dat"_qs;
    put(rec("one", 'X', 'O', "01/01/2026") + rec("two", 'X', 'O', "01/01/2026"));
    const ino_t before = inodeOf(path());
    file->Open(MonthFirst);
    QCOMPARE(openFiles().count(canonical), 1);
    file->Remove(1);
    QVERIFY(inodeOf(path()) != before);
    QCOMPARE(openFiles().count(canonical), 1);
    QVERIFY(!openFiles().contains(canonical + u" (deleted)"_qs));
    file->Close();
    QCOMPARE(openFiles().count(canonical), 0);
    QVERIFY(!QFile::exists(dir->filePath(u"reminder.lck"_qs)));
}

void tst_ReminderCore::hostileFiles_data()
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

void tst_ReminderCore::hostileFiles()
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
