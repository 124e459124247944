#pragma once

namespace nookery {

// What a tool window may ask of the suite around it. The shell owns every window and
// implements this; a tool window never includes another tool window.
class Suite
{
public:
    virtual ~Suite() = default;

    // Options dialog on the given page, counted from 1.
    virtual void showOptions(int page) = 0;
    virtual void showAbout() = 0;
    // The help document's contents (the topics list).
    virtual void showHelpContents() = 0;
    virtual void showHelpTopic(int contextNumber) = 0;

    virtual void showCountDown() = 0;
    virtual void showCountUp() = 0;
    virtual void showCountDate() = 0;
    virtual void showCountFull() = 0;
    virtual void showCalendar() = 0;
    virtual void showConvert() = 0;
    virtual void showReminders() = 0;
    virtual void showStartupList() = 0;
    virtual void showStickyNotes() = 0;
};

} // namespace nookery
