#include "startup/startup.h"

#include "common/datepattern.h"
#include "common/helpcontext.h"
#include "common/suite.h"
#include "common/toolcontext.h"
#include "common/twips.h"
#include "platform/platform.h"
#include "settings/settingsstore.h"
#include "windowkit/menus.h"
#include "windowkit/toolbar.h"

#include <QAction>
#include <QCloseEvent>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include <exception>

namespace nookery {

namespace {

constexpr int WindowWidthTwips = 4380;
constexpr int WindowHeightTwips = 5520;
constexpr int HelpTopic = helpcontext::StartupList;
constexpr int OptionsPage = 1;

const QString DeleteTitle = QStringLiteral("Delete Old Dates");

} // namespace

startup::startup(const ToolContext &context, QWidget *parent)
    : QMainWindow(parent), StandardHelp(context.suite, HelpTopic), m_platform(context.platform),
      m_suite(context.suite),
      // Read in the order the starts were written in, whatever the locale's short date says.
      m_log(context.startFolder.filePath(QStringLiteral("startup.dat")),
            DatePatterns::fromSetting(context.store.get(keys::CalendarFormat)).dayFirst())
{
    setObjectName(QStringLiteral("startup"));
    setWindowTitle(QStringLiteral("Startup List"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    buildMenus();
    buildToolBar();
    // A list box over a model that makes only the lines in view: a log of years of starts
    // opens at once.
    startuplist = new QListView(this);
    startuplist->setObjectName(QStringLiteral("startuplist"));
    startuplist->setAccessibleName(QStringLiteral("Startup dates"));
    startuplist->setUniformItemSizes(true);
    startuplist->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lines = new StartupListModel(startuplist);
    startuplist->setModel(m_lines);
    setCentralWidget(startuplist);
    connectHandlers();
    Form_Load();
}

startup::~startup() = default;

void startup::buildMenus()
{
    using kit::addEntry;
    QMenu *menufile = kit::addMenu(menuBar(), "menufile", QStringLiteral("&File"));
    menudelete = addEntry(menufile, "menudelete", QStringLiteral("&Delete Old Dates"), Qt::Key_F9);
    menuoptions = addEntry(menufile, "menuoptions", QStringLiteral("&Options"), Qt::Key_F11);
    kit::addSeparator(menufile, "sep1");
    menuclose = addEntry(menufile, "menuclose", QStringLiteral("&Close"), Qt::Key_F12);
    // The key is part of the caption; F1 itself is a window shortcut below.
    addHelpMenu(this, {u"Help &Topics", u"&Using the Startup List      F1", {}, "sep2"});
}

void startup::buildToolBar()
{
    Toolbar1 = new ToolBar(
        this, "Toolbar1",
        {
            {u"tooldelete", "edit-clear-history", u"Delete Old Startup Dates",
             call(this, &startup::deleteold)},
            {},
            {u"tooloptions", "configure", u"Set Options", call(this, &startup::menuoptions_Click)},
            {u"toolhelp", "help-contents", u"Help Using Startup List",
             call(this, &startup::menuhelp2_Click)},
            {u"toolclose", "window-close", u"Close Startup List",
             call(this, &startup::menuclose_Click)},
        });
}

void startup::connectHandlers()
{
    connect(menudelete, &QAction::triggered, this, &startup::deleteold);
    connect(menuoptions, &QAction::triggered, this, &startup::menuoptions_Click);
    connect(menuclose, &QAction::triggered, this, &startup::menuclose_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { menuhelp2_Click(); });
    connect(Toolbar1, &QToolBar::actionTriggered, this, &startup::Toolbar1_ButtonClick);
}

void startup::Form_Load()
{
    setFixedSize(twipsToPixels(WindowWidthTwips), twipsToPixels(WindowHeightTwips));
    try {
        m_log.open();
        m_lines->setLines(m_log.snapshot());
    } catch (const std::exception &e) {
        // The list has no message of its own; it shows what it could read, here nothing.
        qWarning("Startup List: %s", e.what());
    }
}

void startup::deleteold()
{
    if (!m_platform.messages().question(
            DeleteTitle, QStringLiteral("Do you want to delete all of the old startup dates?")))
        return;
    StartupLines lines;
    try {
        m_log.pruneToNewest();
        lines = m_log.snapshot(true);
    } catch (const std::exception &e) {
        m_platform.messages().information(
            DeleteTitle, QStringLiteral("The old startup dates could not be deleted: ") +
                             QString::fromUtf8(e.what()));
        return;
    }
    m_lines->setLines(std::move(lines));
}

void startup::Toolbar1_ButtonClick(QAction *button)
{
    Toolbar1->run(button);
}

void startup::menuoptions_Click()
{
    m_suite.showOptions(OptionsPage);
}

void startup::menuclose_Click()
{
    close();
}

void startup::closeEvent(QCloseEvent *event)
{
    m_log.close();
    QMainWindow::closeEvent(event);
}

} // namespace nookery
