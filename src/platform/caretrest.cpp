#include "platform/caretrest.h"

#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

namespace nookery {

CaretRest::CaretRest(int idleMs, QObject *parent) : QObject(parent)
{
    QStyleHints *hints = QGuiApplication::styleHints();
    m_flashTime = hints->cursorFlashTime();
    connect(hints, &QStyleHints::cursorFlashTimeChanged, this, [this](int flashTime) {
        if (!m_setting)
            m_flashTime = flashTime;
    });
    m_idle.setParent(this);
    m_idle.setObjectName(QStringLiteral("caretIdle"));
    m_idle.setSingleShot(true);
    m_idle.setInterval(idleMs);
    connect(&m_idle, &QTimer::timeout, this, &CaretRest::rest);
    m_idle.start();
}

CaretRest::~CaretRest()
{
    if (m_resting)
        wake();
}

void CaretRest::rest()
{
    m_idle.stop();
    if (m_resting || m_flashTime == 0)
        return;
    m_resting = true;
    m_setting = true;
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    m_setting = false;
}

void CaretRest::wake()
{
    m_resting = false;
    m_setting = true;
    QGuiApplication::styleHints()->setCursorFlashTime(m_flashTime);
    m_setting = false;
}

bool CaretRest::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::InputMethod:
        // One key press reaches the filter once per widget it passes through; the first wakes.
        if (m_resting)
            wake();
        m_idle.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace nookery
