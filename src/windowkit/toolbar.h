#pragma once

#include <QList>
#include <QToolBar>
#include <functional>

class QMainWindow;

namespace nookery {

// One button of a tool bar, or a separator (no key). The key is the button's objectName and
// its data(); the handler runs when the window's button-click handler passes it on.
struct ToolButton
{
    const char16_t *key = nullptr;
    const char *icon = nullptr; // freedesktop icon name
    const char16_t *tip = nullptr;
    std::function<void(QAction *)> handler = {};
    bool twoState = false;
    const char16_t *text = nullptr; // a caption shown beside the picture; the tip otherwise
};

// A window's handler as a button's: most buttons ignore which action they came from.
template <class Window, class Owner>
std::function<void(QAction *)> call(Window *window, void (Owner::*handler)())
{
    return [window, handler](QAction *) { (window->*handler)(); };
}

// A fixed tool bar made from a table, added to the top of the window. Every button says its
// tool tip to a screen reader.
class ToolBar final : public QToolBar
{
    Q_OBJECT
public:
    ToolBar(QMainWindow *window, const char *name, QList<ToolButton> buttons);

    // Runs the handler of the button whose key `button` carries; false for an unknown key.
    bool run(QAction *button) const;
    // The button with the key, or nullptr.
    QAction *button(QStringView key) const;
    // Every button and separator, in order.
    const QList<QAction *> &items() const { return m_items; }

private:
    QList<ToolButton> m_buttons;
    QList<QAction *> m_items;
};

} // namespace nookery
