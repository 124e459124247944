#include "platform/desktopsound.h"

#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

using namespace nookery;

namespace {

QStringList warnings;

void keepWarnings(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtWarningMsg)
        warnings << text;
}

// Collects the warnings of one test instead of printing them.
struct WarningLog
{
    WarningLog()
    {
        warnings.clear();
        previous = qInstallMessageHandler(keepWarnings);
    }
    ~WarningLog() { qInstallMessageHandler(previous); }
    QtMessageHandler previous;
};

} // namespace

class tst_Sound : public QObject
{
    Q_OBJECT

private slots:
    void chimeShipsAsAPlayableWave();
    void realFileLoadsTheAudioModule();
    void missingFilesPlayTheChime_data();
    void missingFilesPlayTheChime();
    void undecodableFilePlaysTheChime();
};

void tst_Sound::chimeShipsAsAPlayableWave()
{
    const QString chime = DesktopSound::defaultFile();
    QVERIFY2(!chime.isEmpty(), "no Timer.wav beside the audio module");
    QSoundEffect effect;
    effect.setSource(QUrl::fromLocalFile(chime));
    QTRY_COMPARE(effect.status(), QSoundEffect::Ready);
}

void tst_Sound::realFileLoadsTheAudioModule()
{
    QVERIFY2(!DesktopSound::moduleFile().isEmpty(), "the audio module is not beside the program");
    // A tiny but valid wave file: 8 kHz, 8 bit, mono, 80 samples of silence.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Bell.wav"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    auto le32 = [](quint32 v) {
        const char bytes[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
        return QByteArray(bytes, 4);
    };
    const QByteArray samples(80, char(0x80));
    file.write("RIFF" + le32(36 + samples.size()) + "WAVEfmt " + le32(16) +
               QByteArray("\x01\x00\x01\x00", 4) + le32(8000) + le32(8000) +
               QByteArray("\x01\x00\x08\x00", 4) + "data" + le32(samples.size()) + samples);
    file.close();
    DesktopSound sound;
    sound.play(path);
    QCOMPARE(sound.playing(), path);
}

void tst_Sound::missingFilesPlayTheChime_data()
{
    QTest::addColumn<QString>("configured");
    QTest::addColumn<bool>("reported");
    QTest::newRow("missing file") << "/no/such/alarm.wav" << true;
    QTest::newRow("a folder") << "folder.wav" << true;
    // The seeded default and the date countdowns' "timer.wav" name the chime itself.
    QTest::newRow("default name not in the start folder") << "/no/such/timer.wav" << false;
    QTest::newRow("nothing configured") << "" << false;
}

void tst_Sound::missingFilesPlayTheChime()
{
    QFETCH(QString, configured);
    QFETCH(bool, reported);
    QTemporaryDir dir;
    if (configured == u"folder.wav") {
        configured = dir.filePath(configured);
        QVERIFY(QDir().mkdir(configured));
    }
    WarningLog log;
    DesktopSound sound;
    sound.play(configured);
    sound.play(configured);
    QCOMPARE(sound.playing(), DesktopSound::defaultFile());
    // Said once on standard error, however often the alarm starts the file.
    const QStringList said = warnings.filter(u"cannot be read"_qs);
    QCOMPARE(said.size(), reported ? 1 : 0);
    QVERIFY(!reported || said.constFirst().contains(configured));
}

void tst_Sound::undecodableFilePlaysTheChime()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.wav"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("this is not a wave file");
    file.close();
    WarningLog log;
    DesktopSound sound;
    sound.play(path);
    QTRY_COMPARE(warnings.filter(u"cannot be played"_qs).size(), 1);
    QVERIFY(
        warnings.filter(u"cannot be played"_qs).constFirst().contains(DesktopSound::defaultFile()));
}

QTEST_MAIN(tst_Sound)
#include "tst_sound.moc"
