#pragma once

#include "common/tool.h"
#include "common/toolcontext.h"
#include "settings/keys.h"

#include <optional>
#include <span>

class QWidget;

namespace nookery {

class Nookery;

// Makes a tool's window; the shell owns it from then on.
using MakeWindow = QWidget *(*)(const ToolContext &);

// One row of the suite's table, in menu order: a tool (its window, help topic, menu entry,
// tool bar button and the option that hides them), or one of the main window's own entries
// (separators, Other Programs, Help, Exit). The menu, the tool bar, the help topics and the
// window factories are all made from these rows. Adding a tool is adding its row.
struct ToolRow
{
    enum class Kind { Entry, Separator, OtherPrograms, WindowOnly };
    Kind kind = Kind::Entry;
    std::optional<Tool> tool = {};
    // What `nookery --open` calls it ("countdown"); the Help entry's opens the help contents.
    const char *name = nullptr;
    const char *menuName = nullptr; // objectName of the menu entry or separator
    const char16_t *caption = nullptr;
    int shortcut = 0;         // a Qt::Key, or 0
    bool inCountDown = false; // inside "CountDown Timers"
    bool onToolBar = false;
    const char16_t *buttonKey = nullptr; // the button's key; nullptr for a separator
    const char16_t *tip = nullptr;
    const char *icon = nullptr; // freedesktop icon name of the entry and button
    // The main window's handler of the entry and its button.
    void (Nookery::*click)() = nullptr;
    const Key *group = nullptr; // the visibility option that hides it
    int helpTopic = 0;          // F1 on the entry, the button and the tool's window
    MakeWindow make = nullptr;
};

// A tool visibility option: its key hides this menu entry and every row of the group.
struct VisibilityGroup
{
    const Key *key;
    const char *menuItem;
};

// In the order the start-up reads them.
inline constexpr VisibilityGroup VisibilityGroups[] = {
    {&keys::CalendarMenu, "menucalendar"},   {&keys::ConvertMenu, "menuconvert"},
    {&keys::CountDownMenu, "menucountdown"}, {&keys::RemindersMenu, "menureminders"},
    {&keys::StartupMenu, "menustartup"},     {&keys::NotesMenu, "menunote"},
};

// Every row, in menu order.
std::span<const ToolRow> toolRows();

// The row of a tool, or nullptr.
const ToolRow *toolRow(Tool tool);

} // namespace nookery
