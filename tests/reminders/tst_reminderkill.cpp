#include "recordbytes.h"
#include "support/killstep.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// A suite killed at any step of a compaction or a save leaves "reminder.dat" whole: a
// multiple of 70 bytes, made only of records that were written whole.
class tst_ReminderKill : public QObject
{
    Q_OBJECT

private slots:
    void killedAtEachStep_data();
    void killedAtEachStep();
    void killedAtRandomMoments();

private:
    // Runs the churning helper with seed `run` until it is killed: at `step` when one is
    // named, else after a few operations and a moment into the next. Then checks the file.
    void churnAndKill(int run, const QString &step);
};

void tst_ReminderKill::churnAndKill(int run, const QString &step)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reminder.dat"));
    {
        QByteArray bytes;
        for (int i = 0; i < 2000; ++i)
            bytes += rec("rec " + QByteArray::number(i), 'X', 'W', "12/08/2026");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("NOOKERY_KILL_AT"), step);
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/reminderchurn"),
            {dir.path(), QString::number(run)});
    QVERIFY(p.waitForStarted());
    if (step.isEmpty()) {
        // Let it finish a few operations, then kill it in the middle of the next ones.
        const int finished = int(QRandomGenerator::global()->bounded(4));
        qint64 seen = 0;
        while (seen < finished && p.state() == QProcess::Running && p.waitForReadyRead(30000))
            seen += p.readAllStandardOutput().size();
        QTest::qSleep(int(QRandomGenerator::global()->bounded(3)));
        ::kill(pid_t(p.processId()), SIGKILL);
    }
    QVERIFY(p.waitForFinished(30000));
    QVERIFY2(p.exitStatus() == QProcess::CrashExit,
             qPrintable(QStringLiteral("run %1 ended by itself, code %2: %3")
                            .arg(run)
                            .arg(p.exitCode())
                            .arg(QString::fromLocal8Bit(p.readAllStandardError()))));

    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY2(bytes.size() % 70 == 0, qPrintable(QString::number(bytes.size())));
    QVERIFY(bytes.size() > 0);
    const QRegularExpression known(QStringLiteral("^(rec|edited|new) \\d+ *$"));
    for (qsizetype at = 0; at < bytes.size(); at += 70) {
        const QByteArray record = bytes.mid(at, 70);
        QVERIFY2(known.match(QString::fromLatin1(record.left(55))).hasMatch(), record.constData());
        QCOMPARE(record.mid(58, 12), QByteArray("XW12/08/2026"));
    }
}

void tst_ReminderKill::killedAtEachStep_data()
{
    // In-place writes and compactions come in a random order: several occurrences of each
    // step land in both.
    QTest::addColumn<QString>("step");
    for (const char *step : {"written", "synced", "renamed", "folder"}) {
        for (int n : {1, 2, 5}) {
            const QString name = QStringLiteral("%1:%2").arg(QLatin1String(step)).arg(n);
            QTest::newRow(qPrintable(name)) << name;
        }
    }
}

void tst_ReminderKill::killedAtEachStep()
{
    QFETCH(QString, step);
    churnAndKill(7, step);
}

void tst_ReminderKill::killedAtRandomMoments()
{
    for (int run = nookery::test::killRounds(10); run > 0; --run) {
        churnAndKill(run, QString());
        if (QTest::currentTestFailed())
            return;
    }
}

QTEST_GUILESS_MAIN(tst_ReminderKill)
#include "tst_reminderkill.moc"
