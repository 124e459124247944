#pragma once

#include <QHashFunctions>

namespace nookery {

// Every window the suite opens by name. The shell keeps one open window per tool.
enum class Tool {
    CountDown,
    CountUp,
    CountDate,
    CountFull,
    Calendar,
    Convert,
    Reminders,
    StartupList,
    StickyNotes,
    Options,
    About,
    UpdateOlder,
};

inline size_t qHash(Tool tool, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<int>(tool), seed);
}

} // namespace nookery
