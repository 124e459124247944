#include "notes/statustriggers.h"

#include "common/clock.h"
#include "platform/keystates.h"

#include <QEvent>
#include <QWidget>

namespace nookery {

StatusTriggers::StatusTriggers(QWidget *window, QWidget *editor, QTimer *dateTimer, KeyStates &keys,
                               Clock &clock)
    : QObject(window), m_dateTimer(dateTimer), m_keys(keys), m_clock(clock)
{
    m_dateTimer->setSingleShot(true);
    m_dateTimer->setTimerType(Qt::PreciseTimer);
    m_poll.setParent(this);
    m_poll.setObjectName(QStringLiteral("keyPoll"));
    m_poll.setInterval(StepMs);
    connect(&m_poll, &QTimer::timeout, this, &StatusTriggers::refreshNeeded);
    connect(&m_keys, &KeyStates::changed, this, &StatusTriggers::refreshNeeded);
    window->installEventFilter(this);
    editor->installEventFilter(this);
}

void StatusTriggers::aim()
{
    m_dateTimer->start(msecsToDateChange(m_clock.now(), StepMs));
}

bool StatusTriggers::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::FocusIn:
        emit refreshNeeded();
        break;
    case QEvent::WindowActivate:
        if (!m_keys.reportsChanges())
            m_poll.start();
        emit refreshNeeded();
        break;
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
        m_poll.stop();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace nookery
