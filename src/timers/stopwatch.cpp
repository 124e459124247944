#include "timers/stopwatch.h"

namespace nookery {

void Stopwatch::start(const QDateTime &now)
{
    m_started = now.addSecs(-m_elapsed.value_or(0));
    m_running = true;
}

qint64 Stopwatch::measure(const QDateTime &now)
{
    qint64 seconds = m_started.secsTo(now);
    if (seconds < 0) {
        // The clock went back before the start: count on from zero rather than show a
        // negative time.
        m_started = now;
        seconds = 0;
    }
    m_elapsed = seconds;
    return seconds;
}

qint64 Stopwatch::stop(const QDateTime &now)
{
    if (!m_running)
        return m_elapsed.value_or(0);
    m_running = false;
    return measure(now);
}

qint64 Stopwatch::tick(const QDateTime &now)
{
    if (!m_running)
        return m_elapsed.value_or(0);
    return measure(now);
}

void Stopwatch::clear()
{
    m_running = false;
    m_elapsed.reset();
}

} // namespace nookery
