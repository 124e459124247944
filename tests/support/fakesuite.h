#pragma once

#include "common/suite.h"

#include <QStringList>

namespace nookery::test {

// Records what a tool window asked the suite to do, one line a request:
// "options 3", "help contents", "help 220", "show Convert", "options saved".
class FakeSuite final : public Suite
{
public:
    QStringList calls;
    // The tools whose window counts as open.
    QList<Tool> open;

    void show(Tool tool) override { calls << QStringLiteral("show ") + toolName(tool); }
    void showOptions(int page) override { calls << QStringLiteral("options %1").arg(page); }
    void showHelpContents() override { calls << QStringLiteral("help contents"); }
    void showHelpTopic(int n) override { calls << QStringLiteral("help %1").arg(n); }
    void optionsSaved() override { calls << QStringLiteral("options saved"); }
    bool isOpen(Tool tool) const override { return open.contains(tool); }

    static QString toolName(Tool tool)
    {
        static const char *const names[] = {"CountDown",   "CountUp", "CountDate", "CountFull",
                                            "Calendar",    "Convert", "Reminders", "StartupList",
                                            "StickyNotes", "Options", "About",     "UpdateOlder"};
        return QLatin1String(names[static_cast<int>(tool)]);
    }
};

} // namespace nookery::test
