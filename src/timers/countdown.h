#pragma once

#include "common/suite.h"
#include "common/toolwindow.h"
#include "timers/countdowntimer.h"
#include "windowkit/helpmenu.h"

#include <QDir>
#include <QMainWindow>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;

namespace nookery {

class Clock;
class Platform;
class SettingsStore;
struct ToolContext;

// "CountDown": two independent countdown timers side by side, each set with a minutes and
// a seconds scroll bar, with a sound and a blinking message when it reaches zero.
class CountDown : public QMainWindow, public ToolWindow, public StandardHelp
{
    Q_OBJECT

public:
    explicit CountDown(const ToolContext &context, QWidget *parent = nullptr);
    ~CountDown() override;

    void optionsChanged() override;

    // Handlers, named after their control and event; timer 2's take 2 for 1.
    void Form_Load();
    void HScroll1a_Change() { scrollChanged(m_panels[0], true); }
    void HScroll1b_Change() { scrollChanged(m_panels[0], false); }
    void HScroll2a_Change() { scrollChanged(m_panels[1], true); }
    void HScroll2b_Change() { scrollChanged(m_panels[1], false); }
    void menustart1_Click() { startStop(m_panels[0]); }
    void menustart2_Click() { startStop(m_panels[1]); }
    void Timer1_Timer() { tick(m_panels[0]); }
    void Timer3_Timer() { tick(m_panels[1]); }
    void Timer2_Timer() { blink(m_panels[0]); }
    void Timer4_Timer() { blink(m_panels[1]); }
    void menuAcknowledge1_Click() { acknowledge(m_panels[0]); }
    void menuAcknowledge2_Click() { acknowledge(m_panels[1]); }
    void menuclear1_Click() { clear(m_panels[0]); }
    void menuclear2_Click() { clear(m_panels[1]); }
    void menusave1_Click() { save(m_panels[0]); }
    void menusave2_Click() { save(m_panels[1]); }
    void menuretrieve1_Click() { retrieve(m_panels[0]); }
    void menuretrieve2_Click() { retrieve(m_panels[1]); }
    void menuoptions_Click();
    void menuexit_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // One timer's controls and state.
    struct Panel
    {
        int n = 1;
        QGroupBox *frame = nullptr; // Frame1 / Frame5
        QLabel *hours = nullptr;    // Label1 / Label5
        QLabel *minutes = nullptr;  // Label2 / Label6
        QLabel *seconds = nullptr;  // Label3 / Label7
        QPushButton *butstart = nullptr;
        QPushButton *butClear = nullptr;
        QPushButton *butSave = nullptr;
        QPushButton *butRetrieve = nullptr;
        QPushButton *butstop = nullptr;
        QFrame *input = nullptr;          // Frame2 / Frame6
        QScrollBar *minutesBar = nullptr; // HScroll1a / HScroll2a
        QScrollBar *secondsBar = nullptr; // HScroll1b / HScroll2b
        QGroupBox *alarm = nullptr;       // Frame3 / Frame7
        QFrame *messageFrame = nullptr;   // Frame4 / Frame8
        QLabel *message = nullptr;        // Label4 / Label8
        QPushButton *butAcknowledge = nullptr;
        QTimer *tickTimer = nullptr;  // Timer1 / Timer3
        QTimer *blinkTimer = nullptr; // Timer2 / Timer4
        QAction *menustart = nullptr;
        QAction *menuAcknowledge = nullptr;
        QAction *menuclear = nullptr;
        QAction *menusave = nullptr;
        QAction *menuretrieve = nullptr;

        CountdownTimer timer;
        int LabelScrollMinutes = 0;
        QString LabelTotalTimeRemaining;
        QString LabelTimeRemaining;
        QString LabelSound;
    };

    void buildMenus();
    void buildPanel(Panel &p, int left);
    void connectHandlers();

    void scrollChanged(Panel &p, bool minutesBar);
    void startStop(Panel &p);
    void showStopped(Panel &p);
    void tick(Panel &p);
    void ring(Panel &p);
    void showTitle(const Panel &p);
    void showDigits(Panel &p, const QString &hours, const QString &minutes, const QString &seconds);
    void blink(Panel &p);
    void acknowledge(Panel &p);
    void clear(Panel &p);
    void save(Panel &p);
    void retrieve(Panel &p);
    QString startCaption(const Panel &p) const;
    QString visualText(int n) const;

    SettingsStore &m_store;
    Clock &m_clock;
    Platform &m_platform;
    Suite &m_suite;
    QDir m_startFolder;
    Panel m_panels[2];

    QAction *menuoptions = nullptr;
    QAction *menuexit = nullptr;
};

} // namespace nookery
