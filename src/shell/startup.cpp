#include "shell/startup.h"

#include "common/helpcontext.h"
#include "common/suite.h"
#include "common/twips.h"
#include "platform/platform.h"
#include "shell/toolicons.h"

#include <QAction>
#include <QCloseEvent>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>

#include <exception>

namespace nookery {

namespace {

constexpr int WindowWidthTwips = 4380;
constexpr int WindowHeightTwips = 5520;
constexpr int HelpTopic = helpcontext::StartupList;
constexpr int OptionsPage = 1;

const QString DeleteTitle = QStringLiteral("Delete Old Dates");

} // namespace

startup::startup(Platform &platform, Suite &suite, const QDir &startFolder, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_suite(suite),
      m_log(startFolder.filePath(QStringLiteral("startup.dat")))
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
    const auto entry = [this](QMenu *menu, const char *name, const QString &caption, int shortcut) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        if (shortcut)
            a->setShortcut(QKeySequence(shortcut));
        return a;
    };
    QMenu *menufile = menuBar()->addMenu(QStringLiteral("&File"));
    menufile->menuAction()->setObjectName(QStringLiteral("menufile"));
    menudelete = entry(menufile, "menudelete", QStringLiteral("&Delete Old Dates"), Qt::Key_F9);
    menuoptions = entry(menufile, "menuoptions", QStringLiteral("&Options"), Qt::Key_F11);
    menufile->addSeparator()->setObjectName(QStringLiteral("sep1"));
    menuclose = entry(menufile, "menuclose", QStringLiteral("&Close"), Qt::Key_F12);

    QMenu *menuhelp = menuBar()->addMenu(QStringLiteral("&Help"));
    menuhelp->menuAction()->setObjectName(QStringLiteral("menuhelp"));
    menuhelp1 = entry(menuhelp, "menuhelp1", QStringLiteral("Help &Topics"), 0);
    // The key is part of the caption; F1 itself is a window shortcut below.
    menuhelp2 = entry(menuhelp, "menuhelp2", QStringLiteral("&Using the Startup List      F1"), 0);
    menuhelp->addSeparator()->setObjectName(QStringLiteral("sep2"));
    menuhelp3 = entry(menuhelp, "menuhelp3", QStringLiteral("&About Nookery"), 0);
}

void startup::buildToolBar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setContextMenuPolicy(Qt::PreventContextMenu);
    struct Button
    {
        const char16_t *key;
        const char16_t *tip;
        const char16_t *glyph;
        QRgb tile;
    };
    const Button buttons[] = {
        {u"tooldelete", u"Delete Old Startup Dates", u"\u2212", 0xc62828},
        {nullptr, nullptr, nullptr, 0},
        {u"tooloptions", u"Set Options", u"O", 0x546e7a},
        {u"toolhelp", u"Help Using Startup List", u"?", 0x1565c0},
        {u"toolclose", u"Close Startup List", u"\u00d7", 0x6d4c41},
    };
    for (const Button &b : buttons) {
        if (!b.key) {
            Toolbar1->addSeparator();
            continue;
        }
        const QString key = QString::fromUtf16(b.key);
        QAction *button = Toolbar1->addAction(toolIcon(QString::fromUtf16(b.glyph), QColor(b.tile)),
                                              QString::fromUtf16(b.tip));
        button->setObjectName(key);
        button->setData(key);
        button->setToolTip(QString::fromUtf16(b.tip));
    }
}

void startup::connectHandlers()
{
    connect(menudelete, &QAction::triggered, this, &startup::deleteold);
    connect(menuoptions, &QAction::triggered, this, &startup::menuoptions_Click);
    connect(menuclose, &QAction::triggered, this, &startup::menuclose_Click);
    connect(menuhelp1, &QAction::triggered, this, &startup::menuhelp1_Click);
    connect(menuhelp2, &QAction::triggered, this, &startup::menuhelp2_Click);
    connect(menuhelp3, &QAction::triggered, this, &startup::menuhelp3_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &startup::menuhelp2_Click);
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
    const QString key = button ? button->data().toString() : QString();
    if (key == u"tooldelete")
        deleteold();
    else if (key == u"tooloptions")
        menuoptions_Click();
    else if (key == u"toolhelp")
        menuhelp2_Click();
    else if (key == u"toolclose")
        menuclose_Click();
}

void startup::menuoptions_Click()
{
    m_suite.showOptions(OptionsPage);
}

void startup::menuclose_Click()
{
    close();
}

void startup::menuhelp1_Click()
{
    m_suite.showHelpContents();
}

void startup::menuhelp2_Click()
{
    m_suite.showHelpTopic(HelpTopic);
}

void startup::menuhelp3_Click()
{
    m_suite.show(Tool::About);
}

void startup::closeEvent(QCloseEvent *event)
{
    m_log.close();
    QMainWindow::closeEvent(event);
}

} // namespace nookery
