#include "shell/toolwindows.h"

#include "convert/convert.h"
#include "settings/optionsform.h"

namespace nookery {

// Adding a tool is one row here (and its menu and tool bar rows in the main window's table).
ToolFactories toolFactories()
{
    return {
        {Tool::Convert, [](const ToolContext &c) { return new convert(c.suite); }},
        {Tool::Options,
         [](const ToolContext &c) { return new optionsform(c.store, c.platform, c.suite); }},
    };
}

} // namespace nookery
