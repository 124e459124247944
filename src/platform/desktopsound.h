#pragma once

#include "platform/sound.h"

#include <memory>

class QSoundEffect;

namespace nookery {

class DesktopSound final : public Sound
{
public:
    DesktopSound();
    ~DesktopSound() override;
    void play(const QString &waveFile) override;
    void stop() override;

private:
    // Made on the first alarm, not at start: the audio back end is slow to bring up.
    std::unique_ptr<QSoundEffect> m_effect;
};

} // namespace nookery
