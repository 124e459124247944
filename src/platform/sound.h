#pragma once

#include <QString>

namespace nookery {

// Asynchronous wave playback: a new start restarts the sound; a file that is missing or
// cannot be played falls back to the suite's chime, or to a beep without it.
class Sound
{
public:
    virtual ~Sound() = default;
    virtual void play(const QString &waveFile) = 0;
    virtual void stop() = 0;
};

} // namespace nookery
