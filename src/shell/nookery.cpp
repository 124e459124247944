#include "shell/nookery.h"

#include "common/clock.h"
#include "common/failure.h"
#include "common/helpcontext.h"
#include "common/suite.h"
#include "common/twips.h"
#include "platform/notifications.h"
#include "platform/platform.h"
#include "platform/trap.h"
#include "settings/settingsstore.h"
#include "shell/toolrows.h"
#include "startup/startuplog.h"
#include "windowkit/icons.h"
#include "windowkit/menus.h"
#include "windowkit/suiteicon.h"
#include "windowkit/toolbar.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>

namespace nookery {

namespace {

// A panel started together with the suite at login comes up within this time; later than
// that the strip stays, and nothing is checked any more.
constexpr qint64 TrayWaitSeconds = 300;
constexpr int TrayWaitInterval = 2000;

QString str(const char16_t *s)
{
    return QString::fromUtf16(s);
}

} // namespace

Nookery::Nookery(SettingsStore &store, Clock &clock, Platform &platform, Suite &tools,
                 const QDir &startFolder, QWidget *parent)
    : QMainWindow(parent), m_store(store), m_clock(clock), m_platform(platform), m_tools(tools),
      m_startFolder(startFolder), m_tray(platform.createTray())
{
    setObjectName(QStringLiteral("Nookery"));
    setWindowTitle(QStringLiteral("Nookery"));
    setWindowIcon(suiteIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(55000);
    TrayWait.setObjectName(QStringLiteral("TrayWait"));
    TrayWait.setInterval(TrayWaitInterval);
    buildMenuAndToolBar();
    // The same menu, so the visibility options and LoadMenu reach the tray's menu too.
    m_tray->setMenu(m_mnubar);
    // F1 on a highlighted entry or button shows its row's topic (set as each is made); the
    // rest show the contents.
    helpcontext::set(this, helpcontext::Contents);
    connectHandlers();
}

Nookery::~Nookery()
{
    m_tray->remove();
}

void Nookery::buildMenuAndToolBar()
{
    m_mnubar = kit::addMenu(menuBar(), "mnubar", QStringLiteral("&File"));
    QList<ToolButton> buttons;
    QList<const ToolRow *> buttonRows;
    for (const ToolRow &row : toolRows()) {
        QAction *entry = nullptr;
        switch (row.kind) {
        case ToolRow::Kind::WindowOnly:
            continue;
        case ToolRow::Kind::OtherPrograms:
            buildOtherPrograms();
            continue;
        case ToolRow::Kind::Separator:
            if (row.menuName)
                entry = kit::addSeparator(m_mnubar, row.menuName);
            if (row.onToolBar)
                buttons.append(ToolButton{});
            break;
        case ToolRow::Kind::Entry:
            if (row.inCountDown && !m_menucountdown) {
                m_menucountdown =
                    kit::addSubMenu(m_mnubar, "menucountdown", QStringLiteral("CountDown Timers"));
                helpcontext::set(m_menucountdown->menuAction(), helpcontext::CountDown);
            }
            entry = kit::addEntry(row.inCountDown ? m_menucountdown : m_mnubar, row.menuName,
                                  str(row.caption), QKeySequence(row.shortcut));
            if (row.helpTopic)
                helpcontext::set(entry, row.helpTopic);
            if (row.icon)
                entry->setIcon(kit::icon(row.icon));
            connect(entry, &QAction::triggered, this, [this, &row] { click(row); });
            if (row.onToolBar)
                buttons.append(ToolButton{row.buttonKey, row.icon, row.tip,
                                          [this, &row](QAction *) { click(row); }});
            break;
        }
        if (row.onToolBar)
            buttonRows << &row;
    }
    m_toolbar = new ToolBar(this, "Toolbar1", std::move(buttons));
    const QList<QAction *> &items = m_toolbar->items();
    for (int i = 0; i < items.size(); ++i) {
        if (buttonRows.at(i)->group)
            m_grouped.append({buttonRows.at(i)->group, items.at(i)});
    }
    // The groups' own menu entries (the whole "CountDown Timers" sub-menu for the timers).
    for (const VisibilityGroup &group : VisibilityGroups) {
        if (auto *entry = findChild<QAction *>(QLatin1String(group.menuItem)))
            m_grouped.append({group.key, entry});
    }
}

QAction *Nookery::toolbarButton(int index) const
{
    return m_toolbar ? m_toolbar->items().value(index - 1) : nullptr;
}

void Nookery::click(const ToolRow &row)
{
    if (row.click)
        (this->*row.click)();
}

void Nookery::buildOtherPrograms()
{
    m_menuother = kit::addSubMenu(m_mnubar, "menuother", QStringLiteral("Other Programs"));
    // Its entries have no topic of their own: F1 on them shows the sub-menu's.
    helpcontext::set(m_menuother->menuAction(), helpcontext::OtherPrograms);
    for (int n = 0; n < int(m_menuprog.size()); ++n) {
        const QByteArray name = "menuprog" + QByteArray::number(n + 1);
        m_menuprog[n] = kit::addEntry(m_menuother, name.constData(), QString());
        m_menuprog[n]->setVisible(false);
    }
    m_sep2 = kit::addSeparator(m_menuother, "sep2");
    m_sep2->setVisible(false);
    connect(kit::addEntry(m_menuother, "menucalc", QStringLiteral("Calculator")),
            &QAction::triggered, this, &Nookery::menucalc_Click);
    connect(kit::addEntry(m_menuother, "menusaver", QStringLiteral("Screen Saver")),
            &QAction::triggered, this, &Nookery::menusaver_Click);
}

void Nookery::connectHandlers()
{
    for (int n = 0; n < int(m_menuprog.size()); ++n)
        connect(m_menuprog[n], &QAction::triggered, this, [this, n] { menuprog_Click(n + 1); });
    connect(m_toolbar, &QToolBar::actionTriggered, this, &Nookery::Toolbar1_ButtonClick);
    connect(&Timer1, &QTimer::timeout, this, &Nookery::Timer1_Timer);
    connect(&TrayWait, &QTimer::timeout, this, &Nookery::TrayWait_Timer);
    connect(m_tray.get(), &Tray::mouseEvent, this, &Nookery::pichook_MouseMove);
}

bool Nookery::trapped(int handler, const std::function<void()> &body)
{
    return trap(m_platform.messages(), handler, body);
}

bool Nookery::trapToStandard(int handler, const std::function<void()> &body)
{
    return trap(m_platform.messages(), handler, body, true,
                [this] { m_store.save(keys::RunFromTray, value::flag(false)); });
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
        const QString path = m_store.get(keys::Path);
        if (!path.isEmpty()) {
            m_platform.dialogs().InitDir = path;
        } else {
            m_platform.dialogs().InitDir = LabelPath;
            if (!m_store.isUnreadable(keys::Path))
                m_store.save(keys::Path, LabelPath);
        }
    });
    if (!loaded) {
        // Neither the window nor the icon exists yet; show the window so the suite can be
        // reached this time too.
        if (!m_unloaded)
            showStrip();
        return;
    }
    // A quit from inside a step's message box (a signal, logout, Exit) ends the sequence.
    for (void (Nookery::*step)() :
         {&Nookery::AddVersionNumber, &Nookery::RunNookery, &Nookery::LoadMenu,
          &Nookery::LogStartup, &Nookery::AppsToRunNow}) {
        if (m_unloaded)
            return;
        (this->*step)();
    }
    if (!m_unloaded)
        Timer1.start();
}

void Nookery::AddVersionNumber()
{
    trapped(2, [this] {
        // Written back with its value at every start, not only when empty.
        m_store.save(keys::Version, m_store.read(keys::Version));
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
        m_store.read(keys::RunFromTray);
        if (!m_store.isChecked(keys::RunFromTray)) {
            showStrip();
        } else if (m_tray->isAvailable()) {
            enterTray();
        } else {
            // Without a notification area the icon would be unreachable: the strip stands
            // in until a panel turns up.
            showStrip();
            m_trayWaitSince = m_clock.now();
            TrayWait.start();
        }
        shown = true;
    });
    if (!ok && !shown)
        showStrip();
}

void Nookery::enterTray()
{
    m_trayMode = true;
    m_tray->add(suiteIcon(), suiteTitle());
}

void Nookery::TrayWait_Timer()
{
    if (m_tray->isAvailable()) {
        TrayWait.stop();
        enterTray();
        // The strip was only the stand-in for the icon.
        hide();
        return;
    }
    // A clock set back ends the wait too, so it can never run on for the whole session.
    const qint64 waited = m_trayWaitSince.secsTo(m_clock.now());
    if (waited < 0 || waited >= TrayWaitSeconds)
        TrayWait.stop();
}

void Nookery::setToolVisible(const Key &group, bool visible)
{
    for (const auto &[key, action] : std::as_const(m_grouped)) {
        if (key == &group)
            action->setVisible(visible);
    }
}

void Nookery::applyVisibility(bool normalise)
{
    for (const VisibilityGroup &group : VisibilityGroups) {
        const bool hidden = m_store.isChecked(*group.key);
        setToolVisible(*group.key, !hidden);
        if (normalise && !hidden)
            m_store.save(*group.key, value::flag(false));
    }
}

void Nookery::optionsChanged()
{
    trapped(6, [this] { applyVisibility(false); });
}

void Nookery::LoadMenu()
{
    trapToStandard(6, [this] {
        applyVisibility(true);
        bool any = false;
        for (int n = 0; n < int(m_menuprog.size()); ++n) {
            const QString label = m_store.get(keys::ProgramLabel, n + 1);
            m_menuprog[n]->setText(label);
            m_menuprog[n]->setVisible(!label.isEmpty());
            any = any || !label.isEmpty();
        }
        m_sep2->setVisible(any);
    });
}

void Nookery::LogStartup()
{
    // One reading of the clock serves the log and the reminders' once-a-day check, so both
    // name the same day even at midnight.
    m_startMoment = m_clock.now();
    trapToStandard(7, [this] {
        appendStartup(m_startFolder.filePath(QStringLiteral("startup.dat")),
                      StartupRecord::at(m_startMoment, m_store.get(keys::CalendarFormat)));
    });
}

void Nookery::AppsToRunNow()
{
    trapped(8, [this] {
        if (m_store.isChecked(keys::RemindersStartup)) {
            if (!m_store.isChecked(keys::StartOnce)) {
                m_tools.showDue(Tool::Reminders);
            } else {
                // Today's text is worked out here, not left behind by the log, which may
                // have failed.
                const QDateTime moment = m_startMoment.isValid() ? m_startMoment : m_clock.now();
                const QString today =
                    startDateText(moment.date(), m_store.get(keys::CalendarFormat));
                if (m_store.get(keys::DateCheck) != today) {
                    m_tools.showDue(Tool::Reminders);
                    m_store.save(keys::DateCheck, today);
                }
            }
        }
        if (m_store.isChecked(keys::ConvertStartup))
            m_tools.show(Tool::Convert);
        if (m_store.isChecked(keys::CountDownStartup))
            m_tools.show(Tool::CountDown);
        if (m_store.isChecked(keys::NotesStartup))
            m_tools.show(Tool::StickyNotes);
    });
}

void Nookery::Timer1_Timer()
{
    trapped(10, [this] {
        Label1 = m_clock.now().time().toString(QStringLiteral("HH:mm"));
        if (m_store.isChecked(keys::CheckTime) && Label1 == m_store.get(keys::Time))
            m_tools.showDue(Tool::Reminders);
    });
}

void Nookery::pichook_MouseMove(Tray::Event event)
{
    trapped(9, [this, event] {
        // The tray host may already have shown the menu for a right click.
        if ((event == Tray::Event::LeftRelease || event == Tray::Event::RightRelease) &&
            !m_mnubar->isVisible())
            m_mnubar->popup(QCursor::pos());
    });
}

void Nookery::bringForward()
{
    if (m_trayMode) {
        if (!m_mnubar->isVisible())
            m_mnubar->popup(QCursor::pos());
        return;
    }
    bringForwardAction(this)();
}

void Nookery::Toolbar1_ButtonClick(QAction *button)
{
    trapped(33, [this, button] { m_toolbar->run(button); });
}

void Nookery::open(int handler, Tool tool)
{
    trapped(handler, [this, tool] { m_tools.show(tool); });
}

void Nookery::submenuCountDown_Click()
{
    open(22, Tool::CountDown);
}
void Nookery::submenuCountUp_Click()
{
    open(23, Tool::CountUp);
}
void Nookery::submenuCountDate_Click()
{
    open(24, Tool::CountDate);
}
void Nookery::submenuCountFull_Click()
{
    open(25, Tool::CountFull);
}
void Nookery::menucalendar_Click()
{
    open(20, Tool::Calendar);
}
void Nookery::menuconvert_Click()
{
    open(21, Tool::Convert);
}
void Nookery::menureminders_Click()
{
    open(26, Tool::Reminders);
}
void Nookery::menustartup_Click()
{
    open(27, Tool::StartupList);
}
void Nookery::menunote_Click()
{
    open(28, Tool::StickyNotes);
}
void Nookery::menuabout_Click()
{
    open(31, Tool::About);
}

void Nookery::menuoptions_Click()
{
    trapped(29, [this] { m_tools.showOptions(1); });
}

void Nookery::menucontents_Click()
{
    trapped(30, [this] {
        CommonDialog &dialog = m_platform.dialogs();
        // A tool's "Help Topics" may have left the other spelling; this request names its own.
        dialog.HelpFile = QStringLiteral("Nookery.hlp");
        dialog.ShowHelp(CommonDialog::HelpContext, helpcontext::Contents);
    });
}

void Nookery::menuprog_Click(int n)
{
    trapped(14 + n, [this, n] {
        const QString command = m_store.get(keys::ProgramPath, n);
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
        TrayWait.stop();
        m_tray->remove();
    });
    emit exitRequested();
}

} // namespace nookery
