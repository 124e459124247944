#pragma once

#include "platform/sound.h"

#include <memory>

class QLibrary;

namespace nookery {

// Plays through the audio module, loaded on the first alarm rather than at start: the
// audio libraries are the slowest part of bringing the suite up and most runs never ring.
// Without the module every sound is a beep.
class DesktopSound final : public Sound
{
public:
    DesktopSound();
    ~DesktopSound() override;
    void play(const QString &waveFile) override;
    void stop() override;

    // The module's file in the places it is built and installed, or "" when none is there.
    static QString moduleFile();
    // Whether a player from the module is in use (after the first play of a real file).
    bool hasPlayer() const { return m_player != nullptr; }

private:
    bool loadModule();

    std::unique_ptr<QLibrary> m_module;
    std::unique_ptr<Sound> m_player;
    bool m_tried = false;
};

} // namespace nookery
