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

    // A switch, so a new tool without a name here fails the build (-Wswitch).
    static QString toolName(Tool tool)
    {
        switch (tool) {
        case Tool::CountDown:
            return QStringLiteral("CountDown");
        case Tool::CountUp:
            return QStringLiteral("CountUp");
        case Tool::CountDate:
            return QStringLiteral("CountDate");
        case Tool::CountFull:
            return QStringLiteral("CountFull");
        case Tool::Calendar:
            return QStringLiteral("Calendar");
        case Tool::Convert:
            return QStringLiteral("Convert");
        case Tool::Reminders:
            return QStringLiteral("Reminders");
        case Tool::StartupList:
            return QStringLiteral("StartupList");
        case Tool::StickyNotes:
            return QStringLiteral("StickyNotes");
        case Tool::Options:
            return QStringLiteral("Options");
        case Tool::About:
            return QStringLiteral("About");
        case Tool::UpdateOlder:
            return QStringLiteral("UpdateOlder");
        }
        return QStringLiteral("Tool %1").arg(static_cast<int>(tool));
    }
};

} // namespace nookery::test
