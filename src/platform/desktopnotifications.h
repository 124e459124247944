#pragma once

#include "platform/notifications.h"

#include <QHash>
#include <QList>
#include <QObject>

class QDBusPendingCallWatcher;

namespace nookery {

// org.freedesktop.Notifications on the session bus. Nothing of D-Bus is touched until the
// first notification: start-up never waits for the bus.
class DesktopNotifications final : public QObject, public Notifications
{
    Q_OBJECT

public:
    DesktopNotifications();
    ~DesktopNotifications() override;

    void notify(const QString &tag, const QString &summary, const QString &body,
                std::function<void()> activated) override;

private slots:
    void actionInvoked(uint id, const QString &action);
    void notificationClosed(uint id, uint reason);

private:
    struct Pending
    {
        QString tag;
        QString summary;
        QString body;
        std::function<void()> activated;
    };
    enum class State { Unasked, Asking, Ready, Absent };

    void ask();
    void capabilitiesAnswered(QDBusPendingCallWatcher *call);
    void send(Pending pending);

    State m_state = State::Unasked;
    bool m_markup = false;
    QList<Pending> m_waiting;     // while the service is asked what it can do
    QHash<QString, uint> m_shown; // tag -> the service's id
    QHash<uint, std::function<void()>> m_actions;
};

} // namespace nookery
