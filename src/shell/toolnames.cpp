#include "shell/toolnames.h"

#include "common/suite.h"

namespace nookery {

namespace {

constexpr ToolName Names[] = {
    {u"notes", Tool::StickyNotes},
    {u"reminders", Tool::Reminders},
    {u"countdown", Tool::CountDown},
    {u"countup", Tool::CountUp},
    {u"datecountdown", Tool::CountDate},
    {u"fullscreen", Tool::CountFull},
    {u"calendar", Tool::Calendar},
    {u"convert", Tool::Convert},
    {u"startuplist", Tool::StartupList},
    {u"options", Tool::Options},
    {u"help", std::nullopt},
};

} // namespace

QStringList toolNames()
{
    QStringList out;
    for (const ToolName &n : Names)
        out << QString::fromUtf16(n.name);
    return out;
}

bool openByName(Suite &suite, QStringView name)
{
    for (const ToolName &n : Names) {
        if (name != QStringView(n.name))
            continue;
        if (n.tool)
            suite.show(*n.tool);
        else
            suite.showHelpContents();
        return true;
    }
    return false;
}

} // namespace nookery
