#pragma once

#include "platform/keystates.h"

namespace nookery {

// X11: the keyboard's locked modifiers through XKB; Windows: GetKeyState. Elsewhere (Wayland,
// offscreen) the keys read as off.
class DesktopKeyStates final : public KeyStates
{
public:
    bool numLock() const override;
    bool capsLock() const override;
};

} // namespace nookery
