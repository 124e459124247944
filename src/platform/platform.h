#pragma once

#include "platform/commondialog.h"
#include "platform/keystates.h"
#include "platform/messageboxes.h"
#include "platform/notifications.h"
#include "platform/printers.h"
#include "platform/programs.h"
#include "platform/sound.h"
#include "platform/systemdate.h"
#include "platform/tray.h"

#include <memory>

namespace nookery {

// Everything that stands in for the desktop, passed to the windows that need it.
class Platform
{
public:
    virtual ~Platform() = default;
    virtual MessageBoxes &messages() = 0;
    virtual CommonDialog &dialogs() = 0;
    virtual Sound &sound() = 0;
    virtual Programs &programs() = 0;
    virtual std::unique_ptr<Tray> createTray() = 0;
    virtual Printers &printers() = 0;
    virtual SystemDate &systemDate() = 0;
    virtual KeyStates &keyStates() = 0;
    virtual Notifications &notifications() = 0;
};

} // namespace nookery
