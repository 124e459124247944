#pragma once

#include "common/suite.h"

#include <QStringList>

namespace nookery::test {

// Records what a tool window asked the suite to open, one line a request:
// "options 3", "about", "help contents", "help 220", "show convert", ...
class FakeSuite final : public Suite
{
public:
    QStringList calls;

    void showOptions(int page) override { calls << QStringLiteral("options %1").arg(page); }
    void showAbout() override { calls << QStringLiteral("about"); }
    void showHelpContents() override { calls << QStringLiteral("help contents"); }
    void showHelpTopic(int n) override { calls << QStringLiteral("help %1").arg(n); }
    void showCountDown() override { calls << QStringLiteral("show countdown"); }
    void showCountUp() override { calls << QStringLiteral("show countup"); }
    void showCountDate() override { calls << QStringLiteral("show countdate"); }
    void showCountFull() override { calls << QStringLiteral("show countfull"); }
    void showCalendar() override { calls << QStringLiteral("show calendar"); }
    void showConvert() override { calls << QStringLiteral("show convert"); }
    void showReminders() override { calls << QStringLiteral("show reminders"); }
    void showStartupList() override { calls << QStringLiteral("show startup"); }
    void showStickyNotes() override { calls << QStringLiteral("show stickynotes"); }
};

} // namespace nookery::test
