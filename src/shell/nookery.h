#pragma once

#include "common/tool.h"
#include "common/toolwindow.h"
#include "platform/tray.h"
#include "windowkit/toolbar.h"

#include <QDateTime>
#include <QDir>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QMenu;

namespace nookery {

class Clock;
class Platform;
class SettingsStore;
class Suite;
struct Key;
struct ToolRow;

// The main window: the strip with the suite's menu and tool bar, or, in tray mode, the
// hidden owner of the tray icon whose pop-up is the same menu. It lives for the whole run.
class Nookery : public QMainWindow, public ToolWindow
{
    Q_OBJECT
public:
    Nookery(SettingsStore &store, Clock &clock, Platform &platform, Suite &tools,
            const QDir &startFolder, QWidget *parent = nullptr);
    ~Nookery() override;

    // The start-up sequence.
    void Form_Load();
    void AddVersionNumber();
    void RunNookery();
    void LoadMenu();
    void LogStartup();
    void AppsToRunNow();

    void Timer1_Timer();
    // Tray mode without a tray host at start: looks for a panel that starts after the suite.
    void TrayWait_Timer();
    void pichook_MouseMove(nookery::Tray::Event event);
    void Toolbar1_ButtonClick(QAction *button);

    void submenuCountDown_Click();
    void submenuCountUp_Click();
    void submenuCountDate_Click();
    void submenuCountFull_Click();
    void menucalendar_Click();
    void menuconvert_Click();
    void menureminders_Click();
    void menustartup_Click();
    void menunote_Click();
    void menuprog_Click(int n);
    void menucalc_Click();
    void menusaver_Click();
    void menuoptions_Click();
    void menucontents_Click();
    void menuabout_Click();
    void menuexit_Click();

    // Another start of the suite asked for it: the strip comes forward, or in tray mode the
    // menu pops up at the pointer.
    void bringForward();

    // The one way out: tray icon removed, then exitRequested(). Safe to call twice.
    void Form_Unload();

    // Shows or hides one tool's menu entry and tool bar buttons, by its visibility key.
    void setToolVisible(const Key &group, bool visible);
    // The options were saved: the visibility groups follow the store again (nothing is
    // written; the user programs change at the next start).
    void optionsChanged() override;

    QMenu *mnubar() const { return m_mnubar; }
    ToolBar *Toolbar1() const { return m_toolbar; }
    // Tool bar button by its index, counted from 1; separators included.
    QAction *toolbarButton(int index) const;
    bool trayMode() const { return m_trayMode; }

    // Hidden state of the window.
    QString LabelPath;
    QString Label1;
    QTimer Timer1;
    QTimer TrayWait;

signals:
    void exitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenuAndToolBar();
    // Runs a row's handler: its own, or opening its tool.
    void click(const ToolRow &row);
    void buildOtherPrograms();
    void connectHandlers();
    void applyVisibility(bool normalise);
    void open(int handler, Tool tool);
    void placeWindow();
    void showStrip();
    void enterTray();
    // Handlers 1, 5, 6 and 7 also make the next start show the window.
    bool trapToStandard(int handler, const std::function<void()> &body);
    bool trapped(int handler, const std::function<void()> &body);

    SettingsStore &m_store;
    Clock &m_clock;
    Platform &m_platform;
    Suite &m_tools;
    QDir m_startFolder;
    QDateTime m_startMoment; // read once by LogStartup, used again by AppsToRunNow
    std::unique_ptr<Tray> m_tray;
    bool m_trayMode = false;
    bool m_unloaded = false;
    QDateTime m_trayWaitSince;

    QMenu *m_mnubar = nullptr;
    QMenu *m_menucountdown = nullptr;
    QMenu *m_menuother = nullptr;
    std::array<QAction *, 5> m_menuprog{};
    QAction *m_sep2 = nullptr;
    ToolBar *m_toolbar = nullptr;
    // Every menu entry and button of a visibility group, by its key.
    QList<std::pair<const Key *, QAction *>> m_grouped;
};

} // namespace nookery
