#include "platform/desktopplatform.h"

#include "platform/desktopdialogs.h"
#include "platform/desktopkeystates.h"
#include "platform/desktopnotifications.h"
#include "platform/desktopprinters.h"
#include "platform/desktopprograms.h"
#include "platform/desktopsound.h"
#include "platform/desktopsystemdate.h"
#include "platform/systemtray.h"

namespace nookery {

struct DesktopPlatform::Parts
{
    DesktopMessageBoxes messages;
    DesktopCommonDialog dialogs;
    DesktopSound sound;
    DesktopPrograms programs;
    DesktopPrinters printers;
    DesktopSystemDate systemDate;
    DesktopKeyStates keyStates;
    DesktopNotifications notifications;
};

DesktopPlatform::DesktopPlatform() : d(std::make_unique<Parts>()) {}
DesktopPlatform::~DesktopPlatform() = default;

MessageBoxes &DesktopPlatform::messages()
{
    return d->messages;
}

CommonDialog &DesktopPlatform::dialogs()
{
    return d->dialogs;
}

Sound &DesktopPlatform::sound()
{
    return d->sound;
}

Programs &DesktopPlatform::programs()
{
    return d->programs;
}

Printers &DesktopPlatform::printers()
{
    return d->printers;
}

SystemDate &DesktopPlatform::systemDate()
{
    return d->systemDate;
}

KeyStates &DesktopPlatform::keyStates()
{
    return d->keyStates;
}

Notifications &DesktopPlatform::notifications()
{
    return d->notifications;
}

std::unique_ptr<Tray> DesktopPlatform::createTray()
{
    return std::make_unique<SystemTray>();
}

} // namespace nookery
