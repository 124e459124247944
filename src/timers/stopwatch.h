#pragma once

#include <QDateTime>
#include <optional>

namespace nookery {

// A stopwatch by the wall clock: the start moment is back-dated by the time already
// counted, and every tick takes the whole seconds from it to now.
class Stopwatch
{
public:
    bool isRunning() const { return m_running; }
    // Elapsed seconds at the last tick or stop; none while cleared.
    std::optional<qint64> elapsed() const { return m_elapsed; }
    QDateTime started() const { return m_started; }

    void start(const QDateTime &now);
    // The elapsed time up to now, from the clock.
    qint64 stop(const QDateTime &now);
    qint64 tick(const QDateTime &now);
    void clear();

private:
    qint64 measure(const QDateTime &now);

    bool m_running = false;
    std::optional<qint64> m_elapsed;
    QDateTime m_started;
};

} // namespace nookery
