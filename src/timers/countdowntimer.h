#pragma once

#include <QDateTime>

namespace nookery {

// One countdown by the wall clock: starting fixes a target moment and every tick takes
// the whole seconds from now to it, so a suspend, a clock change or a DST switch shows
// at the next tick. Shared by the CountDown window's two timers and the full-screen one.
class CountdownTimer
{
public:
    enum class State { Idle, Running, Stopped, Alarm };
    enum class Outcome { Counting, Alarm };

    State state() const { return m_state; }
    bool isRunning() const { return m_state == State::Running; }
    // The chosen duration (minutes × 60 + seconds of the scroll bars).
    qint64 duration() const { return m_duration; }
    // Seconds left at the last tick or stop; above 0 while stopped, the next start resumes.
    qint64 remaining() const { return m_remaining; }
    QDateTime target() const { return m_target; }

    // The scroll bars changed; a paused countdown keeps its remaining time.
    void setDuration(qint64 seconds) { m_duration = seconds; }
    // Resumes a stopped countdown, else counts the whole duration from now.
    void start(const QDateTime &now);
    // Takes the seconds left from the clock rather than the last tick, which may be up to
    // a tick old or missing; a countdown already at zero by then rings.
    Outcome stop(const QDateTime &now);
    Outcome tick(const QDateTime &now);
    void acknowledge();
    // Back to idle with nothing chosen and nothing paused.
    void clear();
    // A new duration was put in while stopped: start from it, not from the paused time.
    void dropPaused();

private:
    Outcome settle(const QDateTime &now);

    State m_state = State::Idle;
    qint64 m_duration = 0;
    qint64 m_remaining = 0;
    QDateTime m_target;
};

} // namespace nookery
