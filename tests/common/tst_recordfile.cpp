#include "common/failure.h"
#include "common/recordfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/stat.h>

using namespace nookery;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

mode_t modeOf(const QString &path)
{
    struct stat st
    {
    };
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 0777;
}

} // namespace

class tst_RecordFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { dir = std::make_unique<QTemporaryDir>(); }
    void recordsReadAndWriteInPlace();
    void newFilesAreTheUsersOnly();
    void replacementKeepsModeOrLeavesTheOldFile();
    void killedReplacementLeavesOldOrNewWhole();

private:
    QString path(const char *name) const { return dir->filePath(QLatin1String(name)); }
    std::unique_ptr<QTemporaryDir> dir;
};

void tst_RecordFile::recordsReadAndWriteInPlace()
{
    writeFile(path("r.dat"), "aaaabbbbcccc");
    RecordFile file(4);
    file.open(path("r.dat"));
    QCOMPARE(file.wholeRecords(), 3);
    QCOMPARE(file.read(1), QByteArray("bbbb"));
    QCOMPARE(file.read(3), QByteArray()); // past the end: nothing, no error
    file.write(1, "xy");                  // padded with blanks
    file.write(2, "123456");              // cut to the record
    QCOMPARE(readAll(path("r.dat")), QByteArray("aaaaxy  1234"));
    file.close();

    // A torn last record (a write cut short) is overwritten, not left as a gap.
    writeFile(path("log.dat"), "aaaabb");
    file.open(path("log.dat"));
    QCOMPARE(file.byteLength(), 6);
    QCOMPARE(file.wholeRecords(), 1);
    QCOMPARE(file.read(1), QByteArray("bb"));
    file.append("cccc");
    file.appendUnsynced("dddd");
    QCOMPARE(readAll(path("log.dat")), QByteArray("aaaaccccdddd"));
}

void tst_RecordFile::newFilesAreTheUsersOnly()
{
    RecordFile file(4);
    file.open(path("new.dat"));
    QCOMPARE(modeOf(path("new.dat")), mode_t(0600));
    replaceFileAtomically(path("other.dat"), "x");
    QCOMPARE(modeOf(path("other.dat")), mode_t(0600));

    // A folder where the file should be is an error, not a file.
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("folder.dat")));
    QVERIFY_THROWS_EXCEPTION(IoError, file.open(path("folder.dat")));
    QVERIFY_THROWS_EXCEPTION(IoError, file.openReadOnly(path("none.dat")));
}

void tst_RecordFile::replacementKeepsModeOrLeavesTheOldFile()
{
    const QString target = path("reminder.dat");
    writeFile(target, "old");
    QVERIFY(::chmod(QFile::encodeName(target).constData(), 0640) == 0);
    replaceFileAtomically(target, "new content", QStringLiteral("reminder.tmp"));
    QCOMPARE(readAll(target), QByteArray("new content"));
    QCOMPARE(modeOf(target), mode_t(0640));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("reminder.dat")});

    // The temporary's name is taken by a folder that is not empty: nothing can be written.
    QVERIFY(QDir(dir->path()).mkpath(QStringLiteral("reminder.tmp/inner")));
    QVERIFY_THROWS_EXCEPTION(IoError,
                             replaceFileAtomically(target, "new", QStringLiteral("reminder.tmp")));
    QCOMPARE(readAll(target), QByteArray("new content"));
    QVERIFY_THROWS_EXCEPTION(IoError, replaceFileAtomically(path("no/such/x"), "new"));
}

void tst_RecordFile::killedReplacementLeavesOldOrNewWhole()
{
    const QString path = this->path("big.dat");
    const int sizeA = 1 << 20;
    const int sizeB = sizeA + 70;
    writeFile(path, QByteArray(sizeA, 'a'));
    auto *random = QRandomGenerator::global();
    int kills = 0;
    int landed = 0;
    while (kills < 120) {
        QProcess child;
        child.start(QStringLiteral(REPLACECHILD),
                    {path, QString::number(sizeA), QString::number(sizeB)});
        QVERIFY(child.waitForStarted());
        // Kill after a random number of finished replacements, at a random point of the next.
        const int wanted = int(random->bounded(3));
        int seen = 0;
        while (seen < wanted && child.waitForReadyRead(10000))
            seen += int(child.readAllStandardOutput().size());
        // Lets the child run on for a random while, up to a few replacements' worth.
        volatile quint32 spin = random->bounded(30'000'000u);
        while (spin > 0)
            spin = spin - 1;
        child.kill();
        child.waitForFinished();
        ++kills;
        const QByteArray now = readAll(path);
        const bool old = now == QByteArray(sizeA, 'a');
        const bool fresh = now == QByteArray(sizeB, 'b');
        QVERIFY2(
            old || fresh,
            qPrintable(QStringLiteral("torn after kill %1: %2 bytes").arg(kills).arg(now.size())));
        landed += fresh ? 1 : 0;
        // Start each round from the old content so both outcomes stay possible.
        writeFile(path, QByteArray(sizeA, 'a'));
    }
    qInfo("kills: %d, new content landed: %d", kills, landed);
}

QTEST_GUILESS_MAIN(tst_RecordFile)
#include "tst_recordfile.moc"
