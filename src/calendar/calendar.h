#pragma once

#include "calendar/datestyles.h"
#include "common/toolwindow.h"
#include "windowkit/helpmenu.h"

#include <QDate>
#include <QMainWindow>
#include <QTimer>

class QAction;
class QCalendarWidget;
class QLabel;

namespace nookery {

class Clock;
class Platform;
class SettingsStore;
class Suite;
class ToolBar;
struct ToolContext;

// "Calendar": today in the chosen style, a month to pick a date on, and how many days lie
// between the two. Copies the picked date and can set the computer's date to it.
class calendar : public QMainWindow, public ToolWindow, public StandardHelp
{
    Q_OBJECT

public:
    explicit calendar(const ToolContext &context, QWidget *parent = nullptr);
    ~calendar() override;

    void Form_Load();
    void displaydate();
    void Timer1_Timer();
    void Toolbar1_ButtonClick(QAction *button);
    void menucopy_Click();
    void menuchange_Click();
    void menuoptions_Click();
    void menuclose_Click();

    void optionsChanged() override;

    QTimer Timer1;
    // Today in the locale's short date, as the last tick saw it; never shown.
    QString txtdate;

protected:
    bool event(QEvent *event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildControls();
    void connectHandlers();
    void place();
    QDate today() const;
    StyleKeys styleKeys() const;
    QString calendarFormat() const;
    void showToday(const QDate &day);
    void dateChanged(const QString &error);

    SettingsStore &m_store;
    Clock &m_clock;
    Platform &m_platform;
    Suite &m_suite;
    // The day the date label shows; the tick turns it over at midnight.
    QDate m_shownDay;
    // A date change is waiting for the desktop's answer.
    bool m_changing = false;

    ToolBar *Toolbar1 = nullptr;
    QLabel *lbldatedisplay = nullptr;
    QCalendarWidget *Calendar1 = nullptr;
    QLabel *Label1 = nullptr;
    QAction *menucopy = nullptr;
    QAction *menuchange = nullptr;
    QAction *menuoptions = nullptr;
    QAction *menuclose = nullptr;
};

} // namespace nookery
