#include "reminders/reminder.h"

#include "common/clock.h"
#include "common/failure.h"
#include "common/twips.h"
#include "platform/platform.h"
#include "platform/trap.h"
#include "settings/settingsstore.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace nookery {

namespace {

constexpr int DesignHeightTwips = 5655;
constexpr int DesignWidthTwips = 8900;
// The lists keep this much of the window's height and width for the rest.
constexpr int ListsHeightMarginTwips = 1920;
constexpr int ListsWidthMarginTwips = 365;
constexpr int HelpTopic = 240;
constexpr int OptionsPage = 5;

const QString &caption()
{
    static const QString c = QStringLiteral("Reminders");
    return c;
}

QString resizeMessage()
{
    return QStringLiteral("Error Handler 507. You cannot resize this program so small. "
                          "Reminders will now resize itself to a proper size!");
}

// A stored twips value; nothing when it is not a number.
std::optional<double> twipsValue(const QString &text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace

reminder::reminder(SettingsStore &store, Clock &clock, Platform &platform, Suite &suite,
                   const QDir &startFolder, QWidget *parent)
    : QMainWindow(parent), m_store(store), m_clock(clock), m_platform(platform), m_suite(suite),
      m_file(startFolder)
{
    setObjectName(QStringLiteral("reminder"));
    setWindowTitle(caption());
    buildMenus();
    buildToolBar();
    buildBody();
    connectHandlers();
    Form_Load();
}

reminder::~reminder()
{
    releaseFile();
}

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

bool reminder::trapped(int handler, const std::function<void()> &body)
{
    return trap(m_platform.messages(), handler, body);
}

QDate reminder::today() const
{
    return m_clock.now().date();
}

void reminder::choosePatterns()
{
    LabelDoCalendarFormat = m_store.get(keys::CalendarFormat);
    m_patterns = DatePatterns::fromSetting(LabelDoCalendarFormat);
    const QDate d = today();
    lblShowDate1->setText(QLocale().dayName(d.dayOfWeek(), QLocale::LongFormat));
    lblShowDate2->setText(formatDatePattern(d, m_patterns.shortDate));
}

void reminder::readDaysChecked()
{
    // An empty value is seeded with "6"; text that is no whole number reads as 6 but stays.
    LabelNumberOfDaysChecked = daysCheckedFrom(m_store.read(keys::DaysChecked));
}

void reminder::Form_Load()
{
    trapped(505, [this] {
        choosePatterns();
        readDaysChecked();
        applyStoredSize();
        if (m_store.isChecked(keys::Minimize)) {
            setWindowState(Qt::WindowMinimized);
        } else {
            setWindowState(Qt::WindowNoState);
            if (const QScreen *s = screen()) {
                const QRect area = s->availableGeometry();
                move(area.x() + (area.width() - width()) / 2,
                     area.y() + (area.height() - height()) / 2);
            }
        }
        m_file.Open(m_patterns);
        showFileAccess();
        LoadCurrent();
        ShowUpcoming();
    });
    m_loaded = true;
    updateCommands();
}

void reminder::showFileAccess()
{
    QString text;
    switch (m_file.access()) {
    case ReminderFile::Access::Writable:
        return;
    case ReminderFile::Access::Damaged:
        text = QStringLiteral("The reminder file reminder.dat is damaged: its length is not a "
                              "whole number of reminders. It is shown as it is and left as it "
                              "is; reminders cannot be added, changed or deleted.");
        break;
    case ReminderFile::Access::InUse:
        text = QStringLiteral("The reminder file reminder.dat is in use by another copy of "
                              "Nookery. Reminders are shown, but cannot be added, changed or "
                              "deleted here.");
        break;
    case ReminderFile::Access::NotWritable:
        text = QStringLiteral("The reminder file reminder.dat cannot be written. Reminders are "
                              "shown, but cannot be added, changed or deleted.");
        break;
    }
    m_platform.messages().information(suiteTitle(), text);
}

void reminder::applyStoredSize()
{
    const QString storedHeight = m_store.get(keys::RemindersHeight);
    double h = DesignHeightTwips;
    double w = DesignWidthTwips;
    if (!storedHeight.isEmpty()) {
        const auto sh = twipsValue(storedHeight);
        const auto sw = twipsValue(m_store.get(keys::RemindersWidth));
        if (sh && sw) {
            h = *sh;
            w = *sw;
        }
    }
    if (h < ListsHeightMarginTwips || w < ListsWidthMarginTwips) {
        m_platform.messages().information(suiteTitle(), resizeMessage());
        h = DesignHeightTwips;
        w = DesignWidthTwips;
    }
    QSize size(twipsToPixels(w), twipsToPixels(h));
    if (const QScreen *s = screen())
        size = size.boundedTo(s->availableGeometry().size());
    resize(size);
}

void reminder::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_loaded)
        Form_Activate();
}

reminder::ViewInputs reminder::viewInputs() const
{
    const QFileInfo info(m_file.path());
    const QString stamp = info.exists() ? QStringLiteral("%1 %2 %3")
                                              .arg(info.size())
                                              .arg(info.lastModified().toMSecsSinceEpoch())
                                              .arg(info.birthTime().toMSecsSinceEpoch())
                                        : QString();
    return {today(), m_patterns, LabelNumberOfDaysChecked, m_all, stamp};
}

void reminder::Form_Activate()
{
    trapped(506, [this] {
        choosePatterns();
        if (m_editing)
            return; // a rebuild would move the current record under the open panel
        readDaysChecked();
        // Only what would show differently is rebuilt: a rebuild that failed is not tried
        // again just because its message box closed and gave the focus back.
        if (viewInputs() == m_built)
            return;
        rebuild(true);
    });
}

void reminder::optionsChanged()
{
    Form_Activate();
}

void reminder::rebuild(bool keepCurrent)
{
    if (m_all)
        trapped(504, [this, keepCurrent] {
            m_built = viewInputs();
            const QList<ReminderRecord> records = m_file.ReadAll();
            m_lines = allLines(records, m_patterns.dayFirst());
            fillList(reminderlist2, m_lines, records, keepCurrent);
            setWindowTitle(QStringLiteral("Reminders -  %1 saved").arg(m_lines.size()));
        });
    else
        trapped(503, [this, keepCurrent] {
            m_built = viewInputs();
            const QList<ReminderRecord> records = m_file.ReadAll();
            m_lines =
                upcomingLines(records, today(), LabelNumberOfDaysChecked, m_patterns.dayFirst());
            fillList(reminderlist, m_lines, records, keepCurrent);
        });
    updateCommands();
}

void reminder::ShowUpcoming()
{
    m_all = false;
    rebuild(false);
}

void reminder::ShowAll()
{
    m_all = true;
    rebuild(false);
}

void reminder::fillList(QListWidget *list, const QList<ReminderLine> &lines,
                        const QList<ReminderRecord> &records, bool keepCurrent)
{
    LabelRecordCount = 0;
    const int current = m_file.current();
    {
        const QSignalBlocker block(list);
        list->clear();
        // One insertion for the whole view; the line's record is found through m_lines.
        list->addItems(listLineTexts(lines, records, today(), m_patterns));
    }
    LabelRecordCount = int(lines.size());
    if (lines.isEmpty())
        return;
    int row = 0;
    if (keepCurrent) {
        const auto it = std::find_if(lines.begin(), lines.end(), [current](const ReminderLine &l) {
            return l.record == current;
        });
        if (it != lines.end())
            row = int(it - lines.begin());
    }
    list->setCurrentRow(row); // selecting a line makes its record current
}

void reminder::selectLine(QListWidget *list)
{
    const int row = list->currentRow();
    if (row < 0 || row >= m_lines.size())
        return;
    m_file.setCurrent(m_lines.at(row).record);
    // The text column starts at the 24th character of a line.
    LabelReminder = list->item(row)->text().mid(23, ReminderRecord::TextLength).trimmed();
    LoadCurrent();
}

void reminder::reminderlist_Click()
{
    trapped(524, [this] { selectLine(reminderlist); });
}

void reminder::reminderlist2_Click()
{
    trapped(526, [this] { selectLine(reminderlist2); });
}

void reminder::reminderlist_DblClick()
{
    trapped(525, [this] { menuedit_Click(); });
}

void reminder::reminderlist2_DblClick()
{
    trapped(527, [this] { menuedit_Click(); });
}

void reminder::LoadCurrent()
{
    trapped(502, [this] {
        const ReminderRecord r = m_file.Read(m_file.current());
        txtreminder->setText(r.trimmedText());
        LabelShowYears = QString(QLatin1Char(r.ShowYears));
        LabelFrequency = QString(QLatin1Char(r.Frequency));
        LabelDate = r.Date;
    });
}

void reminder::updateCommands()
{
    const bool browsing = !m_editing;
    const bool writable = m_file.isWritable();
    const bool lines = LabelRecordCount > 0;
    const auto set = [](QAction *a, bool visible, bool enabled) {
        a->setVisible(visible);
        // A hidden entry's key must not fire either.
        a->setEnabled(visible && enabled);
    };
    menufile->menuAction()->setEnabled(browsing);
    set(menushowall, !m_all, browsing);
    set(menushowweek, m_all, browsing);
    set(menuoptions, true, browsing);
    set(menuprintreminders, lines, browsing);
    set(menuclose, true, browsing);
    menureminder1->menuAction()->setVisible(browsing);
    set(menuadd, browsing, writable);
    set(menuedit, browsing, writable && lines);
    set(menudelete, browsing, writable && lines);
    set(menudeleteold, browsing, writable);
    menureminder2->menuAction()->setVisible(m_editing);
    set(menusave, m_editing, true);
    set(menucancel, m_editing, true);

    set(m_buttons[1], browsing, writable);
    set(m_buttons[2], browsing, writable && lines);
    set(m_buttons[3], browsing, writable && lines);
    set(m_buttons[4], m_editing, true);
    set(m_buttons[5], m_editing, true);
    set(m_buttons[6], true, browsing && lines);
    set(m_buttons[8], !m_all, browsing);
    set(m_buttons[9], m_all, browsing);
    for (int i = 10; i <= 13; ++i)
        set(m_buttons[i], browsing, true);

    reminderlist->setVisible(browsing && !m_all && lines);
    reminderlist2->setVisible(browsing && m_all && lines);
    LabelNoRemindersWeek->setVisible(browsing && !m_all && !lines);
    LabelNoRemindersAll->setVisible(browsing && m_all && !lines);
    Frame1->setVisible(m_editing);
}

void reminder::menushowall_Click()
{
    trapped(522, [this] { ShowAll(); });
}

void reminder::menushowweek_Click()
{
    trapped(523, [this] { ShowUpcoming(); });
}

void reminder::menuoptions_Click()
{
    trapped(519, [this] { m_suite.showOptions(OptionsPage); });
}

void reminder::menuhelp1_Click()
{
    trapped(516, [this] { m_suite.showHelpContents(); });
}

void reminder::menuhelp2_Click()
{
    trapped(517, [this] { m_suite.showHelpTopic(HelpTopic); });
}

void reminder::menuhelp3_Click()
{
    trapped(518, [this] { m_suite.show(Tool::About); });
}

void reminder::menuprintreminders_Click()
{
    trapped(520, [this] { PrintReminders(); });
}

void reminder::Toolbar1_ButtonClick(QAction *button)
{
    trapped(528, [this, button] {
        if (!button)
            return;
        const QString key = button->data().toString();
        if (key == u"tooladd")
            menuadd_Click();
        else if (key == u"tooledit")
            menuedit_Click();
        else if (key == u"tooldelete")
            menudelete_Click();
        else if (key == u"toolsave")
            menusave_Click();
        else if (key == u"toolcancel")
            menucancel_Click();
        else if (key == u"toolprint")
            PrintReminders();
        else if (key == u"toolshowall")
            menushowall_Click();
        else if (key == u"toolshowweek")
            menushowweek_Click();
        else if (key == u"tooloptions")
            menuoptions_Click();
        else if (key == u"toolhelp")
            menuhelp2_Click();
        else if (key == u"toolclose")
            menuclose_Click();
    });
}

void reminder::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_loaded)
        Form_Resize();
}

void reminder::Form_Resize()
{
    if (m_resizing || windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))
        return;
    if (pixelsToTwips(height()) >= ListsHeightMarginTwips &&
        pixelsToTwips(width()) >= ListsWidthMarginTwips)
        return; // the lists follow the window through the layout
    m_resizing = true;
    m_platform.messages().information(suiteTitle(), resizeMessage());
    resize(twipsToPixels(DesignWidthTwips), twipsToPixels(DesignHeightTwips));
    m_resizing = false;
}

void reminder::menuclose_Click()
{
    trapped(512, [this] { close(); });
}

QSize reminder::normalSize() const
{
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) {
        const QSize normal = normalGeometry().size();
        if (normal.isValid() && !normal.isEmpty())
            return normal;
    }
    return size();
}

bool reminder::storeSize()
{
    return trapped(509, [this] {
        const QSize s = normalSize();
        m_store.save(keys::RemindersHeight, QString::number(qRound(pixelsToTwips(s.height()))));
        m_store.save(keys::RemindersWidth, QString::number(qRound(pixelsToTwips(s.width()))));
    });
}

void reminder::closeEvent(QCloseEvent *event)
{
    if (!m_closed) {
        trapped(508, [this] {
            // A placeholder nobody saved would stay behind as an empty "Once" line.
            if (m_editing && LabelAddOrEdit == u"add" && m_file.isWritable())
                m_file.Remove(m_file.current());
            m_editing = false;
        });
        releaseFile();
        storeSize();
        m_closed = true;
    }
    event->accept();
}

void reminder::releaseFile()
{
    m_file.Close();
}

void reminder::suiteEnding()
{
    // Exit keeps what is on disk and stores nothing else.
    releaseFile();
    m_closed = true;
}

bool reminder::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtreminder && event->type() == QEvent::FocusIn)
        txtreminder_GotFocus();
    return QMainWindow::eventFilter(watched, event);
}

void reminder::txtreminder_GotFocus()
{
    trapped(529, [this] {
        // Again once the event is done: a mouse press would drop the selection after it.
        txtreminder->setSelection(0, 45);
        QTimer::singleShot(0, txtreminder, [edit = txtreminder] { edit->setSelection(0, 45); });
    });
}

} // namespace nookery
