#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

namespace nookery::kit {

// A menu on the bar; the menu and its bar entry both carry the name, so a lookup finds
// either.
QMenu *addMenu(QMenuBar *bar, const char *name, const QString &caption);
QMenu *addSubMenu(QMenu *menu, const char *name, const QString &caption);
// A named entry with its key (none when empty).
QAction *addEntry(QMenu *menu, const QString &name, const QString &caption,
                  const QKeySequence &key = {});
QAction *addEntry(QMenu *menu, const char *name, const QString &caption,
                  const QKeySequence &key = {});
// A separator, named where the window refers to it.
QAction *addSeparator(QMenu *menu, const char *name = nullptr);

// The caption as a screen reader says it: without the "&" that marks the access key.
QString spokenText(const QString &caption);

} // namespace nookery::kit
