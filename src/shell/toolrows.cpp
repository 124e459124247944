#include "shell/toolrows.h"

#include "calendar/calendar.h"
#include "common/helpcontext.h"
#include "convert/convert.h"
#include "notes/stickynotes.h"
#include "platform/aboutform.h"
#include "reminders/reminder.h"
#include "settings/optionsform.h"
#include "shell/nookery.h"
#include "startup/startup.h"
#include "timers/countdate.h"
#include "timers/countdown.h"
#include "timers/countfull.h"
#include "timers/countup.h"
#include "upgrade/updateolder.h"

namespace nookery {

namespace {

using K = ToolRow::Kind;
using N = Nookery;
namespace help = helpcontext;

template <typename Window> QWidget *makeWindow(const ToolContext &context)
{
    return new Window(context);
}

// Menu order; tool bar buttons are the rows with onToolBar, in the same order, so their
// indexes (1 to 14) come out as the older versions numbered them.
const ToolRow Rows[] = {
    {.tool = Tool::CountDown,
     .name = "countdown",
     .menuName = "submenuCountDown",
     .caption = u"&CountDown",
     .shortcut = Qt::Key_F2,
     .inCountDown = true,
     .onToolBar = true,
     .buttonKey = u"ToolCountDown",
     .tip = u"CountDown",
     .icon = "player-time",
     .click = &N::submenuCountDown_Click,
     .group = &keys::CountDownMenu,
     .helpTopic = help::CountDown,
     .make = makeWindow<CountDown>},
    {.tool = Tool::CountUp,
     .name = "countup",
     .menuName = "submenuCountUp",
     .caption = u"Count&Up",
     .shortcut = Qt::Key_F3,
     .inCountDown = true,
     .onToolBar = true,
     .buttonKey = u"ToolCountUp",
     .tip = u"CountUp",
     .icon = "chronometer",
     .click = &N::submenuCountUp_Click,
     .group = &keys::CountDownMenu,
     .helpTopic = help::CountUp,
     .make = makeWindow<CountUp>},
    {.tool = Tool::CountDate,
     .name = "datecountdown",
     .menuName = "submenuCountDate",
     .caption = u"&Date CountDown",
     .shortcut = Qt::Key_F4,
     .inCountDown = true,
     .onToolBar = true,
     .buttonKey = u"ToolDateCountDown",
     .tip = u"Date CountDown",
     .icon = "view-calendar-upcoming-days",
     .click = &N::submenuCountDate_Click,
     .group = &keys::CountDownMenu,
     .helpTopic = help::CountDate,
     .make = makeWindow<CountDate>},
    {.tool = Tool::CountFull,
     .name = "fullscreen",
     .menuName = "submenuCountFull",
     .caption = u"&Fullscreen CountDown",
     .shortcut = Qt::Key_F5,
     .inCountDown = true,
     .onToolBar = true,
     .buttonKey = u"ToolFullScreenCountDown",
     .tip = u"Full Screen CountDown",
     .icon = "view-fullscreen",
     .click = &N::submenuCountFull_Click,
     .group = &keys::CountDownMenu,
     .helpTopic = help::CountFull,
     .make = makeWindow<CountFull>},
    {.kind = K::Separator, .onToolBar = true, .group = &keys::CountDownMenu},
    {.tool = Tool::Calendar,
     .name = "calendar",
     .menuName = "menucalendar",
     .caption = u"Calendar",
     .onToolBar = true,
     .buttonKey = u"ToolCalendar",
     .tip = u"Calendar",
     .icon = "view-calendar",
     .click = &N::menucalendar_Click,
     .group = &keys::CalendarMenu,
     .helpTopic = help::Calendar,
     .make = makeWindow<calendar>},
    {.tool = Tool::Convert,
     .name = "convert",
     .menuName = "menuconvert",
     .caption = u"Conversion Tables",
     .shortcut = Qt::Key_F6,
     .onToolBar = true,
     .buttonKey = u"ToolConversionTables",
     .tip = u"Conversion Tables",
     .icon = "measure",
     .click = &N::menuconvert_Click,
     .group = &keys::ConvertMenu,
     .helpTopic = help::Convert,
     .make = makeWindow<convert>},
    {.tool = Tool::Reminders,
     .name = "reminders",
     .menuName = "menureminders",
     .caption = u"Reminders",
     .shortcut = Qt::Key_F7,
     .onToolBar = true,
     .buttonKey = u"ToolReminders",
     .tip = u"Reminders",
     .icon = "appointment-reminder",
     .click = &N::menureminders_Click,
     .group = &keys::RemindersMenu,
     .helpTopic = help::Reminders,
     .make = makeWindow<reminder>},
    {.tool = Tool::StartupList,
     .name = "startuplist",
     .menuName = "menustartup",
     .caption = u"Startup List",
     .shortcut = Qt::Key_F8,
     .onToolBar = true,
     .buttonKey = u"ToolStartupList",
     .tip = u"Startup List",
     .icon = "view-history",
     .click = &N::menustartup_Click,
     .group = &keys::StartupMenu,
     .helpTopic = help::StartupList,
     .make = makeWindow<startup>},
    {.tool = Tool::StickyNotes,
     .name = "notes",
     .menuName = "menunote",
     .caption = u"Sticky Notes",
     .shortcut = Qt::Key_F9,
     .onToolBar = true,
     .buttonKey = u"ToolStickyNotes",
     .tip = u"Sticky Notes",
     .icon = "view-pim-notes",
     .click = &N::menunote_Click,
     .group = &keys::NotesMenu,
     .helpTopic = help::StickyNotes,
     .make = makeWindow<stickynotes>},
    {.kind = K::Separator, .menuName = "sep1"},
    {.kind = K::OtherPrograms, .menuName = "menuother", .caption = u"Other Programs"},
    {.kind = K::Separator, .menuName = "sep3", .onToolBar = true},
    {.tool = Tool::Options,
     .name = "options",
     .menuName = "menuoptions",
     .caption = u"Options",
     .shortcut = Qt::Key_F11,
     .onToolBar = true,
     .buttonKey = u"ToolOptions",
     .tip = u"Set Options",
     .icon = "configure",
     .click = &N::menuoptions_Click,
     .helpTopic = help::Options,
     .make = makeWindow<optionsform>},
    {.name = "help",
     .menuName = "menucontents",
     .caption = u"Help",
     .shortcut = Qt::Key_F1,
     .onToolBar = true,
     .buttonKey = u"ToolHelp",
     .tip = u"Help Using Nookery",
     .icon = "help-contents",
     .click = &N::menucontents_Click,
     .helpTopic = help::Contents},
    {.tool = Tool::About,
     .menuName = "menuabout",
     .caption = u"About",
     .icon = "help-about",
     .click = &N::menuabout_Click,
     .helpTopic = help::Contents,
     .make = makeWindow<aboutform>},
    {.kind = K::Separator, .menuName = "sep4"},
    {.menuName = "menuexit",
     .caption = u"Exit",
     .shortcut = Qt::Key_F12,
     .onToolBar = true,
     .buttonKey = u"ToolExit",
     .tip = u"Exit Nookery",
     .icon = "application-exit",
     .click = &N::menuexit_Click,
     .helpTopic = help::Contents},
    {.kind = K::WindowOnly,
     .tool = Tool::UpdateOlder,
     .helpTopic = help::UpdateOlder,
     .make = makeWindow<UpdateOlder>},
};

} // namespace

std::span<const ToolRow> toolRows()
{
    return Rows;
}

const ToolRow *toolRow(Tool tool)
{
    for (const ToolRow &row : Rows) {
        if (row.tool == tool)
            return &row;
    }
    return nullptr;
}

} // namespace nookery
