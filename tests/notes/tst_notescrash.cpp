// A note being saved when the process is killed is either the old note or the new one, whole.

#include "notes/rtfreader.h"
#include "notes/rtfwriter.h"
#include "support/killstep.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using namespace nookery;

class TestNotesCrash : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void killedAtEachStep_data();
    void killedAtEachStep();
    void killedAtRandomMoments();

private:
    // A note of `chars` characters in the form the writer gives it, so that a save of it
    // writes these very bytes.
    static QByteArray note(const QString &word, qsizetype chars)
    {
        // In the notes window's own font, as its Save writes it.
        const QFont font(QStringLiteral("Times New Roman"), 12);
        QTextDocument doc;
        doc.setDefaultFont(font);
        QTextCursor cursor(&doc);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        for (int i = 0; doc.characterCount() < chars; ++i) {
            cursor.insertText(word + QString::number(i) + u' ', i % 3 ? QTextCharFormat() : bold);
            if (i % 12 == 11)
                cursor.insertBlock();
        }
        QTextDocument again;
        again.setDefaultFont(font);
        (void)readRtf(writeRtf(doc), &again);
        return writeRtf(again);
    }
    void writeA();
    QByteArray saved() const;
    // Starts the saver, killed at `step` of its first save when one is named.
    void startSaver(QProcess &saver, const QString &step = {});

    QTemporaryDir dir;
    QByteArray a; // the note as it is on disk before the first save
    QByteArray b; // the same with an "X" typed at its start: the first save's bytes
};

void TestNotesCrash::initTestCase()
{
    a = note(QStringLiteral("alpha"), 50 * 1000);
    // The other version, made as the saver makes it.
    QTextDocument edited;
    edited.setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
    QVERIFY(readRtf(a, &edited).ok());
    QTextCursor(&edited).insertText(QStringLiteral("X"));
    b = writeRtf(edited);
    QVERIFY(b != a);
}

void TestNotesCrash::writeA()
{
    QFile original(dir.filePath(QStringLiteral("a.rtf")));
    QVERIFY(original.open(QIODevice::WriteOnly) && original.write(a) == a.size());
    QVERIFY(QFile::remove(dir.filePath(QStringLiteral("Sticky1.rtf"))) ||
            !QFile::exists(dir.filePath(QStringLiteral("Sticky1.rtf"))));
    QVERIFY(QFile::copy(original.fileName(), dir.filePath(QStringLiteral("Sticky1.rtf"))));
}

QByteArray TestNotesCrash::saved() const
{
    QFile f(dir.filePath(QStringLiteral("Sticky1.rtf")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void TestNotesCrash::startSaver(QProcess &saver, const QString &step)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!step.isEmpty())
        env.insert(QStringLiteral("NOOKERY_KILL_AT"), step);
    saver.setProcessEnvironment(env);
    saver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    saver.start(QStringLiteral(NOTESAVER), {dir.path()});
    QVERIFY(saver.waitForStarted());
}

void TestNotesCrash::killedAtEachStep_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("edited");
    QTest::newRow("written") << QStringLiteral("written") << false;
    QTest::newRow("synced") << QStringLiteral("synced") << false;
    QTest::newRow("renamed") << QStringLiteral("renamed") << true;
    QTest::newRow("before the folder is synced") << QStringLiteral("folder") << true;
}

void TestNotesCrash::killedAtEachStep()
{
    QFETCH(QString, step);
    QFETCH(bool, edited);
    writeA();
    QProcess saver;
    startSaver(saver, step);
    QVERIFY(saver.waitForFinished(20000));
    QCOMPARE(saver.exitStatus(), QProcess::CrashExit);
    QCOMPARE(saver.readAllStandardOutput(), QByteArray()); // the first save never ended
    QVERIFY2(saved() == (edited ? b : a), qPrintable(QString::number(saved().size())));
}

void TestNotesCrash::killedAtRandomMoments()
{
    writeA();
    int sawA = 0, sawB = 0;
    for (int round = test::killRounds(6); round > 0; --round) {
        QProcess saver;
        startSaver(saver);
        // Past one to three saves, then anywhere into the next.
        for (int saves = QRandomGenerator::global()->bounded(1, 4); saves > 0; --saves) {
            while (!saver.canReadLine())
                QVERIFY2(saver.waitForReadyRead(30000), "the saver stopped saving");
            saver.readLine();
        }
        QTest::qSleep(QRandomGenerator::global()->bounded(0, 50));
        saver.kill(); // SIGKILL: no chance to tidy up
        QVERIFY(saver.waitForFinished());
        const QByteArray got = saved();
        QVERIFY2(got == a || got == b,
                 qPrintable(QStringLiteral("%1 bytes, neither version").arg(got.size())));
        (got == a ? sawA : sawB)++;
    }
    qInfo("killed with version a saved %d times, b %d times", sawA, sawB);
}

QTEST_MAIN(TestNotesCrash)
#include "tst_notescrash.moc"
