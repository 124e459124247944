#include "shell/toolwindows.h"

#include "convert/convert.h"
#include "notes/stickynotes.h"

namespace nookery {

// Adding a tool is one row here (and its menu and tool bar rows in the main window's table).
ToolFactories toolFactories()
{
    return {
        {Tool::Convert, [](const ToolContext &c) { return new convert(c.suite); }},
        {Tool::StickyNotes,
         [](const ToolContext &c) {
             return new stickynotes(c.store, c.clock, c.platform, c.suite, c.startFolder);
         }},
    };
}

} // namespace nookery
