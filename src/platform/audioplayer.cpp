// The audio module: QSoundEffect behind the Sound interface, loaded on first use.
#include "platform/sound.h"

#include <QApplication>
#include <QSet>
#include <QSoundEffect>
#include <QUrl>

namespace {

class AudioPlayer final : public nookery::Sound
{
public:
    explicit AudioPlayer(const QString &chime) : m_chime(QUrl::fromLocalFile(chime))
    {
        // A file that turns out not to be a playable wave plays the chime instead; the chime
        // itself failing still gets the user's attention with a beep.
        QObject::connect(&m_effect, &QSoundEffect::statusChanged, &m_effect, [this] {
            if (m_effect.status() != QSoundEffect::Error)
                return;
            const QUrl failed = m_effect.source();
            if (m_chime.isEmpty() || failed == m_chime) {
                QApplication::beep();
                return;
            }
            if (!m_reported.contains(failed)) {
                m_reported.insert(failed);
                qWarning("The alarm sound %s cannot be played; playing %s instead",
                         qPrintable(failed.toLocalFile()), qPrintable(m_chime.toLocalFile()));
            }
            m_effect.setSource(m_chime);
            m_effect.play();
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
    QUrl m_chime;
    QSet<QUrl> m_reported;
    QSoundEffect m_effect;
};

} // namespace

// chime: the sound that stands in for a file that cannot be played ("" for a beep).
extern "C" Q_DECL_EXPORT nookery::Sound *nookery_make_audio_player(const QString &chime)
{
    return new AudioPlayer(chime);
}
