#include "reminders/reminder.h"

#include "common/clock.h"
#include "common/failure.h"
#include "common/helpcontext.h"
#include "common/toolcontext.h"
#include "common/twips.h"
#include "platform/platform.h"
#include "platform/trap.h"
#include "settings/settingsstore.h"
#include "windowkit/toolbar.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QScreen>
#include <QTimer>

namespace nookery {

namespace {

constexpr int DesignHeightTwips = 5655;
constexpr int DesignWidthTwips = 8900;
// The lists keep this much of the window's height and width for the rest.
constexpr int ListsHeightMarginTwips = 1920;
constexpr int ListsWidthMarginTwips = 365;
constexpr int HelpTopic = helpcontext::Reminders;
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

reminder::reminder(const ToolContext &context, QWidget *parent)
    : QMainWindow(parent), StandardHelp(context.suite, HelpTopic), m_store(context.store),
      m_clock(context.clock), m_platform(context.platform), m_suite(context.suite),
      m_file(context.startFolder)
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
    const QString storedWidth = m_store.get(keys::RemindersWidth);
    double h = DesignHeightTwips;
    double w = DesignWidthTwips;
    bool stored = false;
    if (!storedHeight.isEmpty()) {
        const auto sh = twipsValue(storedHeight);
        const auto sw = twipsValue(storedWidth);
        if (sh && sw) {
            h = *sh;
            w = *sw;
            stored = true;
        }
    }
    if (h < ListsHeightMarginTwips || w < ListsWidthMarginTwips) {
        m_platform.messages().information(suiteTitle(), resizeMessage());
        h = DesignHeightTwips;
        w = DesignWidthTwips;
        stored = false;
    }
    // The texts read, so that an unchanged size is written back as it stood.
    m_readHeight = stored ? storedHeight : QString::number(DesignHeightTwips);
    m_readWidth = stored ? storedWidth : QString::number(DesignWidthTwips);
    QSize size(twipsToPixels(w), twipsToPixels(h));
    if (const QScreen *s = screen())
        size = size.boundedTo(s->availableGeometry().size());
    resize(size);
    m_readSize = this->size();
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

void reminder::announceDue()
{
    // What the upcoming view lists, whichever view is shown; a file that cannot be read has
    // already said so in the window.
    QStringList due;
    try {
        const QList<ReminderRecord> records = m_file.ReadAll();
        for (const ReminderLine &line :
             upcomingLines(records, today(), LabelNumberOfDaysChecked, m_patterns.dayFirst()))
            due << formatDatePattern(line.date, m_patterns.shortDate) + QStringLiteral("  ") +
                       records.at(line.record - 1).trimmedText();
    } catch (const std::exception &) {
        return;
    }
    if (due.isEmpty())
        return;
    m_platform.notifications().notify(QStringLiteral("reminders"),
                                      due.size() == 1
                                          ? QStringLiteral("1 reminder due")
                                          : QStringLiteral("%1 reminders due").arg(due.size()),
                                      due.join(u'\n'), bringForwardAction(this));
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

void reminder::menuprintreminders_Click()
{
    trapped(520, [this] { PrintReminders(); });
}

void reminder::Toolbar1_ButtonClick(QAction *button)
{
    trapped(528, [this, button] { Toolbar1->run(button); });
}

void reminder::runHelp(int n, const std::function<void()> &body)
{
    trapped(515 + n, body);
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
        SettingsBatch batch;
        if (s == m_readSize) {
            batch.save(keys::RemindersHeight, m_readHeight);
            batch.save(keys::RemindersWidth, m_readWidth);
        } else {
            batch.save(keys::RemindersHeight, QString::number(qRound(pixelsToTwips(s.height()))));
            batch.save(keys::RemindersWidth, QString::number(qRound(pixelsToTwips(s.width()))));
        }
        m_store.save(batch);
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
