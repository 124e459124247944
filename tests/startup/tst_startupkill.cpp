#include "support/killstep.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <thread>

// A start-up log killed while it is pruned is, byte for byte, the old log or the new one.
class tst_StartupKill : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void killedAtEachStep_data();
    void killedAtEachStep();
    void killedAtRandomMoments();

private:
    enum class Outcome { Old, New, Neither };
    void writeOld();
    Outcome outcome() const;
    // Starts the pruner and lets it go; returns once it is running its prune.
    bool startPruning(QProcess &pruner, const QString &step = {});

    QTemporaryDir dir;
    QString logPath;
    QByteArray oldLog;
    QByteArray newLog;
};

void tst_StartupKill::initTestCase()
{
    QVERIFY(dir.isValid());
    logPath = dir.filePath(QStringLiteral("startup.dat"));
    for (int k = 0; k < 100000; ++k)
        oldLog += QByteArray::number(k).rightJustified(10, '0') + "9:00:00 AM  ";
    newLog = oldLog.right(22);
}

void tst_StartupKill::writeOld()
{
    QFile f(logPath);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(oldLog), oldLog.size());
}

tst_StartupKill::Outcome tst_StartupKill::outcome() const
{
    QFile f(logPath);
    if (!f.open(QIODevice::ReadOnly))
        return Outcome::Neither;
    const QByteArray bytes = f.readAll();
    return bytes == oldLog ? Outcome::Old : bytes == newLog ? Outcome::New : Outcome::Neither;
}

bool tst_StartupKill::startPruning(QProcess &pruner, const QString &step)
{
    // The prune's own steps are the helper's argument; those of the file's replacement, the
    // environment's.
    static const QStringList fileSteps{u"written"_qs, u"synced"_qs, u"renamed"_qs, u"folder"_qs};
    QStringList args{logPath};
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (fileSteps.contains(step))
        env.insert(QStringLiteral("NOOKERY_KILL_AT"), step);
    else if (!step.isEmpty())
        args << step;
    pruner.setProcessEnvironment(env);
    pruner.start(QStringLiteral(PRUNER), args);
    if (!pruner.waitForStarted() || !pruner.waitForReadyRead() || pruner.readLine() != "ready\n")
        return false;
    pruner.write("go\n");
    return pruner.waitForBytesWritten();
}

void tst_StartupKill::killedAtEachStep_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("read") << "read" << false;
    QTest::newRow("closed") << "closed" << false;
    QTest::newRow("written") << "written" << false;
    QTest::newRow("synced") << "synced" << false;
    QTest::newRow("renamed") << "renamed" << true;
    QTest::newRow("before the folder is synced") << "folder" << true;
    QTest::newRow("replaced") << "replaced" << true;
    QTest::newRow("reopened") << "reopened" << true;
}

void tst_StartupKill::killedAtEachStep()
{
    QFETCH(QString, step);
    QFETCH(bool, replaced);
    writeOld();
    QProcess pruner;
    QVERIFY(startPruning(pruner, step));
    QVERIFY(pruner.waitForFinished());
    QCOMPARE(pruner.exitStatus(), QProcess::CrashExit);
    QCOMPARE(outcome(), replaced ? Outcome::New : Outcome::Old);
}

void tst_StartupKill::killedAtRandomMoments()
{
    // How long a whole prune takes here, to aim the kills inside it.
    qint64 longest = 1;
    for (int i = 0; i < 3; ++i) {
        writeOld();
        QProcess pruner;
        QVERIFY(startPruning(pruner));
        QVERIFY(pruner.waitForFinished());
        const QByteArray done = pruner.readAll().trimmed();
        QVERIFY2(done.startsWith("done "), done.constData());
        longest = std::max(longest, done.mid(5).toLongLong());
        QCOMPARE(outcome(), Outcome::New);
    }
    int olds = 0;
    int news = 0;
    for (int i = nookery::test::killRounds(20); i > 0; --i) {
        writeOld();
        QProcess pruner;
        QVERIFY(startPruning(pruner));
        const qint64 wait = QRandomGenerator::global()->bounded(longest * 5 / 4 + 1);
        std::this_thread::sleep_for(std::chrono::microseconds(wait));
        ::kill(pid_t(pruner.processId()), SIGKILL);
        QVERIFY(pruner.waitForFinished());
        const Outcome o = outcome();
        QVERIFY2(o != Outcome::Neither, qPrintable(QStringLiteral("killed after %1 us").arg(wait)));
        (o == Outcome::Old ? olds : news) += 1;
    }
    qDebug("old %d, new %d (a prune takes up to %lld us)", olds, news, longest);
}

QTEST_GUILESS_MAIN(tst_StartupKill)
#include "tst_startupkill.moc"
