#pragma once

#include "common/toolwindow.h"
#include "timers/stopwatch.h"
#include "windowkit/helpmenu.h"

#include <QMainWindow>

class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace nookery {

class Clock;
struct ToolContext;

// "CountUp": two stopwatches by the wall clock, each stopped and resumed at will and
// cleared when stopped. Nothing is stored.
class CountUp : public QMainWindow, public ToolWindow, public StandardHelp
{
    Q_OBJECT

public:
    explicit CountUp(const ToolContext &context, QWidget *parent = nullptr);
    ~CountUp() override;

    // Handlers, named after their control and event; stopwatch 2's take 4 for 3.
    void Form_Load();
    void menustart3_Click() { startStop(m_watches[0]); }
    void menustart4_Click() { startStop(m_watches[1]); }
    void butstop3_Click() { stop(m_watches[0]); }
    void butstop4_Click() { stop(m_watches[1]); }
    void Timer5_Timer() { tick(m_watches[0]); }
    void Timer6_Timer() { tick(m_watches[1]); }
    void menuclear3_Click() { clear(m_watches[0]); }
    void menuclear4_Click() { clear(m_watches[1]); }
    void menuexit_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    struct Watch
    {
        int n = 3;
        QGroupBox *frame = nullptr; // Frame3 / Frame4
        QLabel *hours = nullptr;    // Label9 / Label12
        QLabel *minutes = nullptr;  // Label10 / Label13
        QLabel *seconds = nullptr;  // Label11 / Label14
        QPushButton *butstart = nullptr;
        QPushButton *butstop = nullptr;
        QTimer *tickTimer = nullptr; // Timer5 / Timer6
        QAction *menustart = nullptr;
        QAction *menuclear = nullptr;

        Stopwatch watch;
        QString LabelTimeRemaining;
    };

    void buildMenus();
    void buildWatch(Watch &w, int left);
    void connectHandlers();

    void startStop(Watch &w);
    void stop(Watch &w);
    void tick(Watch &w);
    void showElapsed(Watch &w, qint64 elapsed);
    void clear(Watch &w);
    QString startCaption(const Watch &w) const;

    Clock &m_clock;
    Watch m_watches[2];

    QAction *menuexit = nullptr;
};

} // namespace nookery
