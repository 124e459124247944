#include "shell/toolwindows.h"

#include "calendar/calendar.h"
#include "convert/convert.h"
#include "notes/stickynotes.h"
#include "reminders/reminder.h"
#include "settings/optionsform.h"
#include "shell/aboutform.h"
#include "shell/startup.h"
#include "shell/updateolder.h"
#include "timers/countdate.h"
#include "timers/countdown.h"
#include "timers/countfull.h"
#include "timers/countup.h"

namespace nookery {

// Adding a tool is one row here (and its menu and tool bar rows in the main window's table).
ToolFactories toolFactories()
{
    return {
        {Tool::Convert, [](const ToolContext &c) { return new convert(c.suite); }},
        {Tool::CountDown,
         [](const ToolContext &c) {
             return new CountDown(c.store, c.clock, c.platform, c.suite, c.startFolder);
         }},
        {Tool::CountDate,
         [](const ToolContext &c) {
             return new CountDate(c.store, c.clock, c.platform, c.suite, c.startFolder);
         }},
        {Tool::CountFull,
         [](const ToolContext &c) {
             return new CountFull(c.store, c.clock, c.platform, c.suite, c.startFolder);
         }},
        {Tool::CountUp, [](const ToolContext &c) { return new CountUp(c.clock, c.suite); }},
        {Tool::About, [](const ToolContext &c) { return new aboutform(c.platform, c.suite); }},
        {Tool::UpdateOlder,
         [](const ToolContext &c) {
             return new UpdateOlder(c.store, c.platform, c.suite, c.startFolder);
         }},
        {Tool::Calendar,
         [](const ToolContext &c) { return new calendar(c.store, c.clock, c.platform, c.suite); }},
        {Tool::StartupList,
         [](const ToolContext &c) { return new startup(c.platform, c.suite, c.startFolder); }},
        {Tool::Options,
         [](const ToolContext &c) { return new optionsform(c.store, c.platform, c.suite); }},
        {Tool::Reminders,
         [](const ToolContext &c) {
             return new reminder(c.store, c.clock, c.platform, c.suite, c.startFolder);
         }},
        {Tool::StickyNotes,
         [](const ToolContext &c) {
             return new stickynotes(c.store, c.clock, c.platform, c.suite, c.startFolder);
         }},
    };
}

} // namespace nookery
