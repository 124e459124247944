#include "timers/countdowntimer.h"

namespace nookery {

void CountdownTimer::start(const QDateTime &now)
{
    m_target = now.addSecs(m_remaining > 0 ? m_remaining : m_duration);
    m_state = State::Running;
}

CountdownTimer::Outcome CountdownTimer::settle(const QDateTime &now)
{
    m_remaining = now.secsTo(m_target);
    if (m_remaining > 0)
        return Outcome::Counting;
    m_state = State::Alarm;
    m_duration = 0;
    return Outcome::Alarm;
}

CountdownTimer::Outcome CountdownTimer::stop(const QDateTime &now)
{
    if (m_state != State::Running)
        return Outcome::Counting;
    const Outcome outcome = settle(now);
    if (outcome == Outcome::Counting)
        m_state = State::Stopped;
    return outcome;
}

CountdownTimer::Outcome CountdownTimer::tick(const QDateTime &now)
{
    if (m_state != State::Running)
        return Outcome::Counting;
    return settle(now);
}

void CountdownTimer::acknowledge()
{
    if (m_state == State::Alarm)
        m_state = State::Idle;
}

void CountdownTimer::clear()
{
    m_state = State::Idle;
    m_duration = 0;
    m_remaining = 0;
}

void CountdownTimer::dropPaused()
{
    m_remaining = 0;
    if (m_state == State::Stopped)
        m_state = State::Idle;
}

} // namespace nookery
