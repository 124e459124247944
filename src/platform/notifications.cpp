#include "platform/notifications.h"

#include <QPointer>
#include <QWidget>

namespace nookery {

std::function<void()> bringForwardAction(QWidget *window)
{
    return [w = QPointer<QWidget>(window)] {
        if (!w)
            return;
        if (w->isMinimized())
            w->showNormal();
        else
            w->show();
        w->raise();
        w->activateWindow();
    };
}

} // namespace nookery
