#pragma once

#include "common/suite.h"
#include "common/toolcontext.h"

#include <QDir>
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace nookery {

using ToolFactory = std::function<QWidget *(const ToolContext &)>;
using ToolFactories = QHash<Tool, ToolFactory>;

// The window factories of the suite's tool rows; a tool without one opens nothing.
ToolFactories toolFactories();

// The help topic of a tool's window: F1 in it shows this topic unless the window or the
// focused control names another.
int toolHelpContext(Tool tool);

// Owns the tool windows and opens them for the rest of the suite. Each window is made on
// first use; closing it unloads it, and the next open makes a fresh one, as a window that
// was closed starts again from its design state.
class ToolWindows final : public Suite
{
public:
    ToolWindows(SettingsStore &store, Clock &clock, Platform &platform, const QDir &startFolder,
                ToolFactories factories = toolFactories());
    ~ToolWindows() override;

    void show(Tool tool) override;
    void showDue(Tool tool) override;
    void showOptions(int page) override;
    void showHelpContents() override;
    void showHelpTopic(int contextNumber) override;
    void optionsSaved() override;
    bool isOpen(Tool tool) const override { return window(tool) != nullptr; }

    // The main window re-reads its menu and tool bar visibility when the options are saved.
    void setMainWindowOptionsHook(std::function<void()> hook)
    {
        m_mainWindowHook = std::move(hook);
    }

    // The suite is ending: every open window keeps what it must, then all are discarded
    // without their own close handling.
    void closeAll();

    // The open window of a tool, or nullptr.
    QWidget *window(Tool tool) const { return m_open.value(tool); }

private:
    QWidget *present(Tool tool);
    QList<QWidget *> openWindows() const;

    ToolContext m_context;
    ToolFactories m_factories;
    QHash<Tool, QPointer<QWidget>> m_open;
    std::function<void()> m_mainWindowHook;
};

} // namespace nookery
