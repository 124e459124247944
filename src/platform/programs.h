#pragma once

#include <QString>

namespace nookery {

// Starting other programs. Nothing is waited for and nothing is reported to the user:
// a program that cannot be started simply does not start.
class Programs
{
public:
    virtual ~Programs() = default;
    // Starts the program a command line names, with its arguments, never through a shell.
    // Returns whether a process was started.
    virtual bool startCommandLine(const QString &commandLine) = 0;
    virtual bool startCalculator() = 0;
    virtual bool startScreenSaver() = 0;
};

} // namespace nookery
