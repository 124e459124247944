#include "recordbytes.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// A suite killed at any moment while it compacts or saves leaves "reminder.dat" whole: a
// multiple of 70 bytes, made only of records that were written whole.
class tst_ReminderKill : public QObject
{
    Q_OBJECT

private slots:
    void killedAtRandomMoments();
};

void tst_ReminderKill::killedAtRandomMoments()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reminder.dat"));
    {
        QByteArray bytes;
        for (int i = 0; i < 10000; ++i)
            bytes += rec("rec " + QByteArray::number(i), 'X', 'W', "12/08/2026");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    const QRegularExpression known(QStringLiteral("^(rec|edited|new) \\d+ *$"));
    QRandomGenerator random(7);
    const QString churn = QCoreApplication::applicationDirPath() + QStringLiteral("/reminderchurn");
    for (int run = 0; run < 200; ++run) {
        QProcess p;
        p.start(churn, {dir.path(), QString::number(run)});
        QVERIFY(p.waitForStarted());
        // Let it finish a few operations, then kill it in the middle of the next ones.
        const int finished = int(random.bounded(4));
        qint64 seen = 0;
        while (seen < finished && p.state() == QProcess::Running) {
            if (p.waitForReadyRead(30000))
                seen += p.readAllStandardOutput().size();
            else
                break;
        }
        QVERIFY2(p.state() == QProcess::Running,
                 qPrintable(QStringLiteral("run %1 ended by itself, code %2: %3")
                                .arg(run)
                                .arg(p.exitCode())
                                .arg(QString::fromLocal8Bit(p.readAllStandardError()))));
        ::kill(pid_t(p.processId()), SIGKILL);
        QVERIFY(p.waitForFinished(30000));
        QVERIFY2(p.exitStatus() == QProcess::CrashExit, p.readAllStandardError().constData());

        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY2(bytes.size() % 70 == 0, qPrintable(QString::number(bytes.size())));
        QVERIFY(bytes.size() > 0);
        for (qsizetype at = 0; at < bytes.size(); at += 70) {
            const QByteArray record = bytes.mid(at, 70);
            QVERIFY2(known.match(QString::fromLatin1(record.left(55))).hasMatch(),
                     record.constData());
            QCOMPARE(record.mid(58, 12), QByteArray("XW12/08/2026"));
        }
    }
}

QTEST_GUILESS_MAIN(tst_ReminderKill)
#include "tst_reminderkill.moc"
