#include "common/failure.h"
#include "common/recordfile.h"
#include "support/killstep.h"

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
    void killedReplacementLeavesOldOrNewWhole_data();
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

void tst_RecordFile::killedReplacementLeavesOldOrNewWhole_data()
{
    // The helper replaces the file with its old content, then with the new: the kill comes
    // in the second replacement.
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("fresh");
    QTest::newRow("written") << QStringLiteral("written:2") << false;
    QTest::newRow("synced") << QStringLiteral("synced:2") << false;
    QTest::newRow("renamed") << QStringLiteral("renamed:2") << true;
    QTest::newRow("before the folder is synced") << QStringLiteral("folder:2") << true;
    QTest::newRow("random moments") << QString() << false;
}

void tst_RecordFile::killedReplacementLeavesOldOrNewWhole()
{
    QFETCH(QString, step);
    QFETCH(bool, fresh);
    const QString path = this->path("big.dat");
    const QByteArray a(1 << 20, 'a');
    const QByteArray b(a.size() + 70, 'b');
    auto *random = QRandomGenerator::global();
    int landed = 0;
    for (int round = step.isEmpty() ? test::killRounds(10) : 1; round > 0; --round) {
        writeFile(path, a);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("NOOKERY_KILL_AT"), step);
        child.setProcessEnvironment(env);
        child.start(QStringLiteral(REPLACECHILD),
                    {path, QString::number(a.size()), QString::number(b.size())});
        QVERIFY(child.waitForStarted());
        if (step.isEmpty()) {
            // After a random number of finished replacements, at a random point of the next.
            for (int wanted = int(random->bounded(3)), seen = 0;
                 seen < wanted && child.waitForReadyRead(10000);)
                seen += int(child.readAllStandardOutput().size());
            QTest::qSleep(int(random->bounded(5)));
            child.kill();
        }
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        const QByteArray now = readAll(path);
        QVERIFY2(now == a || now == b,
                 qPrintable(QStringLiteral("torn: %1 bytes").arg(now.size())));
        if (!step.isEmpty())
            QCOMPARE(now == b, fresh);
        landed += now == b ? 1 : 0;
    }
    if (step.isEmpty())
        qInfo("new content landed %d times", landed);
}

QTEST_GUILESS_MAIN(tst_RecordFile)
#include "tst_recordfile.moc"
