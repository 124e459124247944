#pragma once

#include "common/toolwindow.h"
#include "windowkit/helpmenu.h"

#include <QDateTime>
#include <QDir>
#include <QMainWindow>
#include <optional>

class QAction;
class QCalendarWidget;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace nookery {

class Clock;
class Platform;
class SettingsStore;
struct ToolContext;

// "Date CountDown": ten messages, each counting down to a date and time kept in the
// store, with an editor in the same window.
class CountDate : public QMainWindow, public ToolWindow, public StandardHelp
{
    Q_OBJECT

public:
    static constexpr int Entries = 10;

    explicit CountDate(const ToolContext &context, QWidget *parent = nullptr);
    ~CountDate() override;

    // Handlers, named after their control and event.
    void Form_Load();
    void Timer1_Timer();
    void Command_Click(int n); // CommandN_Click and menuN_Click
    void CmdSave_Click();
    void CmdCancel_Click();
    void CmdDelete_Click();
    void menuexit_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry
    {
        QPushButton *command = nullptr;  // CommandN
        QLabel *message = nullptr;       // LabelN
        QLabel *date = nullptr;          // LabelDateN
        QLabel *remaining = nullptr;     // LabelRemainingN
        QLineEdit *text = nullptr;       // TextN
        QAction *menu = nullptr;         // menuN
        QString LabelTime;               // the stored time
        QString LabelNewDate;            // date + " " + time
        std::optional<QDateTime> moment; // none when the stored date or time cannot be read
        QDateTime announced;             // the moment whose alarm went to the desktop
    };

    void buildMenus();
    void buildList();
    void buildEditor();
    void connectHandlers();

    void loadEntry(int n);
    void showEntry(int n, const QString &text, const QString &date, const QString &time);
    void setDateColour(Entry &e, const QColor &colour);
    void backToList();
    void resetEditor();
    void updateRefresh();
    // The alarm rings for a few ticks; the desktop hears of it once per moment.
    void announce(Entry &e);
    Entry &entry(int n) { return m_entries[n - 1]; }

    SettingsStore &m_store;
    Clock &m_clock;
    Platform &m_platform;
    QDir m_startFolder;
    Entry m_entries[Entries];
    int m_editing = 0; // the entry whose message box is shown, 0 in the list

    QFrame *Frame1 = nullptr;
    QFrame *Frame2 = nullptr;
    QCalendarWidget *Calendar1 = nullptr;
    QComboBox *Combo1 = nullptr;
    QComboBox *Combo2 = nullptr;
    QComboBox *Combo3 = nullptr;
    QComboBox *Combo4 = nullptr;
    QPushButton *CmdSave = nullptr;
    QPushButton *CmdCancel = nullptr;
    QPushButton *CmdDelete = nullptr;
    QTimer *Timer1 = nullptr;
    QAction *menuexit = nullptr;
};

} // namespace nookery
