#pragma once

#include "platform/programs.h"

#include <QStringList>

namespace nookery {

class DesktopPrograms final : public Programs
{
public:
    bool startCommandLine(const QString &commandLine) override;
    bool startCalculator() override;
    bool startScreenSaver() override;

    // The calculators tried in turn, the first one found on PATH wins.
    static QStringList calculatorCandidates();
};

} // namespace nookery
