// A stand-in for the desktop's notification service on a private session bus. Each Notify
// call becomes one line of the log file, fields split by "|", line breaks in the body as
// "\n"; with "invoke" it then clicks the notification (its default action).
//   fakenotifier LOG [invoke]
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QTimer>
#include <QVariantMap>

class Notifier : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    Notifier(const QString &log, bool invoke) : m_log(log), m_invoke(invoke) {}

public slots:
    QStringList GetCapabilities() { return {u"body"_qs, u"body-markup"_qs, u"actions"_qs}; }
    uint Notify(const QString &app, uint replaces, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int)
    {
        const uint id = replaces ? replaces : ++m_last;
        QFile log(m_log);
        if (log.open(QIODevice::Append)) {
            QString b = body;
            b.replace(u'\n', u"\\n"_qs);
            log.write((QStringList{app, QString::number(replaces), icon, summary, b,
                                   actions.join(u','), hints.value(u"desktop-entry"_qs).toString()}
                           .join(u'|') +
                       u'\n')
                          .toUtf8());
        }
        if (m_invoke)
            QTimer::singleShot(300, this, [id] {
                QDBusMessage signal = QDBusMessage::createSignal(
                    u"/org/freedesktop/Notifications"_qs, u"org.freedesktop.Notifications"_qs,
                    u"ActionInvoked"_qs);
                signal << id << u"default"_qs;
                QDBusConnection::sessionBus().send(signal);
            });
        return id;
    }
    void CloseNotification(uint) {}

private:
    QString m_log;
    bool m_invoke;
    uint m_last = 0;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    Notifier notifier(QString::fromLocal8Bit(argv[1]), argc > 2);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(u"/org/freedesktop/Notifications"_qs, &notifier,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(u"org.freedesktop.Notifications"_qs))
        return 1;
    return QCoreApplication::exec();
}

#include "fakenotifier.moc"
