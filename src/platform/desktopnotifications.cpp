#include "platform/desktopnotifications.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFileInfo>
#include <QVariantMap>

namespace nookery {

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");
const QString DefaultAction = QStringLiteral("default");

// Without an address or the session's socket, libdbus would try to launch a bus of its own.
bool sessionBusAround()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo(runtime + QStringLiteral("/bus")).exists();
}

QDBusMessage call(const QString &method)
{
    return QDBusMessage::createMethodCall(Service, Path, Interface, method);
}

} // namespace

DesktopNotifications::DesktopNotifications() = default;
DesktopNotifications::~DesktopNotifications() = default;

void DesktopNotifications::notify(const QString &tag, const QString &summary, const QString &body,
                                  std::function<void()> activated)
{
    Pending pending{tag, summary, body, std::move(activated)};
    switch (m_state) {
    case State::Absent:
        return;
    case State::Ready:
        send(std::move(pending));
        return;
    case State::Unasked:
        ask();
        // Without a notification service nothing is ever sent: nothing waits for it.
        if (m_state == State::Asking)
            m_waiting << std::move(pending);
        return;
    case State::Asking:
        m_waiting << std::move(pending);
        return;
    }
}

void DesktopNotifications::ask()
{
    m_state = State::Absent;
    if (!sessionBusAround())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this,
                SLOT(actionInvoked(uint, QString)));
    bus.connect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                SLOT(notificationClosed(uint, uint)));
    m_state = State::Asking;
    auto *watcher =
        new QDBusPendingCallWatcher(bus.asyncCall(call(QStringLiteral("GetCapabilities"))), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            &DesktopNotifications::capabilitiesAnswered);
}

void DesktopNotifications::capabilitiesAnswered(QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    const QDBusPendingReply<QStringList> reply = *watcher;
    const QList<Pending> waiting = std::exchange(m_waiting, {});
    // No service: the windows say it all, as they always did.
    if (reply.isError()) {
        m_state = State::Absent;
        return;
    }
    m_markup = reply.value().contains(QStringLiteral("body-markup"));
    m_state = State::Ready;
    for (const Pending &p : waiting)
        send(p);
}

void DesktopNotifications::send(Pending pending)
{
    QDBusMessage message = call(QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("nookery")},
                            {QStringLiteral("urgency"), QVariant::fromValue(uchar(1))}};
    message << QStringLiteral("Nookery") << m_shown.value(pending.tag) << QStringLiteral("nookery")
            << pending.summary << (m_markup ? pending.body.toHtmlEscaped() : pending.body)
            << QStringList{DefaultAction, QStringLiteral("Show")} << hints << qint32(-1);
    auto *watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, tag = pending.tag,
             activated = std::move(pending.activated)](QDBusPendingCallWatcher *w) {
                w->deleteLater();
                const QDBusPendingReply<uint> reply = *w;
                if (reply.isError())
                    return;
                const uint id = reply.value();
                m_actions.remove(m_shown.value(tag));
                m_shown.insert(tag, id);
                m_actions.insert(id, activated);
            });
}

void DesktopNotifications::actionInvoked(uint id, const QString &action)
{
    if (action != DefaultAction)
        return;
    if (const auto found = m_actions.constFind(id); found != m_actions.constEnd() && *found)
        (*found)();
}

void DesktopNotifications::notificationClosed(uint id, uint)
{
    m_actions.remove(id);
    for (auto it = m_shown.begin(); it != m_shown.end();) {
        if (it.value() == id)
            it = m_shown.erase(it);
        else
            ++it;
    }
}

} // namespace nookery
