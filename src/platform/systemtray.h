#pragma once

#include "platform/tray.h"

#include <QPointer>
#include <memory>

class QMenu;
class QSystemTrayIcon;
class QWidget;

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

    // An XEmbed tray's icon is a widget of Qt's that opens the menu and reports the click
    // when a button goes down; the suite takes the press from it and reports the release.
    void reportReleasesOf(QWidget *icon);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<QSystemTrayIcon> m_icon;
    QPointer<QMenu> m_menu;
};

} // namespace nookery
