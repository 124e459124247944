// The real tray icon carries the suite's menu, whichever comes first: the menu or the icon.
#include "platform/systemtray.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QTest>

using namespace nookery;

class tst_SystemTray : public QObject
{
    Q_OBJECT

private slots:
    void iconCarriesTheMenu();
};

void tst_SystemTray::iconCarriesTheMenu()
{
    QMenu menu;
    SystemTray tray;
    tray.setMenu(&menu);
    tray.add(QIcon(), QStringLiteral("Nookery"));
    auto *icon = tray.findChild<QSystemTrayIcon *>();
    QVERIFY(icon);
    QCOMPARE(icon->contextMenu(), &menu);

    QMenu other;
    tray.setMenu(&other);
    QCOMPARE(icon->contextMenu(), &other);
    tray.remove();
    tray.add(QIcon(), QStringLiteral("Nookery"));
    QCOMPARE(icon->contextMenu(), &other);
}

QTEST_MAIN(tst_SystemTray)
#include "tst_systemtray.moc"
