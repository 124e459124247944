#pragma once

#include <QDir>
#include <QString>
#include <memory>

namespace nookery {

class Nookery;

// One run of the suite as the program starts it: the real clock, desktop, settings store
// and windows, wired together, and the single way out.
class SuiteRun
{
public:
    SuiteRun(const QDir &startFolder, const QString &settingsFile);
    ~SuiteRun();

    // Runs the main window's start-up sequence.
    void start();
    // Ends the suite: tray icon removed, tool windows discarded, event loop left with 0.
    void quit();

    Nookery &mainWindow();

private:
    struct Parts;
    std::unique_ptr<Parts> d;
};

} // namespace nookery
