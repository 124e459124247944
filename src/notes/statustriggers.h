#pragma once

#include <QObject>
#include <QTimer>

class QWidget;

namespace nookery {

class Clock;
class KeyStates;

// When the notes window's status panels may show something new: a key pressed or released in
// the window, the focus coming in, the keyboard's lock lights changing (where the desktop
// reports it; elsewhere a 250 ms look while the window is active), and the date turning over
// (one single-shot timer, aimed again after every refresh). Between these nothing the panels
// show can change, and nothing runs.
class StatusTriggers final : public QObject
{
    Q_OBJECT

public:
    static constexpr int StepMs = 250;

    // Watches `window` and `editor`; `dateTimer` is made single-shot and precise.
    StatusTriggers(QWidget *window, QWidget *editor, QTimer *dateTimer, KeyStates &keys,
                   Clock &clock);

    // Aims the date timer at the next change of the date shown.
    void aim();

signals:
    void refreshNeeded();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTimer *m_dateTimer;
    QTimer m_poll; // only where the lock keys are not reported, and only while active
    KeyStates &m_keys;
    Clock &m_clock;
};

} // namespace nookery
