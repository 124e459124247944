#pragma once

#include "platform/tray.h"

#include <QPointer>
#include <memory>

class QMenu;
class QSystemTrayIcon;

namespace nookery {

class SystemTray final : public Tray
{
    Q_OBJECT
public:
    explicit SystemTray(QObject *parent = nullptr);
    ~SystemTray() override;
    bool isAvailable() const override;
    void add(const QIcon &icon, const QString &tip) override;
    void remove() override;
    void setMenu(QMenu *menu) override;

private:
    std::unique_ptr<QSystemTrayIcon> m_icon;
    QPointer<QMenu> m_menu;
};

} // namespace nookery
