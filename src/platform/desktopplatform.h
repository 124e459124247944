#pragma once

#include "platform/platform.h"

#include <functional>
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

    // Where help requests go once the suite has its help viewer.
    void setHelpHandler(std::function<void(int command, int contextNumber)> handler);

private:
    struct Parts;
    std::unique_ptr<Parts> d;
};

} // namespace nookery
