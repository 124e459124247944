#pragma once

#include <QDir>

namespace nookery {

class Clock;
class Platform;
class SettingsStore;
class Suite;

// What a tool window is made with: the suite's services and the folder it was started in.
struct ToolContext
{
    SettingsStore &store;
    Clock &clock;
    Platform &platform;
    Suite &suite;
    QDir startFolder;
};

} // namespace nookery
