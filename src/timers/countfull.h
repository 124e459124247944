#pragma once

#include "common/suite.h"
#include "common/toolwindow.h"
#include "timers/countdowntimer.h"
#include "windowkit/helpmenu.h"

#include <QDir>
#include <QMainWindow>

class QAction;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;

namespace nookery {

class Clock;
class Platform;
class SettingsStore;
struct ToolContext;

// "Full Screen CountDown": one countdown across the whole screen in very large digits,
// under a standing message, in a normal or a large size scheme.
class CountFull : public QMainWindow, public ToolWindow, public StandardHelp
{
    Q_OBJECT

public:
    explicit CountFull(const ToolContext &context, QWidget *parent = nullptr);
    ~CountFull() override;

    void optionsChanged() override;

    // Handlers, named after their control and event.
    void Form_Load();
    void HScroll1_Change();
    void HScroll2_Change();
    void menustart_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void menustop_Click();
    void menuclear_Click();
    void menusave_Click();
    void menuretrieve_Click();
    void menuoptionsbrowse1_Click();
    void menuexit_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void buildMenus();
    void buildControls();
    void connectHandlers();
    // Lays the controls out in the stored size scheme for one or two hour digits.
    void applyLayout(bool twoHourDigits);
    void fitScreen();
    void showDigits(const QString &hours, const QString &minutes, const QString &seconds);
    void ring();
    bool largeScheme() const;
    void showStopped();
    void clearTimer();
    void setEditing(bool on);

    SettingsStore &m_store;
    Clock &m_clock;
    Platform &m_platform;
    Suite &m_suite;
    QDir m_startFolder;
    CountdownTimer m_timer;
    bool m_twoHourDigits = false;
    bool m_large = false;

    int LabelScrollMinutes = 0;
    QString LabelTimeRemaining;
    QString LabelTotalTimeRemaining;
    QString LabelSound3;

    QLabel *Label1 = nullptr;
    QFrame *Frame1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QScrollBar *HScroll1 = nullptr;
    QScrollBar *HScroll2 = nullptr;
    QFrame *Frame2 = nullptr;
    QFrame *Frame3 = nullptr;
    QLabel *Label5 = nullptr;
    QPushButton *butmsg1 = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;

    QAction *menustart = nullptr;
    QAction *menustop = nullptr;
    QAction *menuclear = nullptr;
    QAction *menusave = nullptr;
    QAction *menuretrieve = nullptr;
    QAction *sep2 = nullptr;
    QAction *menuoptionsbrowse1 = nullptr;
    QAction *menuexit = nullptr;
};

} // namespace nookery
