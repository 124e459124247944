#include "platform/contexthelp.h"

#include "common/helpcontext.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace nookery {

namespace {

bool isPlainF1(const QEvent *event)
{
    const auto *key = static_cast<const QKeyEvent *>(event);
    return key->key() == Qt::Key_F1 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

int topicOfWidgetChain(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (const int n = helpcontext::of(w))
            return n;
    }
    return 0;
}

} // namespace

ContextHelp::ContextHelp(std::function<void(int)> showTopic, QObject *parent)
    : QObject(parent), m_showTopic(std::move(showTopic))
{
}

int ContextHelp::topicForMenu(const QMenu *menu, const QAction *action)
{
    if (const int n = helpcontext::of(action))
        return n;
    // An entry without a number of its own: its sub-menu's, then the owning window's.
    for (const QWidget *w = menu; w; w = w->parentWidget()) {
        if (const auto *m = qobject_cast<const QMenu *>(w)) {
            if (const int n = helpcontext::of(m->menuAction()))
                return n;
            if (const int n = helpcontext::of(m))
                return n;
            continue;
        }
        if (const int n = topicOfWidgetChain(w))
            return n;
        break;
    }
    return helpcontext::Contents;
}

int ContextHelp::topicForWidget(const QWidget *widget)
{
    const int n = topicOfWidgetChain(widget);
    return n ? n : helpcontext::Contents;
}

bool ContextHelp::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || !isPlainF1(event))
        return QObject::eventFilter(watched, event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (menu) {
        // The menu's own F1 entry must not run: the highlighted entry's topic is wanted.
        if (type == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        const int topic = topicForMenu(menu, menu->activeAction());
        while (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        m_showTopic(topic);
        return true;
    }
    if (type == QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    // A window's F1 entry, where there is one, took the key before it got here.
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return QObject::eventFilter(watched, event);
    QWidget *focus = QApplication::focusWidget();
    m_showTopic(topicForWidget(focus && focus->window() == widget->window() ? focus : widget));
    return true;
}

} // namespace nookery
