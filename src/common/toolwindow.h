#pragma once

namespace nookery {

// What the shell asks of an open tool window besides showing it. A window that needs none
// of it keeps the empty defaults.
class ToolWindow
{
public:
    virtual ~ToolWindow() = default;

    // The suite is quitting (Exit, logout, SIGTERM): keep what must not be lost, ask
    // nothing. The window is discarded right after, without its own close handling.
    virtual void suiteEnding() {}
    // The options dialog saved: re-read from the store whatever the window shows of it.
    virtual void optionsChanged() {}
    // Shown because something in it is due: say so on the desktop too.
    virtual void announceDue() {}
    // Opened again with a page to show (the options dialog's tabs, counted from 1).
    virtual void selectPage(int) {}
};

} // namespace nookery
