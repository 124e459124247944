#include "shell/toolwindows.h"

#include "calendar/calendar.h"
#include "convert/convert.h"
#include "shell/startup.h"

namespace nookery {

// Adding a tool is one row here (and its menu and tool bar rows in the main window's table).
ToolFactories toolFactories()
{
    return {
        {Tool::Convert, [](const ToolContext &c) { return new convert(c.suite); }},
        {Tool::Calendar,
         [](const ToolContext &c) { return new calendar(c.store, c.clock, c.platform, c.suite); }},
        {Tool::StartupList,
         [](const ToolContext &c) { return new startup(c.platform, c.suite, c.startFolder); }},
    };
}

} // namespace nookery
