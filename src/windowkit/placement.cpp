#include "windowkit/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace nookery::kit {

namespace {

QRect freeArea(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

void centreOnScreen(QWidget *window)
{
    const QRect area = freeArea(window);
    if (area.isEmpty())
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}

void placeWithin(QWidget *window, QPoint topLeft)
{
    const QRect area = freeArea(window);
    if (area.isEmpty()) {
        window->move(topLeft);
        return;
    }
    QSize frame = window->frameGeometry().size();
    // A window not shown yet has no frame: its title bar is reckoned at the style's height.
    if (!window->testAttribute(Qt::WA_WState_Created) || frame == window->size())
        frame.rheight() += window->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    // A window larger than the area keeps its top-left corner on the screen.
    const int x = std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - frame.width()));
    const int y = std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - frame.height()));
    window->move(x, y);
}

} // namespace nookery::kit
