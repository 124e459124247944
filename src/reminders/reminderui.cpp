// The reminders window's controls: menus, tool bar, lists and the edit panel, and the one
// place their signals meet the handlers.
#include "reminders/reminder.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace nookery {

void reminder::buildMenus()
{
    const auto entry = [this](QMenu *menu, const char *name, const QString &text,
                              QKeySequence key = {}) {
        QAction *a = menu->addAction(text);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        return a;
    };
    const auto menu = [this](const char *name, const QString &text) {
        QMenu *m = menuBar()->addMenu(text);
        m->setObjectName(QLatin1String(name));
        m->menuAction()->setObjectName(QLatin1String(name));
        return m;
    };

    menufile = menu("menufile", QStringLiteral("&File"));
    menushowall = entry(menufile, "menushowall", QStringLiteral("Show &All"), Qt::Key_F3);
    menushowweek = entry(menufile, "menushowweek", QStringLiteral("Show &Upcoming"), Qt::Key_F4);
    menufile->addSeparator();
    menuoptions = entry(menufile, "menuoptions", QStringLiteral("&Options"), Qt::Key_F11);
    menuprintreminders = entry(menufile, "menuprintreminders", QStringLiteral("&Print Reminders"),
                               QKeySequence(Qt::CTRL | Qt::Key_P));
    menufile->addSeparator();
    menuclose = entry(menufile, "menuclose", QStringLiteral("&Close"), Qt::Key_F12);

    menureminder1 = menu("menureminder1", QStringLiteral("&Reminder"));
    menuadd = entry(menureminder1, "menuadd", QStringLiteral("&New"), Qt::Key_F5);
    menuedit = entry(menureminder1, "menuedit", QStringLiteral("&Edit"), Qt::Key_F7);
    menudelete = entry(menureminder1, "menudelete", QStringLiteral("&Delete"), Qt::Key_F9);
    menureminder1->addSeparator();
    menudeleteold = entry(menureminder1, "menudeleteold", QStringLiteral("Delete &Old Reminders"),
                          QKeySequence(Qt::CTRL | Qt::Key_D));

    menureminder2 = menu("menureminder2", QStringLiteral("&Reminder"));
    menusave = entry(menureminder2, "menusave", QStringLiteral("&Save"), Qt::Key_F6);
    menucancel = entry(menureminder2, "menucancel", QStringLiteral("&Cancel"), Qt::Key_F8);

    menuhelp = menu("menuhelp", QStringLiteral("&Help"));
    menuhelp1 = entry(menuhelp, "menuhelp1", QStringLiteral("Help &Topics"));
    menuhelp2 = entry(menuhelp, "menuhelp2", QStringLiteral("&Using Reminders"), Qt::Key_F1);
    menuhelp->addSeparator();
    menuhelp3 = entry(menuhelp, "menuhelp3", QStringLiteral("&About Nookery"));
}

void reminder::buildToolBar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    Toolbar1->setContextMenuPolicy(Qt::PreventContextMenu);
    struct Button
    {
        const char *key; // nullptr: separator
        const char *text;
        const char *tip;
    };
    static constexpr Button buttons[] = {
        {"tooladd", "New", "New Reminder"},
        {"tooledit", "Edit", "Edit Reminder"},
        {"tooldelete", "Delete", "Delete Reminder"},
        {"toolsave", "Save", "Save Reminder"},
        {"toolcancel", "Cancel", "Cancel Changes"},
        {"toolprint", "Print", "Print Reminders"},
        {nullptr, nullptr, nullptr},
        {"toolshowall", "All", "Show All Reminders"},
        {"toolshowweek", "Upcoming", "Show Upcoming Reminders"},
        {nullptr, nullptr, nullptr},
        {"tooloptions", "Options", "Set Options"},
        {"toolhelp", "Help", "Help Using Reminders"},
        {"toolclose", "Close", "Close Reminders"},
    };
    m_buttons = {nullptr};
    for (const Button &b : buttons) {
        if (!b.key) {
            m_buttons << Toolbar1->addSeparator();
            continue;
        }
        QAction *a = Toolbar1->addAction(QLatin1String(b.text));
        a->setObjectName(QLatin1String(b.key));
        a->setData(QLatin1String(b.key));
        a->setToolTip(QLatin1String(b.tip));
        m_buttons << a;
    }
}

void reminder::buildBody()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    auto *dates = new QHBoxLayout;
    lblShowDate1 = new QLabel(central);
    lblShowDate1->setObjectName(QStringLiteral("lblShowDate1"));
    lblShowDate2 = new QLabel(central);
    lblShowDate2->setObjectName(QStringLiteral("lblShowDate2"));
    dates->addWidget(lblShowDate1);
    dates->addWidget(lblShowDate2);
    dates->addStretch(1);
    layout->addLayout(dates);

    const auto list = [central](const char *name) {
        auto *l = new QListWidget(central);
        l->setObjectName(QLatin1String(name));
        l->setSelectionMode(QAbstractItemView::SingleSelection);
        l->setUniformItemSizes(true);
        // Fixed pitch, so the tab-separated columns line up.
        QFont font(QStringLiteral("Monospace"));
        font.setStyleHint(QFont::TypeWriter);
        l->setFont(font);
        return l;
    };
    reminderlist = list("reminderlist");
    reminderlist2 = list("reminderlist2");
    LabelNoRemindersWeek = new QLabel(QStringLiteral("You have no upcoming reminders!"), central);
    LabelNoRemindersWeek->setObjectName(QStringLiteral("LabelNoRemindersWeek"));
    LabelNoRemindersAll = new QLabel(QStringLiteral("You have no reminders saved!"), central);
    LabelNoRemindersAll->setObjectName(QStringLiteral("LabelNoRemindersAll"));
    for (QLabel *l : {LabelNoRemindersWeek, LabelNoRemindersAll})
        l->setAlignment(Qt::AlignCenter);
    layout->addWidget(reminderlist, 1);
    layout->addWidget(reminderlist2, 1);
    layout->addWidget(LabelNoRemindersWeek);
    layout->addWidget(LabelNoRemindersAll);

    Frame1 = new QGroupBox(central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *frame = new QGridLayout(Frame1);
    LblReminder = new QLabel(QStringLiteral("Reminder:"), Frame1);
    LblReminder->setObjectName(QStringLiteral("LblReminder"));
    txtreminder = new QLineEdit(Frame1);
    txtreminder->setObjectName(QStringLiteral("txtreminder"));
    // What is shown is what is stored.
    txtreminder->setMaxLength(ReminderRecord::TextLength);
    txtreminder->installEventFilter(this);
    LblFrequency = new QLabel(QStringLiteral("Frequency:"), Frame1);
    LblFrequency->setObjectName(QStringLiteral("LblFrequency"));
    typelist = new QComboBox(Frame1);
    typelist->setObjectName(QStringLiteral("typelist"));
    typelist->addItems({QStringLiteral("Once"), QStringLiteral("Weekly"), QStringLiteral("Monthly"),
                        QStringLiteral("Yearly")});
    LblShowYears = new QLabel(QStringLiteral("Show years?"), Frame1);
    LblShowYears->setObjectName(QStringLiteral("LblShowYears"));
    yearlist = new QComboBox(Frame1);
    yearlist->setObjectName(QStringLiteral("yearlist"));
    yearlist->addItems({QStringLiteral("No"), QStringLiteral("Yes")});
    Calendar1 = new QCalendarWidget(Frame1);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    LblReminder->setBuddy(txtreminder);
    LblFrequency->setBuddy(typelist);
    LblShowYears->setBuddy(yearlist);
    frame->addWidget(LblReminder, 0, 0);
    frame->addWidget(txtreminder, 0, 1, 1, 2);
    frame->addWidget(LblFrequency, 1, 0);
    frame->addWidget(typelist, 1, 1);
    frame->addWidget(LblShowYears, 2, 0);
    frame->addWidget(yearlist, 2, 1);
    frame->addWidget(Calendar1, 1, 2, 3, 1);
    frame->setRowStretch(3, 1);
    Frame1->setVisible(false);
    layout->addWidget(Frame1);
    setCentralWidget(central);
}

void reminder::connectHandlers()
{
    connect(menushowall, &QAction::triggered, this, &reminder::menushowall_Click);
    connect(menushowweek, &QAction::triggered, this, &reminder::menushowweek_Click);
    connect(menuoptions, &QAction::triggered, this, &reminder::menuoptions_Click);
    connect(menuprintreminders, &QAction::triggered, this, &reminder::menuprintreminders_Click);
    connect(menuclose, &QAction::triggered, this, &reminder::menuclose_Click);
    connect(menuadd, &QAction::triggered, this, &reminder::menuadd_Click);
    connect(menuedit, &QAction::triggered, this, &reminder::menuedit_Click);
    connect(menudelete, &QAction::triggered, this, &reminder::menudelete_Click);
    connect(menudeleteold, &QAction::triggered, this, &reminder::menudeleteold_Click);
    connect(menusave, &QAction::triggered, this, &reminder::menusave_Click);
    connect(menucancel, &QAction::triggered, this, &reminder::menucancel_Click);
    connect(menuhelp1, &QAction::triggered, this, &reminder::menuhelp1_Click);
    connect(menuhelp2, &QAction::triggered, this, &reminder::menuhelp2_Click);
    connect(menuhelp3, &QAction::triggered, this, &reminder::menuhelp3_Click);
    connect(Toolbar1, &QToolBar::actionTriggered, this, &reminder::Toolbar1_ButtonClick);
    connect(reminderlist, &QListWidget::currentRowChanged, this, &reminder::reminderlist_Click);
    connect(reminderlist, &QListWidget::itemDoubleClicked, this, &reminder::reminderlist_DblClick);
    connect(reminderlist2, &QListWidget::currentRowChanged, this, &reminder::reminderlist2_Click);
    connect(reminderlist2, &QListWidget::itemDoubleClicked, this,
            &reminder::reminderlist2_DblClick);
}

} // namespace nookery
