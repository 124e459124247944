#pragma once

#include "platform/sound.h"

#include <QSet>
#include <memory>

class QLibrary;

namespace nookery {

// Plays through the audio module, loaded on the first alarm rather than at start: the
// audio libraries are the slowest part of bringing the suite up and most runs never ring.
// A file that is missing or cannot be read plays the suite's own chime instead ("Timer.wav"
// beside the module); only without the module or the chime is a sound a beep.
class DesktopSound final : public Sound
{
public:
    DesktopSound();
    ~DesktopSound() override;
    void play(const QString &waveFile) override;
    void stop() override;

    // The module's file in the places it is built and installed, or "" when none is there.
    static QString moduleFile();
    // The chime that ships beside the module, or "" when it is not there.
    static QString defaultFile();
    // The file last handed to the player; "" before the first play and after a beep.
    QString playing() const { return m_playing; }

private:
    bool loadModule();

    std::unique_ptr<QLibrary> m_module;
    std::unique_ptr<Sound> m_player;
    bool m_tried = false;
    QString m_playing;
    QSet<QString> m_reported;
};

} // namespace nookery
