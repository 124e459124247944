// A note being saved when the process is killed is either the old note or the new one, whole.

#include "notes/rtfreader.h"
#include "notes/rtfwriter.h"

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
    void killedMidSave();

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
};

void TestNotesCrash::killedMidSave()
{
    QTemporaryDir dir;
    const QByteArray a = note(QStringLiteral("alpha"), 2 * 1024 * 1024);
    QVERIFY(a.size() > 3 * 1024 * 1024);
    QFile original(dir.filePath(QStringLiteral("a.rtf")));
    QVERIFY(original.open(QIODevice::WriteOnly) && original.write(a) == a.size());
    original.close();
    // The other version, made as the saver makes it.
    QTextDocument edited;
    edited.setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
    QVERIFY(readRtf(a, &edited).ok());
    QTextCursor(&edited).insertText(QStringLiteral("X"));
    const QByteArray b = writeRtf(edited);
    QVERIFY(b != a);
    const QString target = dir.filePath(QStringLiteral("Sticky1.rtf"));
    int sawA = 0, sawB = 0;
    for (int round = 0; round < 50; ++round) {
        QProcess saver;
        saver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        saver.start(QStringLiteral(NOTESAVER), {dir.path()});
        QVERIFY(saver.waitForStarted());
        // Past one to three saves, then anywhere into the next.
        for (int saves = QRandomGenerator::global()->bounded(1, 4); saves > 0; --saves) {
            while (!saver.canReadLine())
                QVERIFY2(saver.waitForReadyRead(30000), "the saver stopped saving");
            saver.readLine();
        }
        QTest::qSleep(QRandomGenerator::global()->bounded(0, 250));
        saver.kill(); // SIGKILL: no chance to tidy up
        QVERIFY(saver.waitForFinished());
        QFile f(target);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray got = f.readAll();
        QVERIFY2(
            got == a || got == b,
            qPrintable(
                QStringLiteral("round %1: %2 bytes, neither version").arg(round).arg(got.size())));
        (got == a ? sawA : sawB)++;
    }
    qInfo("killed with version a saved %d times, b %d times", sawA, sawB);
}

QTEST_MAIN(TestNotesCrash)
#include "tst_notescrash.moc"
