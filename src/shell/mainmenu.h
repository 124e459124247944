#pragma once

#include "settings/keys.h"

#include <QRgb>
#include <span>

namespace nookery {

class Nookery;

// One row of the main window's menu and tool bar, in menu order. A row is a menu entry, a
// tool bar button, or both; separators are rows too. The "Other Programs" sub-menu is built
// apart, from the user's programs.
struct MenuRow
{
    enum class Kind { Entry, Separator, OtherPrograms };
    Kind kind = Kind::Entry;
    const char *menuName = nullptr; // objectName of the menu entry; nullptr: tool bar only
    const char16_t *caption = nullptr;
    int shortcut = 0;         // a Qt::Key, or 0
    bool inCountDown = false; // inside "CountDown Timers"
    bool onToolBar = false;
    const char16_t *buttonKey = nullptr; // the button's key; nullptr for a separator
    const char16_t *tip = nullptr;
    const char16_t *glyph = nullptr;
    QRgb tile = 0;
    void (Nookery::*click)() = nullptr;
    const Key *group = nullptr; // the visibility option that hides it
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

// The rows, in menu order.
std::span<const MenuRow> menuRows();

} // namespace nookery
