#include "shell/toolwindows.h"

#include "convert/convert.h"

namespace nookery {

// Adding a tool is one row here (and its menu and tool bar rows in the main window's table).
ToolFactories toolFactories()
{
    return {
        {Tool::Convert, [](const ToolContext &c) { return new convert(c.suite); }},
    };
}

} // namespace nookery
