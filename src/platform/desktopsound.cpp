#include "platform/desktopsound.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibrary>

namespace nookery {

DesktopSound::DesktopSound() = default;

DesktopSound::~DesktopSound()
{
    // The player's code lives in the module: destroy it before the module goes.
    m_player.reset();
}

QString DesktopSound::moduleFile()
{
    // Beside the binary as installed, and as built (bin/ and lib/nookery/ in the build tree).
    const QString dir = QCoreApplication::applicationDirPath() + u'/';
    const QString name = QStringLiteral("/libnookery_audio.so");
    const QString candidates[] = {dir + QStringLiteral(NOOKERY_AUDIO_DIR) + name,
                                  dir + QStringLiteral("../lib/nookery") + name};
    for (const QString &candidate : candidates) {
        if (QFileInfo::exists(candidate))
            return QFileInfo(candidate).canonicalFilePath();
    }
    return QString();
}

bool DesktopSound::loadModule()
{
    if (m_tried)
        return m_player != nullptr;
    m_tried = true;
    const QString file = moduleFile();
    if (file.isEmpty())
        return false;
    m_module = std::make_unique<QLibrary>(file);
    using Factory = Sound *(*)();
    auto make = reinterpret_cast<Factory>(m_module->resolve("nookery_make_audio_player"));
    if (!make) {
        qWarning("Cannot load the audio module: %s", qPrintable(m_module->errorString()));
        return false;
    }
    m_player.reset(make());
    return m_player != nullptr;
}

void DesktopSound::play(const QString &waveFile)
{
    const QFileInfo file(waveFile);
    if (waveFile.isEmpty() || !file.isFile() || !file.isReadable() || !loadModule()) {
        QApplication::beep();
        return;
    }
    m_player->play(file.absoluteFilePath());
}

void DesktopSound::stop()
{
    if (m_player)
        m_player->stop();
}

} // namespace nookery
