#include "platform/desktopsound.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace nookery {

DesktopSound::DesktopSound() = default;
DesktopSound::~DesktopSound() = default;

void DesktopSound::play(const QString &waveFile)
{
    const QFileInfo file(waveFile);
    if (waveFile.isEmpty() || !file.isFile() || !file.isReadable()) {
        QApplication::beep();
        return;
    }
    if (!m_effect) {
        m_effect = std::make_unique<QSoundEffect>();
        // A file that turns out not to be a playable wave still gets the user's attention.
        QObject::connect(m_effect.get(), &QSoundEffect::statusChanged, m_effect.get(), [this] {
            if (m_effect->status() == QSoundEffect::Error)
                QApplication::beep();
        });
    }
    m_effect->stop();
    const QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    if (m_effect->source() != url)
        m_effect->setSource(url);
    m_effect->play();
}

void DesktopSound::stop()
{
    if (m_effect)
        m_effect->stop();
}

} // namespace nookery
