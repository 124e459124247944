#include "windowkit/toolbar.h"

#include "windowkit/icons.h"
#include "windowkit/menus.h"

#include <QAction>
#include <QMainWindow>

namespace nookery {

ToolBar::ToolBar(QMainWindow *window, const char *name, QList<ToolButton> buttons)
    : QToolBar(QLatin1String(name), window), m_buttons(std::move(buttons))
{
    setObjectName(QLatin1String(name));
    setMovable(false);
    setFloatable(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    for (const ToolButton &b : std::as_const(m_buttons)) {
        if (!b.key) {
            m_items << addSeparator();
            continue;
        }
        const QString key = QString::fromUtf16(b.key);
        const QString tip = QString::fromUtf16(b.tip);
        const QString text = b.text ? QString::fromUtf16(b.text) : tip;
        QAction *a = b.icon ? addAction(kit::icon(b.icon), text) : addAction(text);
        a->setObjectName(key);
        a->setData(key);
        a->setToolTip(tip);
        a->setCheckable(b.twoState);
        // The button shows a picture only; its tip is what a screen reader says.
        if (QWidget *w = widgetForAction(a))
            w->setAccessibleName(kit::spokenText(tip));
        m_items << a;
    }
    window->addToolBar(Qt::TopToolBarArea, this);
}

bool ToolBar::run(QAction *button) const
{
    if (!button)
        return false;
    const QString key = button->data().toString();
    for (const ToolButton &b : m_buttons) {
        if (b.key && key == QStringView(b.key)) {
            if (b.handler)
                b.handler(button);
            return true;
        }
    }
    return false;
}

QAction *ToolBar::button(QStringView key) const
{
    for (QAction *a : m_items) {
        if (a->data().toString() == key)
            return a;
    }
    return nullptr;
}

} // namespace nookery
