#include "shell/toolwindows.h"

#include "common/toolwindow.h"
#include "platform/platform.h"

namespace nookery {

ToolWindows::ToolWindows(SettingsStore &store, Clock &clock, Platform &platform,
                         const QDir &startFolder, ToolFactories factories)
    : m_context{store, clock, platform, *this, startFolder}, m_factories(std::move(factories))
{
}

ToolWindows::~ToolWindows()
{
    closeAll();
}

QWidget *ToolWindows::present(Tool tool)
{
    QPointer<QWidget> &slot = m_open[tool];
    const bool made = !slot;
    if (made) {
        const auto factory = m_factories.constFind(tool);
        if (factory == m_factories.constEnd()) {
            m_open.remove(tool);
            return nullptr;
        }
        slot = (*factory)(m_context);
        if (!slot) {
            m_open.remove(tool);
            return nullptr;
        }
        slot->setAttribute(Qt::WA_DeleteOnClose);
    }
    QWidget *window = slot;
    // A window that chose to open minimised stays so on its first show.
    if (window->isMinimized() && !made)
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QList<QWidget *> ToolWindows::openWindows() const
{
    QList<QWidget *> out;
    for (const QPointer<QWidget> &w : m_open) {
        if (w)
            out << w.data();
    }
    return out;
}

void ToolWindows::show(Tool tool)
{
    if (tool == Tool::Options)
        showOptions(1);
    else
        present(tool);
}

void ToolWindows::showOptions(int page)
{
    if (QWidget *window = present(Tool::Options)) {
        if (auto *hooks = dynamic_cast<ToolWindow *>(window))
            hooks->selectPage(page);
    }
}

void ToolWindows::closeAll()
{
    const QList<QWidget *> windows = openWindows();
    for (QWidget *w : windows) {
        if (auto *hooks = dynamic_cast<ToolWindow *>(w))
            hooks->suiteEnding();
    }
    m_open.clear();
    // Deleting skips each window's close event: nothing is asked on the way out.
    qDeleteAll(windows);
}

void ToolWindows::optionsSaved()
{
    if (m_mainWindowHook)
        m_mainWindowHook();
    for (QWidget *w : openWindows()) {
        if (auto *hooks = dynamic_cast<ToolWindow *>(w))
            hooks->optionsChanged();
    }
}

void ToolWindows::showHelpContents()
{
    m_context.platform.dialogs().ShowHelp(CommonDialog::HelpTopics, 0);
}

void ToolWindows::showHelpTopic(int contextNumber)
{
    m_context.platform.dialogs().ShowHelp(CommonDialog::HelpContext, contextNumber);
}

} // namespace nookery
