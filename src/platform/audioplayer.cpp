// The audio module: QSoundEffect behind the Sound interface, loaded on first use.
#include "platform/sound.h"

#include <QApplication>
#include <QSoundEffect>
#include <QUrl>

namespace {

class AudioPlayer final : public nookery::Sound
{
public:
    AudioPlayer()
    {
        // A file that turns out not to be a playable wave still gets the user's attention.
        QObject::connect(&m_effect, &QSoundEffect::statusChanged, &m_effect, [this] {
            if (m_effect.status() == QSoundEffect::Error)
                QApplication::beep();
        });
    }

    void play(const QString &waveFile) override
    {
        // A new start restarts the sound from its beginning.
        m_effect.stop();
        const QUrl url = QUrl::fromLocalFile(waveFile);
        if (m_effect.source() != url)
            m_effect.setSource(url);
        m_effect.play();
    }

    void stop() override { m_effect.stop(); }

private:
    QSoundEffect m_effect;
};

} // namespace

extern "C" Q_DECL_EXPORT nookery::Sound *nookery_make_audio_player()
{
    return new AudioPlayer;
}
