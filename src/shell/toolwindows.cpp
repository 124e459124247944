#include "shell/toolwindows.h"

#include "common/helpcontext.h"
#include "common/toolwindow.h"
#include "platform/platform.h"
#include "shell/toolrows.h"

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
    // Closing clears WA_DeleteOnClose and leaves the deletion for later: a window closed a
    // moment ago (one that reopens itself fresh) is not shown again.
    if (slot && !slot->testAttribute(Qt::WA_DeleteOnClose))
        slot = nullptr;
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
        if (!helpcontext::of(slot))
            helpcontext::set(slot, toolHelpContext(tool));
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

void ToolWindows::showDue(Tool tool)
{
    if (auto *hooks = dynamic_cast<ToolWindow *>(present(tool)))
        hooks->announceDue();
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

// Each request names the help file as the older windows did; the viewer takes both spellings.
void ToolWindows::showHelpContents()
{
    CommonDialog &dialog = m_context.platform.dialogs();
    dialog.HelpFile = QStringLiteral("Nookery.hlp");
    dialog.ShowHelp(CommonDialog::HelpTopics, 0);
}

void ToolWindows::showHelpTopic(int contextNumber)
{
    CommonDialog &dialog = m_context.platform.dialogs();
    dialog.HelpFile = QStringLiteral("nookery.hlp");
    dialog.ShowHelp(CommonDialog::HelpContext, contextNumber);
}

ToolFactories toolFactories()
{
    ToolFactories factories;
    for (const ToolRow &row : toolRows()) {
        if (row.tool && row.make)
            factories.insert(*row.tool, row.make);
    }
    return factories;
}

int toolHelpContext(Tool tool)
{
    const ToolRow *row = toolRow(tool);
    return row && row->helpTopic ? row->helpTopic : helpcontext::Contents;
}

} // namespace nookery
