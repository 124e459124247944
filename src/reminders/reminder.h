#pragma once

#include "common/datepattern.h"
#include "common/suite.h"
#include "common/toolwindow.h"
#include "reminders/reminderfile.h"
#include "reminders/reminderviews.h"
#include "windowkit/helpmenu.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QCalendarWidget;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;

namespace nookery {

class ToolBar;
struct ToolContext;

class Clock;
class Platform;
class SettingsStore;

// "Reminders": what falls due today and in the next days, or every stored reminder, with
// New, Edit, Save, Cancel, Delete and Delete Old in the same window. Holds "reminder.dat"
// (and its lock) open while it is up.
class reminder : public QMainWindow, public ToolWindow, public StandardHelp
{
    Q_OBJECT

public:
    explicit reminder(const ToolContext &context, QWidget *parent = nullptr);
    ~reminder() override;

    // ToolWindow
    void suiteEnding() override;
    void optionsChanged() override;
    void announceDue() override;

    // Handlers, named after their control and event.
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void menushowall_Click();
    void menushowweek_Click();
    void menuoptions_Click();
    void menuprintreminders_Click();
    void menuclose_Click();
    void menuadd_Click();
    void menuedit_Click();
    void menudelete_Click();
    void menudeleteold_Click();
    void menusave_Click();
    void menucancel_Click();
    void Toolbar1_ButtonClick(QAction *button);

protected:
    void runHelp(int n, const std::function<void()> &body) override;

public:
    void reminderlist_Click();
    void reminderlist_DblClick();
    void reminderlist2_Click();
    void reminderlist2_DblClick();
    void txtreminder_GotFocus();

    // The named routines.
    bool StoreCurrent();
    void LoadCurrent();
    void ShowUpcoming();
    void ShowAll();
    void PrintReminders();

    const ReminderFile &file() const { return m_file; }

    // Hidden state labels.
    QString LabelReminder;
    QString LabelDate;
    QString LabelFrequency;
    QString LabelShowYears;
    int LabelRecordCount = 0;
    QString LabelAddOrEdit;
    int LabelNumberOfDaysChecked = 6;
    QString LabelDoCalendarFormat;

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Everything an activation would show differently: a rebuild is due when it changes.
    struct ViewInputs
    {
        QDate today;
        DatePatterns patterns;
        int days = 0;
        bool all = false;
        QString fileStamp;
        bool operator==(const ViewInputs &) const = default;
    };

    void buildMenus();
    void buildToolBar();
    void buildBody();
    void connectHandlers();

    bool trapped(int handler, const std::function<void()> &body);
    QDate today() const;
    void choosePatterns();
    void readDaysChecked();
    void applyStoredSize();
    void showFileAccess();
    ViewInputs viewInputs() const;

    bool showingAll() const { return m_all; }
    // Rebuilds the shown view; `keepCurrent` selects the current record's line when listed.
    void rebuild(bool keepCurrent);
    void fillList(QListWidget *list, const QList<ReminderLine> &lines,
                  const QList<ReminderRecord> &records, bool keepCurrent);
    void selectLine(QListWidget *list);
    void enterEditing();
    void leaveEditing();
    void updateCommands();
    void releaseFile();
    bool storeSize();
    QSize normalSize() const;

    SettingsStore &m_store;
    Clock &m_clock;
    Platform &m_platform;
    Suite &m_suite;
    ReminderFile m_file;
    DatePatterns m_patterns;
    bool m_all = false;
    bool m_editing = false;
    bool m_closed = false;
    bool m_loaded = false;
    bool m_resizing = false;
    // The size applyStoredSize() gave and the twips it came from: a size the user leaves
    // alone is stored as it was read, not through whole pixels (8900 would come back 8895).
    QSize m_readSize;
    QString m_readHeight;
    QString m_readWidth;
    ViewInputs m_built;
    QList<ReminderLine> m_lines; // of the shown list

    ToolBar *Toolbar1 = nullptr;
    QList<QAction *> m_buttons; // by position, 1 to 13 (index 0 unused)
    QMenu *menufile = nullptr;
    QMenu *menureminder1 = nullptr;
    QMenu *menureminder2 = nullptr;
    QAction *menushowall = nullptr;
    QAction *menushowweek = nullptr;
    QAction *menuoptions = nullptr;
    QAction *menuprintreminders = nullptr;
    QAction *menuclose = nullptr;
    QAction *menuadd = nullptr;
    QAction *menuedit = nullptr;
    QAction *menudelete = nullptr;
    QAction *menudeleteold = nullptr;
    QAction *menusave = nullptr;
    QAction *menucancel = nullptr;

    QLabel *lblShowDate1 = nullptr;
    QLabel *lblShowDate2 = nullptr;
    QListWidget *reminderlist = nullptr;
    QListWidget *reminderlist2 = nullptr;
    QLabel *LabelNoRemindersWeek = nullptr;
    QLabel *LabelNoRemindersAll = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLabel *LblReminder = nullptr;
    QLineEdit *txtreminder = nullptr;
    QLabel *LblFrequency = nullptr;
    QComboBox *typelist = nullptr;
    QLabel *LblShowYears = nullptr;
    QComboBox *yearlist = nullptr;
    QCalendarWidget *Calendar1 = nullptr;
};

} // namespace nookery
