#include "shell/nookery.h"

#include "common/clock.h"
#include "common/failure.h"
#include "common/suite.h"
#include "common/twips.h"
#include "platform/platform.h"
#include "platform/trap.h"
#include "settings/settingsstore.h"
#include "shell/toolicons.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace nookery {

namespace {

const QString OtherPrograms = QStringLiteral("Other Programs");
const QString Checked = QStringLiteral("checked");
const QString Unchecked = QStringLiteral("unchecked");

// The help topic of the suite's contents.
constexpr int ContentsTopic = 200;

struct ToolButton
{
    const char16_t *key; // nullptr for a separator
    const char16_t *tip;
    const char16_t *glyph;
    QRgb tile;
    void (Nookery::*click)(); // what the button does, as its menu entry
};

// Index order matters: the visibility groups name buttons by index.
constexpr ToolButton Buttons[14] = {
    {u"ToolCountDown", u"CountDown", u"\u25BC", 0xc62828, &Nookery::submenuCountDown_Click},
    {u"ToolCountUp", u"CountUp", u"\u25B2", 0xad1457, &Nookery::submenuCountUp_Click},
    {u"ToolDateCountDown", u"Date CountDown", u"D", 0x6a1b9a, &Nookery::submenuCountDate_Click},
    {u"ToolFullScreenCountDown", u"Full Screen CountDown", u"F", 0x4527a0, &Nookery::submenuCountFull_Click},
    {nullptr, nullptr, nullptr, 0, nullptr},
    {u"ToolCalendar", u"Calendar", u"31", 0x1565c0, &Nookery::menucalendar_Click},
    {u"ToolConversionTables", u"Conversion Tables", u"\u21C4", 0x00838f, &Nookery::menuconvert_Click},
    {u"ToolReminders", u"Reminders", u"!", 0xef6c00, &Nookery::menureminders_Click},
    {u"ToolStartupList", u"Startup List", u"\u2261", 0x558b2f, &Nookery::menustartup_Click},
    {u"ToolStickyNotes", u"Sticky Notes", u"\u270E", 0xf9a825, &Nookery::menunote_Click},
    {nullptr, nullptr, nullptr, 0, nullptr},
    {u"ToolOptions", u"Set Options", u"\u2699", 0x546e7a, &Nookery::menuoptions_Click},
    {u"ToolHelp", u"Help Using Nookery", u"?", 0x0277bd, &Nookery::menucontents_Click},
    {u"ToolExit", u"Exit Nookery", u"\u00D7", 0x424242, &Nookery::menuexit_Click},
};

struct VisibilityGroup
{
    const char16_t *section;
    const char16_t *key;
    const char *menuItem;
    int firstButton;
    int lastButton;
};

// In the order the start-up reads them.
constexpr VisibilityGroup Groups[6] = {
    {u"Calendar", u"Menu", "menucalendar", 6, 6},
    {u"Conversion Tables", u"Menu", "menuconvert", 7, 7},
    {u"CountDown", u"Menu", "menucountdown", 1, 5},
    {u"Reminders", u"Menu", "menureminders", 8, 8},
    {u"Other Programs", u"Startup Menu", "menustartup", 9, 9},
    {u"Sticky Note", u"Menu", "menunote", 10, 10},
};

QString str(const char16_t *s)
{
    return QString::fromUtf16(s);
}

} // namespace

Nookery::Nookery(SettingsStore &store, Clock &clock, Platform &platform, Suite &tools,
                 const QDir &startFolder, QWidget *parent)
    : QMainWindow(parent), m_store(store), m_clock(clock), m_platform(platform),
      m_tools(tools), m_startFolder(startFolder), m_tray(platform.createTray())
{
    setObjectName(QStringLiteral("Nookery"));
    setWindowTitle(QStringLiteral("Nookery"));
    setWindowIcon(suiteIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(55000);
    buildMenu();
    buildToolBar();
    connectHandlers();
}

Nookery::~Nookery()
{
    m_tray->remove();
}

void Nookery::buildMenu()
{
    m_mnubar = menuBar()->addMenu(QStringLiteral("&File"));
    m_mnubar->setObjectName(QStringLiteral("mnubar"));

    auto item = [this](QMenu *menu, const char *name, const QString &caption,
                       QKeySequence key = {}) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        return action;
    };
    auto separator = [](QMenu *menu, const char *name) {
        QAction *action = menu->addSeparator();
        action->setObjectName(QLatin1String(name));
        return action;
    };

    m_menucountdown = m_mnubar->addMenu(QStringLiteral("CountDown Timers"));
    m_menucountdown->menuAction()->setObjectName(QStringLiteral("menucountdown"));
    item(m_menucountdown, "submenuCountDown", QStringLiteral("&CountDown"), Qt::Key_F2);
    item(m_menucountdown, "submenuCountUp", QStringLiteral("Count&Up"), Qt::Key_F3);
    item(m_menucountdown, "submenuCountDate", QStringLiteral("&Date CountDown"), Qt::Key_F4);
    item(m_menucountdown, "submenuCountFull", QStringLiteral("&Fullscreen CountDown"),
         Qt::Key_F5);
    item(m_mnubar, "menucalendar", QStringLiteral("Calendar"));
    item(m_mnubar, "menuconvert", QStringLiteral("Conversion Tables"), Qt::Key_F6);
    item(m_mnubar, "menureminders", QStringLiteral("Reminders"), Qt::Key_F7);
    item(m_mnubar, "menustartup", QStringLiteral("Startup List"), Qt::Key_F8);
    item(m_mnubar, "menunote", QStringLiteral("Sticky Notes"), Qt::Key_F9);
    separator(m_mnubar, "sep1");

    m_menuother = m_mnubar->addMenu(QStringLiteral("Other Programs"));
    m_menuother->menuAction()->setObjectName(QStringLiteral("menuother"));
    for (int n = 0; n < 5; ++n) {
        const QByteArray name = "menuprog" + QByteArray::number(n + 1);
        m_menuprog[n] = item(m_menuother, name.constData(), QString());
        m_menuprog[n]->setVisible(false);
    }
    m_sep2 = separator(m_menuother, "sep2");
    m_sep2->setVisible(false);
    item(m_menuother, "menucalc", QStringLiteral("Calculator"));
    item(m_menuother, "menusaver", QStringLiteral("Screen Saver"));

    separator(m_mnubar, "sep3");
    item(m_mnubar, "menuoptions", QStringLiteral("Options"), Qt::Key_F11);
    item(m_mnubar, "menucontents", QStringLiteral("Help"), Qt::Key_F1);
    item(m_mnubar, "menuabout", QStringLiteral("About"));
    separator(m_mnubar, "sep4");
    item(m_mnubar, "menuexit", QStringLiteral("Exit"), Qt::Key_F12);
}

void Nookery::buildToolBar()
{
    m_toolbar = addToolBar(QStringLiteral("Toolbar1"));
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    for (int i = 0; i < 14; ++i) {
        const ToolButton &b = Buttons[i];
        if (!b.key) {
            m_buttons[i] = m_toolbar->addSeparator();
            continue;
        }
        QAction *button = m_toolbar->addAction(toolIcon(str(b.glyph), QColor(b.tile)),
                                               str(b.tip));
        button->setObjectName(str(b.key));
        button->setData(str(b.key));
        button->setToolTip(str(b.tip));
        m_buttons[i] = button;
    }
}

void Nookery::connectHandlers()
{
    auto on = [this](const char *name, void (Nookery::*handler)()) {
        QAction *action = findChild<QAction *>(QLatin1String(name));
        Q_ASSERT(action);
        connect(action, &QAction::triggered, this, handler);
    };
    on("submenuCountDown", &Nookery::submenuCountDown_Click);
    on("submenuCountUp", &Nookery::submenuCountUp_Click);
    on("submenuCountDate", &Nookery::submenuCountDate_Click);
    on("submenuCountFull", &Nookery::submenuCountFull_Click);
    on("menucalendar", &Nookery::menucalendar_Click);
    on("menuconvert", &Nookery::menuconvert_Click);
    on("menureminders", &Nookery::menureminders_Click);
    on("menustartup", &Nookery::menustartup_Click);
    on("menunote", &Nookery::menunote_Click);
    on("menucalc", &Nookery::menucalc_Click);
    on("menusaver", &Nookery::menusaver_Click);
    on("menuoptions", &Nookery::menuoptions_Click);
    on("menucontents", &Nookery::menucontents_Click);
    on("menuabout", &Nookery::menuabout_Click);
    on("menuexit", &Nookery::menuexit_Click);
    for (int n = 0; n < 5; ++n)
        connect(m_menuprog[n], &QAction::triggered, this, [this, n] { menuprog_Click(n + 1); });
    connect(m_toolbar, &QToolBar::actionTriggered, this, &Nookery::Toolbar1_ButtonClick);
    connect(&Timer1, &QTimer::timeout, this, &Nookery::Timer1_Timer);
    connect(m_tray.get(), &Tray::mouseEvent, this, &Nookery::pichook_MouseMove);
}

bool Nookery::trapped(int handler, const std::function<void()> &body)
{
    return trap(m_platform.messages(), handler, body);
}

bool Nookery::trapToStandard(int handler, const std::function<void()> &body)
{
    return trap(m_platform.messages(), handler, body, true,
                [this] { m_store.save(OtherPrograms, QStringLiteral("Run From Tray"), Unchecked); });
}

void Nookery::placeWindow()
{
    // The stored size is the whole strip, title bar included; the client keeps what is left,
    // but never less than the menu bar and tool bar need.
    const int width = twipsToPixels(7380);
    const int outer = twipsToPixels(1300);
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int needed = menuBar()->sizeHint().height() + m_toolbar->sizeHint().height();
    setFixedSize(width, std::max(outer - titleBar, needed));
    move(0, 0);
}

void Nookery::Form_Load()
{
    const bool loaded = trapToStandard(1, [this] {
        placeWindow();
        LabelPath = m_startFolder.absolutePath();
        const QString path = m_store.get(OtherPrograms, QStringLiteral("Path"));
        if (!path.isEmpty()) {
            m_platform.dialogs().InitDir = path;
        } else {
            m_platform.dialogs().InitDir = LabelPath;
            m_store.save(OtherPrograms, QStringLiteral("Path"), LabelPath);
        }
    });
    if (!loaded) {
        // Neither the window nor the icon exists yet; show the window so the suite can be
        // reached this time too.
        showStrip();
        return;
    }
    AddVersionNumber();
    RunNookery();
    LoadMenu();
    LogStartup();
    AppsToRunNow();
    Timer1.start();
}

void Nookery::AddVersionNumber()
{
    trapped(2, [this] {
        QString version = m_store.get(OtherPrograms, QStringLiteral("Version"));
        if (version.isEmpty())
            version = QStringLiteral("7.0");
        m_store.save(OtherPrograms, QStringLiteral("Version"), version);
    });
}

void Nookery::showStrip()
{
    m_trayMode = false;
    show();
    move(0, 0);
}

void Nookery::RunNookery()
{
    bool shown = false;
    const bool ok = trapToStandard(5, [this, &shown] {
        const QString key = QStringLiteral("Run From Tray");
        if (m_store.get(OtherPrograms, key).isEmpty())
            m_store.save(OtherPrograms, key, Checked);
        // Without a notification area the icon would be unreachable: show the strip.
        if (m_store.get(OtherPrograms, key) != Checked || !m_tray->isAvailable()) {
            showStrip();
        } else {
            m_trayMode = true;
            m_tray->add(suiteIcon(), suiteTitle());
        }
        shown = true;
    });
    if (!ok && !shown)
        showStrip();
}

void Nookery::setToolVisible(const QString &section, bool visible)
{
    for (const VisibilityGroup &group : Groups) {
        if (str(group.section) != section)
            continue;
        findChild<QAction *>(QLatin1String(group.menuItem))->setVisible(visible);
        for (int i = group.firstButton; i <= group.lastButton; ++i)
            toolbarButton(i)->setVisible(visible);
    }
}

void Nookery::LoadMenu()
{
    trapToStandard(6, [this] {
        for (const VisibilityGroup &group : Groups) {
            const QString section = str(group.section);
            const QString key = str(group.key);
            const bool hidden = m_store.get(section, key) == Checked;
            setToolVisible(section, !hidden);
            if (!hidden)
                m_store.save(section, key, Unchecked);
        }
        bool any = false;
        for (int n = 0; n < 5; ++n) {
            const QString label =
                m_store.get(OtherPrograms, QStringLiteral("Program %1 label").arg(n + 1));
            m_menuprog[n]->setText(label);
            m_menuprog[n]->setVisible(!label.isEmpty());
            any = any || !label.isEmpty();
        }
        m_sep2->setVisible(any);
    });
}

void Nookery::LogStartup()
{
    // The start-up log comes with its own window; until then a start is not recorded.
    trapToStandard(7, [] {});
}

void Nookery::AppsToRunNow()
{
    trapped(8, [] {});
}

void Nookery::Timer1_Timer()
{
    trapped(10, [this] {
        Label1 = m_clock.now().time().toString(QStringLiteral("HH:mm"));
        if (m_store.get(QStringLiteral("Reminders"), QStringLiteral("Check Time")) == Checked
            && Label1 == m_store.get(QStringLiteral("Reminders"), QStringLiteral("Time")))
            m_tools.showReminders();
    });
}

void Nookery::pichook_MouseMove(Tray::Event event)
{
    trapped(9, [this, event] {
        if (event == Tray::Event::LeftRelease || event == Tray::Event::RightRelease)
            m_mnubar->popup(QCursor::pos());
    });
}

void Nookery::Toolbar1_ButtonClick(QAction *button)
{
    trapped(33, [this, button] {
        if (!button)
            return;
        const QString key = button->data().toString();
        for (const ToolButton &b : Buttons) {
            if (b.key && key == QStringView(b.key)) {
                (this->*b.click)();
                return;
            }
        }
    });
}

void Nookery::submenuCountDown_Click()
{
    trapped(22, [this] { m_tools.showCountDown(); });
}

void Nookery::submenuCountUp_Click()
{
    trapped(23, [this] { m_tools.showCountUp(); });
}

void Nookery::submenuCountDate_Click()
{
    trapped(24, [this] { m_tools.showCountDate(); });
}

void Nookery::submenuCountFull_Click()
{
    trapped(25, [this] { m_tools.showCountFull(); });
}

void Nookery::menucalendar_Click()
{
    trapped(20, [this] { m_tools.showCalendar(); });
}

void Nookery::menuconvert_Click()
{
    trapped(21, [this] { m_tools.showConvert(); });
}

void Nookery::menureminders_Click()
{
    trapped(26, [this] { m_tools.showReminders(); });
}

void Nookery::menustartup_Click()
{
    trapped(27, [this] { m_tools.showStartupList(); });
}

void Nookery::menunote_Click()
{
    trapped(28, [this] { m_tools.showStickyNotes(); });
}

void Nookery::menuoptions_Click()
{
    trapped(29, [this] { m_tools.showOptions(1); });
}

void Nookery::menucontents_Click()
{
    trapped(30, [this] { m_platform.dialogs().ShowHelp(CommonDialog::HelpContext, ContentsTopic); });
}

void Nookery::menuabout_Click()
{
    trapped(31, [this] { m_tools.showAbout(); });
}

void Nookery::menuprog_Click(int n)
{
    trapped(14 + n, [this, n] {
        const QString command =
            m_store.get(OtherPrograms, QStringLiteral("Program %1 path").arg(n));
        // A program that cannot be started is not a failure of ours; nothing is shown.
        m_platform.programs().startCommandLine(command);
    });
}

void Nookery::menucalc_Click()
{
    trapped(13, [this] { m_platform.programs().startCalculator(); });
}

void Nookery::menusaver_Click()
{
    trapped(14, [this] { m_platform.programs().startScreenSaver(); });
}

void Nookery::menuexit_Click()
{
    trapped(32, [this] { Form_Unload(); });
}

void Nookery::closeEvent(QCloseEvent *event)
{
    // Closing the strip ends the suite the same way as Exit.
    event->accept();
    Form_Unload();
}

void Nookery::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    trapped(12, [this] {
        Timer1.stop();
        m_tray->remove();
    });
    emit exitRequested();
}

} // namespace nookery
