#include "windowkit/menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace nookery::kit {

namespace {

QMenu *named(QMenu *menu, const char *name)
{
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

QMenu *addMenu(QMenuBar *bar, const char *name, const QString &caption)
{
    return named(bar->addMenu(caption), name);
}

QMenu *addSubMenu(QMenu *menu, const char *name, const QString &caption)
{
    return named(menu->addMenu(caption), name);
}

QAction *addEntry(QMenu *menu, const char *name, const QString &caption, const QKeySequence &key)
{
    return addEntry(menu, QLatin1String(name), caption, key);
}

QAction *addEntry(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &key)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    // A window's own keys: two open windows may both use F12.
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

QAction *addSeparator(QMenu *menu, const char *name)
{
    QAction *separator = menu->addSeparator();
    if (name)
        separator->setObjectName(QLatin1String(name));
    return separator;
}

QString spokenText(const QString &caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&&" is a literal ampersand; a single "&" only marks the next letter.
        if (caption.at(i) == u'&' && i + 1 < caption.size()) {
            ++i;
        }
        out += caption.at(i);
    }
    return out;
}

} // namespace nookery::kit
