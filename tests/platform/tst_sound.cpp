#include "platform/desktopsound.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace nookery;

class tst_Sound : public QObject
{
    Q_OBJECT

private slots:
    void missingFileBeepsWithoutLoadingAudio();
    void realFileLoadsTheAudioModule();
};

void tst_Sound::missingFileBeepsWithoutLoadingAudio()
{
    DesktopSound sound;
    sound.play(QStringLiteral("/no/such/Timer.wav"));
    sound.play(QString());
    sound.stop();
    QVERIFY(!sound.hasPlayer());
}

void tst_Sound::realFileLoadsTheAudioModule()
{
    QVERIFY2(!DesktopSound::moduleFile().isEmpty(), "the audio module is not beside the program");
    // A tiny but valid wave file: 8 kHz, 8 bit, mono, 80 samples of silence.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Timer.wav"));
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
    QVERIFY(sound.hasPlayer());
}

QTEST_MAIN(tst_Sound)
#include "tst_sound.moc"
