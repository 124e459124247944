#include "shell/toolnames.h"

#include "common/suite.h"
#include "shell/toolrows.h"

namespace nookery {

QStringList toolNames()
{
    QStringList out;
    for (const ToolRow &row : toolRows()) {
        if (row.name)
            out << QString::fromLatin1(row.name);
    }
    return out;
}

bool openByName(Suite &suite, QStringView name)
{
    for (const ToolRow &row : toolRows()) {
        if (!row.name || name != QLatin1String(row.name))
            continue;
        if (row.tool)
            suite.show(*row.tool);
        else
            suite.showHelpContents();
        return true;
    }
    return false;
}

} // namespace nookery
