#pragma once

#include "platform/tray.h"

#include <QDir>
#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <array>
#include <memory>

class QAction;
class QMenu;
class QToolBar;

namespace nookery {

class Clock;
class Platform;
class SettingsStore;
class Suite;

// The main window: the strip with the suite's menu and tool bar, or, in tray mode, the
// hidden owner of the tray icon whose pop-up is the same menu. It lives for the whole run.
class Nookery : public QMainWindow
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

    // The one way out: tray icon removed, then exitRequested(). Safe to call twice.
    void Form_Unload();

    // Shows or hides one tool's menu entry and tool bar buttons; `section` is the store
    // section of its "Menu" key ("Other Programs" for the start-up list).
    void setToolVisible(const QString &section, bool visible);

    QMenu *mnubar() const { return m_mnubar; }
    QToolBar *Toolbar1() const { return m_toolbar; }
    // Tool bar button by its index, 1 to 14; separators included.
    QAction *toolbarButton(int index) const { return m_buttons.at(index - 1); }
    bool trayMode() const { return m_trayMode; }

    // Hidden state of the window.
    QString LabelPath;
    QString Label1;
    QTimer Timer1;

signals:
    void exitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void buildToolBar();
    void connectHandlers();
    void placeWindow();
    void showStrip();
    // Handlers 1, 5, 6 and 7 also make the next start show the window.
    bool trapToStandard(int handler, const std::function<void()> &body);
    bool trapped(int handler, const std::function<void()> &body);

    SettingsStore &m_store;
    Clock &m_clock;
    Platform &m_platform;
    Suite &m_tools;
    QDir m_startFolder;
    std::unique_ptr<Tray> m_tray;
    bool m_trayMode = false;
    bool m_unloaded = false;

    QMenu *m_mnubar = nullptr;
    QMenu *m_menucountdown = nullptr;
    QMenu *m_menuother = nullptr;
    std::array<QAction *, 5> m_menuprog{};
    QAction *m_sep2 = nullptr;
    QToolBar *m_toolbar = nullptr;
    std::array<QAction *, 14> m_buttons{};
};

} // namespace nookery
