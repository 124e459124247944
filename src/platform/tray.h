#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

class QMenu;

namespace nookery {

// The notification-area icon. It reports which mouse event happened, and carries the
// suite's menu for hosts that draw an icon's menu themselves (StatusNotifierItem).
class Tray : public QObject
{
    Q_OBJECT
public:
    enum class Event { LeftRelease, RightRelease, DoubleClick, MiddleClick, Other };
    Q_ENUM(Event)

    using QObject::QObject;
    // Asked again while the suite waits for a panel that starts after it; keep it cheap.
    virtual bool isAvailable() const = 0;
    virtual void add(const QIcon &icon, const QString &tip) = 0;
    // Harmless when no icon was added.
    virtual void remove() = 0;
    // The menu a right click shows. The tray host may show it before the icon reports the
    // click, or instead of reporting it. The menu must outlive the tray.
    virtual void setMenu(QMenu *menu) = 0;

signals:
    void mouseEvent(nookery::Tray::Event event);
};

} // namespace nookery
