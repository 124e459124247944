#include "shell/toolwindows.h"

#include "convert/convert.h"
#include "shell/aboutform.h"
#include "shell/updateolder.h"

namespace nookery {

// Adding a tool is one row here (and its menu and tool bar rows in the main window's table).
ToolFactories toolFactories()
{
    return {
        {Tool::Convert, [](const ToolContext &c) { return new convert(c.suite); }},
        {Tool::About, [](const ToolContext &c) { return new aboutform(c.platform, c.suite); }},
        {Tool::UpdateOlder,
         [](const ToolContext &c) {
             return new UpdateOlder(c.store, c.platform, c.suite, c.startFolder);
         }},
    };
}

} // namespace nookery
