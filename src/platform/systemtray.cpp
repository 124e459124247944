#include "platform/systemtray.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QSystemTrayIcon>

namespace nookery {

SystemTray::SystemTray(QObject *parent) : Tray(parent) {}

SystemTray::~SystemTray()
{
    remove();
}

bool SystemTray::isAvailable() const
{
    // Qt settles on D-Bus or XEmbed once per process, so asking again only ever finds an
    // XEmbed tray (or a StatusNotifierItem desktop's XEmbed proxy) that started later. Only
    // Qt's own answer counts: an icon it cannot place would leave the suite unreachable.
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTray::add(const QIcon &icon, const QString &tip)
{
    if (!m_icon) {
        m_icon = std::make_unique<QSystemTrayIcon>(this);
        connect(m_icon.get(), &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    switch (reason) {
                    case QSystemTrayIcon::Trigger:
                        emit mouseEvent(Event::LeftRelease);
                        break;
                    case QSystemTrayIcon::Context:
                        emit mouseEvent(Event::RightRelease);
                        break;
                    case QSystemTrayIcon::DoubleClick:
                        emit mouseEvent(Event::DoubleClick);
                        break;
                    case QSystemTrayIcon::MiddleClick:
                        emit mouseEvent(Event::MiddleClick);
                        break;
                    default:
                        emit mouseEvent(Event::Other);
                        break;
                    }
                });
    }
    // Qt shows it on a right click in an XEmbed tray and exports it over D-Bus to a
    // StatusNotifierItem host, which draws it itself and reports no click at all.
    m_icon->setContextMenu(m_menu);
    m_icon->setIcon(icon);
    m_icon->setToolTip(tip);
    m_icon->show();
    // Only an XEmbed icon is a widget of this process (a StatusNotifierItem host draws the
    // icon and its menu itself, and reports no release): Qt names it, one per icon.
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == u"QSystemTrayIconSys")
            reportReleasesOf(w);
    }
}

void SystemTray::reportReleasesOf(QWidget *icon)
{
    icon->installEventFilter(this);
}

bool SystemTray::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return Tray::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton && mouse->button() != Qt::RightButton)
        return Tray::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonRelease)
        emit mouseEvent(mouse->button() == Qt::LeftButton ? Event::LeftRelease
                                                          : Event::RightRelease);
    return true;
}

void SystemTray::remove()
{
    if (m_icon)
        m_icon->hide();
}

void SystemTray::setMenu(QMenu *menu)
{
    m_menu = menu;
    if (m_icon)
        m_icon->setContextMenu(menu);
}

} // namespace nookery
