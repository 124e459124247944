#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

namespace nookery {

// The notification-area icon. The suite pops its own menu up on a click, so the icon only
// reports which mouse event happened.
class Tray : public QObject
{
    Q_OBJECT
public:
    enum class Event { LeftRelease, RightRelease, DoubleClick, MiddleClick, Other };
    Q_ENUM(Event)

    using QObject::QObject;
    virtual bool isAvailable() const = 0;
    virtual void add(const QIcon &icon, const QString &tip) = 0;
    // Harmless when no icon was added.
    virtual void remove() = 0;

signals:
    void mouseEvent(nookery::Tray::Event event);
};

} // namespace nookery
