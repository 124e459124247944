#include "notes/rtfreader.h"
#include "upgradefixture.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace nookery;
using namespace nookery::test;

namespace {

const QByteArray Old = olderRecord("Christmas Day", 'X', 'Y', "12/25/01") +
                       olderRecord("Rent", 'X', 'M', "1/1/99") +
                       olderRecord("Mum", 'A', 'Y', "3/14/52");
const QByteArray New = currentRecord("Christmas Day", 'X', 'Y', "12/25/2001") +
                       currentRecord("Rent", 'X', 'M', "01/01/1999") +
                       currentRecord("Mum", 'A', 'Y', "03/14/1952");

int runHelper(const QString &folder, int killAfter, QProcess::ExitStatus *status = nullptr)
{
    QProcess p;
    p.start(QStringLiteral(UPGRADESTEP), {folder, QString::number(killAfter)});
    p.waitForFinished(60000);
    if (status)
        *status = p.exitStatus();
    return p.readAllStandardOutput().trimmed().toInt();
}

QString noteText(const QString &path)
{
    QTextDocument doc;
    (void)readRtfFile(path, &doc);
    return doc.toPlainText();
}

} // namespace

class tst_UpgradeCrash : public QObject
{
    Q_OBJECT
private slots:
    void killedAfterEveryStep_data();
    void killedAfterEveryStep();
};

void tst_UpgradeCrash::killedAfterEveryStep_data()
{
    QTest::addColumn<QString>("sourceName");
    QTest::newRow("reminder.dat") << QStringLiteral("reminder.dat");
    QTest::newRow("Reminder.dat") << QStringLiteral("Reminder.dat");
}

// Whatever step the process dies after, every file is whole, and running again ends with
// the bytes of an update that was never stopped.
void tst_UpgradeCrash::killedAfterEveryStep()
{
    QFETCH(QString, sourceName);
    QTemporaryDir clean;
    writeFile(clean.filePath(sourceName), Old);
    const int steps = runHelper(clean.path(), 0);
    QVERIFY(steps >= 4);
    const auto expected = snapshot(clean.path());
    QCOMPARE(expected.value(QStringLiteral("reminder.dat")), New);

    for (int k = 1; k <= steps; ++k) {
        QTemporaryDir dir;
        writeFile(dir.filePath(sourceName), Old);
        QProcess::ExitStatus status;
        runHelper(dir.path(), k, &status);
        QCOMPARE(status, QProcess::CrashExit);

        const auto files = snapshot(dir.path());
        const QByteArray dat = files.value(QStringLiteral("reminder.dat"));
        const QByteArray source = files.value(sourceName);
        QVERIFY2(dat == New || (sourceName == u"reminder.dat" ? dat == Old : dat.isEmpty()),
                 qPrintable(QString::number(k)));
        QVERIFY(!files.contains(sourceName) || source == Old || source == New);
        QVERIFY(!files.contains(QStringLiteral("reminder.bak")) ||
                files.value(QStringLiteral("reminder.bak")) == Old);
        for (const auto &[name, text] :
             {std::pair{QStringLiteral("Sticky1.rtf"), QStringLiteral("first note")},
              std::pair{QStringLiteral("Sticky3.rtf"), QStringLiteral("third\nnote")}}) {
            if (files.contains(name))
                QCOMPARE(noteText(dir.filePath(name)), text);
        }

        runHelper(dir.path(), 0, &status);
        QCOMPARE(status, QProcess::NormalExit);
        QVERIFY2(snapshot(dir.path()) == expected, qPrintable(QString::number(k)));
    }
}

QTEST_MAIN(tst_UpgradeCrash)
#include "tst_upgradecrash.moc"
