#include "windowkit/helpmenu.h"

#include "common/suite.h"
#include "windowkit/menus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace nookery {

void StandardHelp::addHelpMenu(QMainWindow *window, const HelpMenuCaptions &captions)
{
    menuhelp = kit::addMenu(window->menuBar(), "menuhelp", QStringLiteral("&Help"));
    menuhelp1 = kit::addEntry(menuhelp, "menuhelp1", QString::fromUtf16(captions.topics));
    menuhelp2 = kit::addEntry(menuhelp, "menuhelp2", QString::fromUtf16(captions.usingTool),
                              captions.usingKey);
    kit::addSeparator(menuhelp, captions.separator);
    menuhelp3 = kit::addEntry(menuhelp, "menuhelp3", QStringLiteral("&About Nookery"));
    QObject::connect(menuhelp1, &QAction::triggered, window, [this] { menuhelp1_Click(); });
    QObject::connect(menuhelp2, &QAction::triggered, window, [this] { menuhelp2_Click(); });
    QObject::connect(menuhelp3, &QAction::triggered, window, [this] { menuhelp3_Click(); });
}

void StandardHelp::menuhelp1_Click()
{
    runHelp(1, [this] { m_helpSuite.showHelpContents(); });
}

void StandardHelp::menuhelp2_Click()
{
    runHelp(2, [this] { m_helpSuite.showHelpTopic(m_helpTopic); });
}

void StandardHelp::menuhelp3_Click()
{
    runHelp(3, [this] { m_helpSuite.show(Tool::About); });
}

} // namespace nookery
