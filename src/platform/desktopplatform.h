#pragma once

#include "platform/platform.h"

#include <memory>

namespace nookery {

// The real desktop: Qt's message boxes and dialogs, QSoundEffect, QProcess and
// QSystemTrayIcon.
class DesktopPlatform final : public Platform
{
public:
    DesktopPlatform();
    ~DesktopPlatform() override;

    MessageBoxes &messages() override;
    CommonDialog &dialogs() override;
    Sound &sound() override;
    Programs &programs() override;
    std::unique_ptr<Tray> createTray() override;
    Printers &printers() override;
    SystemDate &systemDate() override;
    KeyStates &keyStates() override;
    Notifications &notifications() override;

private:
    struct Parts;
    std::unique_ptr<Parts> d;
};

} // namespace nookery
