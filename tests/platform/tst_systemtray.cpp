// The real tray icon: it carries the suite's menu, and under an XEmbed tray, where the icon is
// a widget of Qt's in this process, the menu opens on the release.
#include "platform/systemtray.h"

#include <QMenu>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWidget>

using namespace nookery;

namespace {

// Stands in for Qt's icon widget, which opens the menu and reports a click on a press.
class IconWidget final : public QWidget
{
public:
    QList<Qt::MouseButton> pressed;

protected:
    void mousePressEvent(QMouseEvent *event) override { pressed << event->button(); }
};

} // namespace

class tst_SystemTray : public QObject
{
    Q_OBJECT
private slots:
    void iconCarriesTheMenu();
    void menuOpensOnRelease();
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

// The press never reaches Qt's widget, so nothing opens while the button is down; the release
// is reported, and the main window opens the menu on it.
void tst_SystemTray::menuOpensOnRelease()
{
    SystemTray tray;
    IconWidget icon;
    icon.resize(22, 22);
    icon.show();
    QVERIFY(QTest::qWaitForWindowExposed(&icon));
    tray.reportReleasesOf(&icon);
    QSignalSpy reported(&tray, &Tray::mouseEvent);
    QTest::mousePress(&icon, Qt::RightButton);
    QTest::mousePress(&icon, Qt::LeftButton);
    QVERIFY(reported.isEmpty());
    QVERIFY(icon.pressed.isEmpty());
    QTest::mouseRelease(&icon, Qt::RightButton);
    QTest::mouseRelease(&icon, Qt::LeftButton);
    QCOMPARE(reported.size(), 2);
    QCOMPARE(reported.at(0).at(0).value<Tray::Event>(), Tray::Event::RightRelease);
    QCOMPARE(reported.at(1).at(0).value<Tray::Event>(), Tray::Event::LeftRelease);
}

QTEST_MAIN(tst_SystemTray)
#include "tst_systemtray.moc"
