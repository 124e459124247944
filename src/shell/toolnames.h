#pragma once

#include "common/tool.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace nookery {

class Suite;

// What `nookery --open NAME` opens: a tool's window, or the help document's contents.
struct ToolName
{
    const char16_t *name;
    std::optional<Tool> tool; // none: help contents
};

// The names in the order the help text lists them.
QStringList toolNames();
// Opens what `name` names in `suite`; false for a name that names nothing.
bool openByName(Suite &suite, QStringView name);

} // namespace nookery
