#pragma once

#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace nookery {

// F1 for the whole application. In an open menu (the tray pop-up too) it shows the topic of
// the highlighted entry, even where the window has an F1 entry of its own; elsewhere a
// window's own F1 entry runs, and without one the focused control's topic is shown, or that
// of the nearest parent, window included, that has one.
class ContextHelp final : public QObject
{
public:
    explicit ContextHelp(std::function<void(int)> showTopic, QObject *parent = nullptr);

    // The topic F1 shows for the entry `action` of `menu` (nullptr: the menu itself).
    static int topicForMenu(const QMenu *menu, const QAction *action);
    // The topic F1 shows with `widget` focused.
    static int topicForWidget(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(int)> m_showTopic;
};

} // namespace nookery
