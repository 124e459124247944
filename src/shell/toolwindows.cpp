#include "shell/toolwindows.h"

#include "convert/convert.h"
#include "platform/platform.h"

namespace nookery {

ToolWindows::ToolWindows(SettingsStore &store, Clock &clock, Platform &platform,
                         const QDir &startFolder)
    : m_store(store), m_clock(clock), m_platform(platform), m_startFolder(startFolder)
{
}

ToolWindows::~ToolWindows()
{
    closeAll();
}

void ToolWindows::present(QPointer<QWidget> &slot, const std::function<QWidget *()> &make)
{
    if (!slot) {
        slot = make();
        slot->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (slot->isMinimized())
        slot->showNormal();
    else
        slot->show();
    slot->raise();
    slot->activateWindow();
}

void ToolWindows::closeAll()
{
    delete m_convert.data();
}

void ToolWindows::showHelpContents()
{
    m_platform.dialogs().ShowHelp(CommonDialog::HelpTopics, 0);
}

void ToolWindows::showHelpTopic(int contextNumber)
{
    m_platform.dialogs().ShowHelp(CommonDialog::HelpContext, contextNumber);
}

// The windows below arrive one by one; until a window exists its entry does nothing.
void ToolWindows::showOptions(int) {}
void ToolWindows::showAbout() {}
void ToolWindows::showCountDown() {}
void ToolWindows::showCountUp() {}
void ToolWindows::showCountDate() {}
void ToolWindows::showCountFull() {}
void ToolWindows::showCalendar() {}
void ToolWindows::showReminders() {}
void ToolWindows::showStartupList() {}
void ToolWindows::showStickyNotes() {}

void ToolWindows::showConvert()
{
    present(m_convert, [this] { return new convert(*this); });
}

} // namespace nookery
