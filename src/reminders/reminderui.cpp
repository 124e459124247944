// The reminders window's controls: menus, tool bar, lists and the edit panel, and the one
// place their signals meet the handlers.
#include "reminders/reminder.h"
#include "windowkit/menus.h"
#include "windowkit/toolbar.h"

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
#include <QVBoxLayout>

namespace nookery {

void reminder::buildMenus()
{
    using kit::addEntry;
    const auto entry = [](QMenu *menu, const char *name, const QString &text,
                          QKeySequence key = {}) { return addEntry(menu, name, text, key); };
    const auto menu = [this](const char *name, const QString &text) {
        return kit::addMenu(menuBar(), name, text);
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

    addHelpMenu(this, {u"Help &Topics", u"&Using Reminders", Qt::Key_F1, nullptr});
}

void reminder::buildToolBar()
{
    using R = reminder;
    Toolbar1 = new ToolBar(
        this, "Toolbar1",
        {
            {u"tooladd", "list-add", u"New Reminder", call(this, &R::menuadd_Click), false, u"New"},
            {u"tooledit", "document-edit", u"Edit Reminder", call(this, &R::menuedit_Click), false,
             u"Edit"},
            {u"tooldelete", "edit-delete", u"Delete Reminder", call(this, &R::menudelete_Click),
             false, u"Delete"},
            {u"toolsave", "document-save", u"Save Reminder", call(this, &R::menusave_Click), false,
             u"Save"},
            {u"toolcancel", "dialog-cancel", u"Cancel Changes", call(this, &R::menucancel_Click),
             false, u"Cancel"},
            {u"toolprint", "document-print", u"Print Reminders", call(this, &R::PrintReminders),
             false, u"Print"},
            {},
            {u"toolshowall", "view-calendar-list", u"Show All Reminders",
             call(this, &R::menushowall_Click), false, u"All"},
            {u"toolshowweek", "view-calendar-upcoming-events", u"Show Upcoming Reminders",
             call(this, &R::menushowweek_Click), false, u"Upcoming"},
            {},
            {u"tooloptions", "configure", u"Set Options", call(this, &R::menuoptions_Click), false,
             u"Options"},
            {u"toolhelp", "help-contents", u"Help Using Reminders", call(this, &R::menuhelp2_Click),
             false, u"Help"},
            {u"toolclose", "window-close", u"Close Reminders", call(this, &R::menuclose_Click),
             false, u"Close"},
        });
    // Each button keeps its caption under its picture.
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_buttons = QList<QAction *>{nullptr} + Toolbar1->items();
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
    connect(Toolbar1, &QToolBar::actionTriggered, this, &reminder::Toolbar1_ButtonClick);
    connect(reminderlist, &QListWidget::currentRowChanged, this, &reminder::reminderlist_Click);
    connect(reminderlist, &QListWidget::itemDoubleClicked, this, &reminder::reminderlist_DblClick);
    connect(reminderlist2, &QListWidget::currentRowChanged, this, &reminder::reminderlist2_Click);
    connect(reminderlist2, &QListWidget::itemDoubleClicked, this,
            &reminder::reminderlist2_DblClick);
}

} // namespace nookery
