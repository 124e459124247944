// Every write the suite means to keep reaches the disk in an order that survives a power cut:
// a record written in place is synced before the call returns, and a file replaced whole is
// written to a temporary, the temporary synced, renamed over the file, and the folder synced.
#include "common/recordfile.h"
#include "reminders/reminderfile.h"
#include "startup/startuplog.h"
#include "upgrade/olderdata.h"
#include "upgrade/rtfnotefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace nookery;

namespace {

QStringList calls;
FileCalls real{};

// What a descriptor is open on: a file's name, or "folder".
QString nameOf(int fd)
{
    const QFileInfo info(QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd)));
    return info.isDir() ? QStringLiteral("folder") : info.fileName();
}

QString baseName(const char *path)
{
    return QFileInfo(QFile::decodeName(path)).fileName();
}

void record()
{
    real = fileCalls();
    fileCalls().pwrite = [](int fd, const void *data, size_t size, off_t offset) {
        calls << u"write "_qs + nameOf(fd);
        return real.pwrite(fd, data, size, offset);
    };
    fileCalls().fsync = [](int fd) {
        calls << u"sync "_qs + nameOf(fd);
        return real.fsync(fd);
    };
    fileCalls().fdatasync = [](int fd) {
        calls << u"sync "_qs + nameOf(fd);
        return real.fdatasync(fd);
    };
    fileCalls().rename = [](const char *from, const char *to) {
        calls << u"rename "_qs + baseName(from) + u' ' + baseName(to);
        return real.rename(from, to);
    };
}

// The calls, each group on a line: "write F, sync F" for a record written in place,
// "write T, sync T, rename T F, sync folder" for a replacement.
QStringList groups(const QStringList &log)
{
    QStringList out;
    for (const QString &call : log) {
        if (call.startsWith(u"write ") && !out.isEmpty() && out.last() == call)
            continue; // one write cut short and continued
        if (out.isEmpty() || call.startsWith(u"write ") ||
            (out.last().endsWith(u"sync folder") && !call.startsWith(u"sync folder")))
            out << call;
        else
            out.last() += u", "_qs + call;
    }
    return out;
}

QByteArray olderRecord(const QByteArray &text, const QByteArray &date)
{
    return text.leftJustified(44, ' ') + "XY" + date.leftJustified(8, ' ');
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

} // namespace

// Records written in place and files replaced whole.
using Counts = std::pair<int, int>;

// Checks that every call of the run so far belongs to a record written in place and synced,
// or to a replacement, in the durable order, of a file whose name matches `targets`.
Counts check(const QString &targets)
{
    const QRegularExpression inPlace(u"^write (%1), sync \\1$"_qs.arg(targets));
    const QRegularExpression replaced(
        u"^(?:write (\\S+), )?sync (\\S+), rename \\2 (%1), sync folder$"_qs.arg(targets));
    Counts counts;
    for (const QString &group : groups(calls)) {
        if (inPlace.match(group).hasMatch()) {
            ++counts.first;
            continue;
        }
        const auto m = replaced.match(group);
        if (!m.hasMatch() || (m.hasCaptured(1) && m.captured(1) != m.captured(2))) {
            qWarning("not in the durable order: %s", qPrintable(group));
            return {-1, -1};
        }
        ++counts.second;
    }
    return counts;
}

class tst_DurableWrites : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { record(); }
    void init() { calls.clear(); }
    void remindersSyncEachRecordAndReplaceWhole();
    void startupLogPruneReplacesWhole();
    void upgradeReplacesEachFileWhole();
};

void tst_DurableWrites::remindersSyncEachRecordAndReplaceWhole()
{
    QTemporaryDir dir;
    ReminderFile file{QDir(dir.path())};
    file.Open(DatePatterns::fromSetting(QString()));
    file.Append(ReminderRecord::make(u"one"_qs, 'X', 'W', u"12/08/2026"_qs));
    file.Append(ReminderRecord::make(u"two"_qs, 'X', 'O', u"12/01/2020"_qs));
    file.Write(1, ReminderRecord::make(u"uno"_qs, 'X', 'W', u"12/08/2026"_qs));
    file.Remove(1);
    file.Append(ReminderRecord::make(u"three"_qs, 'X', 'O', u"12/01/2020"_qs));
    file.RemovePastOnce(QDate(2026, 12, 8), false);
    // A new file starts with its default record.
    QCOMPARE(check(u"reminder.dat"_qs), (Counts{5, 2}));
}

void tst_DurableWrites::startupLogPruneReplacesWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"startup.dat"_qs);
    writeFile(path, "12/01/2026 9:00:00 AM 12/02/2026 9:00:00 AM ");
    StartupLog log(path, false);
    log.open();
    log.pruneToNewest();
    QCOMPARE(check(u"startup.dat"_qs), (Counts{0, 1}));
}

void tst_DurableWrites::upgradeReplacesEachFileWhole()
{
    QTemporaryDir dir;
    writeFile(dir.filePath(u"reminder.dat"_qs), olderRecord("Christmas Day", "12/25/01"));
    RtfNoteFiles notes;
    OlderDataUpgrade(dir.path(), dir.path(), notes).run({u"first note"_qs});
    // The backup, the converted reminders and the note.
    QCOMPARE(check(u"reminder.bak|reminder.dat|Sticky1.rtf"_qs), (Counts{0, 3}));
}

QTEST_MAIN(tst_DurableWrites)
#include "tst_durablewrites.moc"
