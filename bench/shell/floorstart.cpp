// The floor: a bare Qt program with the same hidden window, menu bar, 14-button tool bar
// and tray icon, ended as soon as its event loop is idle.
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolBar>

static QIcon tile(QColor color)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(color);
    return QIcon(pixmap);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    QMenu *timers = file->addMenu(QStringLiteral("CountDown Timers"));
    for (int i = 0; i < 4; ++i)
        timers->addAction(QStringLiteral("Timer %1").arg(i))->setShortcut(Qt::Key(Qt::Key_F2 + i));
    for (int i = 0; i < 5; ++i)
        file->addAction(QStringLiteral("Tool %1").arg(i));
    file->addSeparator();
    QMenu *other = file->addMenu(QStringLiteral("Other Programs"));
    for (int i = 0; i < 8; ++i)
        other->addAction(QStringLiteral("Program %1").arg(i))->setVisible(i > 5);
    file->addSeparator();
    for (int i = 0; i < 3; ++i)
        file->addAction(QStringLiteral("Entry %1").arg(i));
    file->addSeparator();
    file->addAction(QStringLiteral("Exit"));
    QToolBar *bar = window.addToolBar(QStringLiteral("bar"));
    for (int i = 0; i < 14; ++i) {
        if (i == 4 || i == 10)
            bar->addSeparator();
        else
            bar->addAction(tile(QColor::fromHsv(i * 25, 200, 200)), QStringLiteral("b%1").arg(i));
    }
    QSystemTrayIcon tray(tile(Qt::darkGreen));
    if (QSystemTrayIcon::isSystemTrayAvailable())
        tray.show();
    else
        window.show();
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}
