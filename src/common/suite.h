#pragma once

#include "common/tool.h"

namespace nookery {

// What a tool window may ask of the suite around it. The shell owns every window and
// implements this; a tool window never includes another tool window.
class Suite
{
public:
    virtual ~Suite() = default;

    // Makes the tool's window on first use, shows it and brings it forward.
    virtual void show(Tool tool) = 0;
    // As show(), because something in the window is due now (the reminders at start-up or
    // at the daily time): the window also tells the desktop.
    virtual void showDue(Tool tool) { show(tool); }
    // Options dialog on the given page, counted from 1.
    virtual void showOptions(int page) = 0;
    // The help document's contents (the topics list).
    virtual void showHelpContents() = 0;
    virtual void showHelpTopic(int contextNumber) = 0;
    // The options dialog saved: the main window and every open tool window re-read the
    // store. No window is made for it.
    virtual void optionsSaved() = 0;
    // Whether the tool's window is open now.
    virtual bool isOpen(Tool tool) const = 0;
};

} // namespace nookery
