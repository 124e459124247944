#include "platform/desktopsound.h"

#include "platform/modulefile.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibrary>

namespace nookery {

namespace {

const QString ChimeName = QStringLiteral("Timer.wav");

// The seeded default names the chime: a "Timer.wav" that is not in the start folder (or no
// name at all) plays it without a word.
bool meansTheChime(const QString &waveFile)
{
    return waveFile.isEmpty() ||
           QFileInfo(waveFile).fileName().compare(ChimeName, Qt::CaseInsensitive) == 0;
}

} // namespace

DesktopSound::DesktopSound() = default;

DesktopSound::~DesktopSound()
{
    // The player's code lives in the module: destroy it before the module goes.
    m_player.reset();
}

QString DesktopSound::moduleFile()
{
    return findModule(u"nookery_audio");
}

QString DesktopSound::defaultFile()
{
    const QString module = moduleFile();
    if (module.isEmpty())
        return QString();
    const QFileInfo chime(QFileInfo(module).absolutePath() + u'/' + ChimeName);
    return chime.isFile() ? chime.filePath() : QString();
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
    using Factory = Sound *(*)(const QString &);
    auto make = reinterpret_cast<Factory>(m_module->resolve("nookery_make_audio_player"));
    if (!make) {
        qWarning("Cannot load the audio module: %s", qPrintable(m_module->errorString()));
        return false;
    }
    m_player.reset(make(defaultFile()));
    return m_player != nullptr;
}

void DesktopSound::play(const QString &waveFile)
{
    const QFileInfo info(waveFile);
    QString file = info.absoluteFilePath();
    if (waveFile.isEmpty() || !info.isFile() || !info.isReadable()) {
        file = defaultFile();
        // Once per file: the date countdowns start their sound up to four times in a row.
        if (!meansTheChime(waveFile) && !m_reported.contains(waveFile)) {
            m_reported.insert(waveFile);
            qWarning("The alarm sound %s cannot be read; playing %s instead", qPrintable(waveFile),
                     qPrintable(file.isEmpty() ? QStringLiteral("a beep") : file));
        }
    }
    if (file.isEmpty() || !loadModule()) {
        m_playing.clear();
        QApplication::beep();
        return;
    }
    m_playing = file;
    m_player->play(file);
}

void DesktopSound::stop()
{
    if (m_player)
        m_player->stop();
}

} // namespace nookery
