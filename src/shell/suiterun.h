#pragma once

#include "shell/toolwindows.h"

#include <QDir>
#include <QString>
#include <memory>

namespace nookery {

class Nookery;
class Platform;

// One run of the suite as the program starts it: the clock, desktop, settings store and
// windows, wired together, and the single way out.
class SuiteRun
{
public:
    SuiteRun(const QDir &startFolder, const QString &settingsFile);
    // The same over another desktop and tool set (tests).
    SuiteRun(const QDir &startFolder, const QString &settingsFile,
             std::unique_ptr<Platform> platform, ToolFactories factories);
    ~SuiteRun();

    // Runs the main window's start-up sequence.
    void start();
    // Ends the suite: tray icon removed, tool windows told and discarded, event loop left
    // with 0.
    void quit();
    // Runs the event loop until the suite ends; returns the exit code. A quit that came while
    // the start-up sequence still ran (from inside one of its message boxes) ends it at once.
    int exec();

    Nookery &mainWindow();
    ToolWindows &tools();

private:
    struct Parts;
    std::unique_ptr<Parts> d;
};

} // namespace nookery
