#include "timers/countdate.h"

#include "common/clock.h"
#include "common/helpcontext.h"
#include "common/toolcontext.h"
#include "common/twips.h"
#include "platform/platform.h"
#include "settings/settingsstore.h"
#include "timers/datemoment.h"
#include "timers/formatremaining.h"
#include "timers/timerwidgets.h"
#include "windowkit/menus.h"
#include "windowkit/placement.h"
#include "windowkit/textfit.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace nookery {

using namespace timerwidgets;

namespace {

constexpr int WidthTwips = 8610;
constexpr int HeightTwips = 4770;
constexpr int RefreshMs = 500;
constexpr int HelpTopic = helpcontext::CountDate;
constexpr int MessageLength = 35;

QString numbered(const char *name, int n)
{
    return QLatin1String(name) + QString::number(n);
}

QString twoDigits(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

const QString &timeIsUp()
{
    static const QString text = QStringLiteral("Time Is Up!");
    return text;
}

// The colour the design names, lightened where the desktop's background is dark.
void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, textfit::readable(colour, p.color(QPalette::Window)));
    label->setPalette(p);
}

} // namespace

CountDate::CountDate(const ToolContext &context, QWidget *parent)
    : QMainWindow(parent), StandardHelp(context.suite, HelpTopic), m_store(context.store),
      m_clock(context.clock), m_platform(context.platform), m_startFolder(context.startFolder)
{
    setObjectName(QStringLiteral("CountDate"));
    setWindowTitle(QStringLiteral("Date CountDown"));
    setWindowFlags(timerWindowFlags(true) | Qt::MSWindowsFixedSizeDialogHint);
    buildMenus();
    setCentralWidget(new QWidget(this));
    buildList();
    buildEditor();
    Timer1 = timer(this, QStringLiteral("Timer1"), RefreshMs);
    connectHandlers();
    Form_Load();
    textfit::fitWindow(this);
    kit::centreOnScreen(this);
}

CountDate::~CountDate() = default;

void CountDate::buildMenus()
{
    QMenu *menufile = kit::addMenu(menuBar(), "menufile", QStringLiteral("&File"));
    for (int n = 1; n <= Entries; ++n) {
        const QString caption =
            n < 10 ? u"Message &" + QString::number(n) : QStringLiteral("Message 1&0");
        entry(n).menu = kit::addEntry(menufile, numbered("menu", n), caption);
    }
    menufile->addSeparator();
    menuexit = kit::addEntry(menufile, QStringLiteral("menuexit"), QStringLiteral("&Close"),
                             QKeySequence(Qt::Key_F12));
    addHelpMenu(this, {u"&Help Topics", u"&Using Date CountDown", Qt::Key_F1, nullptr});
}

void CountDate::buildList()
{
    Frame1 = new QFrame(centralWidget());
    Frame1->setObjectName(QStringLiteral("Frame1"));
    place(Frame1, 120, 50, 8360, 3900);
    QFont bold = font();
    bold.setPointSizeF(8.25);
    bold.setBold(true);
    for (int n = 1; n <= Entries; ++n) {
        Entry &e = entry(n);
        const int top = 240 + 360 * (n - 1);
        e.command = button(Frame1, numbered("Command", n), QStringLiteral(">"));
        e.command->setFont(bold);
        place(e.command, 90, top, 255, 255);
        e.message = label(Frame1, numbered("Label", n), QString());
        e.message->setFrameShape(QFrame::Box);
        e.message->setAutoFillBackground(true);
        QPalette white = e.message->palette();
        white.setColor(QPalette::Window, Qt::white);
        white.setColor(QPalette::WindowText, Qt::black);
        e.message->setPalette(white);
        place(e.message, 400, top, 3600, 255);
        e.date = label(Frame1, numbered("LabelDate", n), QString());
        place(e.date, 4100, top, 870, 255);
        e.remaining = label(Frame1, numbered("LabelRemaining", n), QString());
        setTextColour(e.remaining, Qt::red);
        place(e.remaining, 5100, top, 3000, 255);
    }
}

void CountDate::buildEditor()
{
    Frame2 = new QFrame(centralWidget());
    Frame2->setObjectName(QStringLiteral("Frame2"));
    place(Frame2, 120, 50, 8385, 3900);
    Frame2->setVisible(false);

    Calendar1 = new QCalendarWidget(Frame2);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    Calendar1->setDateRange(QDate(1753, 1, 1), QDate(9999, 12, 31));
    place(Calendar1, 120, 240, 8160, 2370);

    place(label(Frame2, QStringLiteral("LabelText1"), QStringLiteral("Message:")), 120, 2760, 900,
          285);
    for (int n = 1; n <= Entries; ++n) {
        Entry &e = entry(n);
        e.text = new QLineEdit(Frame2);
        e.text->setObjectName(numbered("Text", n));
        e.text->setMaxLength(MessageLength);
        e.text->setVisible(false);
        e.text->installEventFilter(this);
        place(e.text, 1080, 2760, 3200, 285);
    }
    place(label(Frame2, QStringLiteral("LabelText2"), QStringLiteral("Set Time:")), 120, 3360, 900,
          285);

    QStringList hours{QStringLiteral("12")};
    for (int h = 1; h <= 11; ++h)
        hours << twoDigits(h);
    QStringList sixty;
    for (int m = 0; m <= 59; ++m)
        sixty << twoDigits(m);
    const struct
    {
        QComboBox **combo;
        const char *heading;
        QStringList items;
        int left;
    } lists[] = {{&Combo1, "Hours", hours, 1080},
                 {&Combo2, "Minutes", sixty, 1920},
                 {&Combo3, "Seconds", sixty, 2760},
                 {&Combo4, "AM/PM", {QStringLiteral("AM"), QStringLiteral("PM")}, 3600}};
    int index = 1;
    for (const auto &l : lists) {
        place(label(Frame2, QString(), QLatin1String(l.heading)), l.left, 3100, 705, 240);
        *l.combo = new QComboBox(Frame2);
        (*l.combo)->setObjectName(numbered("Combo", index++));
        (*l.combo)->addItems(l.items);
        place(*l.combo, l.left, 3360, 705, 315);
    }

    CmdSave = button(Frame2, QStringLiteral("CmdSave"), QStringLiteral("&Save"));
    CmdCancel = button(Frame2, QStringLiteral("CmdCancel"), QStringLiteral("&Cancel"));
    CmdDelete = button(Frame2, QStringLiteral("CmdDelete"), QStringLiteral("&Delete"));
    for (QPushButton *b : {CmdSave, CmdCancel, CmdDelete}) {
        place(b, 0, 3000, 1000, 500);
        b->installEventFilter(this);
    }
    // A window has no default button of its own: Enter and Esc are the editor's keys.
    auto *enter = new QAction(Frame2);
    enter->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    enter->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    Frame2->addAction(enter);
    connect(enter, &QAction::triggered, this, &CountDate::CmdSave_Click);
    auto *escape = new QAction(Frame2);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    escape->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    Frame2->addAction(escape);
    connect(escape, &QAction::triggered, this, &CountDate::CmdCancel_Click);
}

void CountDate::connectHandlers()
{
    for (int n = 1; n <= Entries; ++n) {
        connect(entry(n).command, &QPushButton::clicked, this, [this, n] { Command_Click(n); });
        connect(entry(n).menu, &QAction::triggered, this, [this, n] { Command_Click(n); });
    }
    connect(CmdSave, &QPushButton::clicked, this, &CountDate::CmdSave_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &CountDate::CmdCancel_Click);
    connect(CmdDelete, &QPushButton::clicked, this, &CountDate::CmdDelete_Click);
    connect(Timer1, &QTimer::timeout, this, &CountDate::Timer1_Timer);
    connect(menuexit, &QAction::triggered, this, &CountDate::menuexit_Click);
}

void CountDate::Form_Load()
{
    setFixedSize(twipsToPixels(WidthTwips), twipsToPixels(HeightTwips));
    for (int n = 1; n <= Entries; ++n)
        loadEntry(n);
    // Show the remaining times at once rather than half a second after opening.
    Timer1_Timer();
}

void CountDate::loadEntry(int n)
{
    showEntry(n, m_store.get(keys::DateCountDownText, n), m_store.get(keys::DateCountDownDate, n),
              m_store.get(keys::DateCountDownTime, n));
}

void CountDate::showEntry(int n, const QString &text, const QString &date, const QString &time)
{
    Entry &e = entry(n);
    e.message->setText(text);
    e.date->setText(date);
    e.LabelTime = time;
    e.LabelNewDate = date.isEmpty() ? QString() : date + u' ' + time;
    e.moment = date.isEmpty() ? std::nullopt : datemoment::parse(date, time);
}

void CountDate::setDateColour(Entry &e, const QColor &colour)
{
    setTextColour(e.date, colour);
}

// Wakes twice a second only while some entry counts: one with a readable moment that does
// not read "Time Is Up!" yet. An entry past its moment needs one more tick to say so.
void CountDate::updateRefresh()
{
    bool counting = false;
    for (const Entry &e : m_entries)
        counting = counting ||
                   (!e.date->text().isEmpty() && e.moment && e.remaining->text() != timeIsUp());
    if (counting && !Timer1->isActive())
        Timer1->start();
    else if (!counting)
        Timer1->stop();
}

void CountDate::Timer1_Timer()
{
    const QDateTime now = m_clock.now();
    for (Entry &e : m_entries) {
        if (e.date->text().isEmpty() || !e.moment)
            continue;
        const qint64 remaining = now.secsTo(*e.moment);
        if (remaining > 0) {
            e.remaining->setText(FormatRemaining(remaining).text);
            if (remaining <= 2) {
                playAlarm(m_platform, m_startFolder, QStringLiteral("timer.wav"));
                announce(e);
            }
        } else if (e.remaining->text() != timeIsUp()) {
            e.remaining->setText(timeIsUp());
            setDateColour(e, Qt::blue);
        }
    }
    updateRefresh();
}

void CountDate::announce(Entry &e)
{
    if (e.announced == *e.moment)
        return;
    e.announced = *e.moment;
    const int n = int(&e - m_entries) + 1;
    m_platform.notifications().notify(QStringLiteral("datecountdown%1").arg(n),
                                      QStringLiteral("Date CountDown: Time Is Up!"),
                                      e.message->text(), bringForwardAction(this));
}

void CountDate::Command_Click(int n)
{
    Entry &e = entry(n);
    for (Entry &other : m_entries)
        other.text->setVisible(false);
    Frame1->setVisible(false);
    Frame2->setVisible(true);
    m_editing = n;
    e.text->setText(e.message->text());
    e.text->setVisible(true);
    resetEditor();
    const bool used = !e.date->text().isEmpty();
    if (used) {
        const auto date = datemoment::parseDate(e.date->text());
        const auto time = datemoment::parseTime(e.LabelTime);
        // An entry that cannot be read opens on today at noon, with Delete to get rid of it.
        if (date && time) {
            Calendar1->setSelectedDate(*date);
            const int h12 = time->hour() % 12 == 0 ? 12 : time->hour() % 12;
            Combo1->setCurrentText(twoDigits(h12));
            Combo2->setCurrentText(twoDigits(time->minute()));
            Combo3->setCurrentText(twoDigits(time->second()));
            Combo4->setCurrentText(time->hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
        }
    }
    place(CmdSave, used ? 4800 : 5200, 3000, 1000, 500);
    place(CmdCancel, used ? 6000 : 6800, 3000, 1000, 500);
    place(CmdDelete, 7200, 3000, 1000, 500);
    CmdDelete->setVisible(used);
    setWindowTitle(u"Edit Message " + QString::number(n));
    e.text->setFocus(Qt::OtherFocusReason);
}

void CountDate::resetEditor()
{
    Calendar1->setSelectedDate(m_clock.now().date());
    Combo1->setCurrentText(QStringLiteral("12"));
    Combo2->setCurrentText(QStringLiteral("00"));
    Combo3->setCurrentText(QStringLiteral("00"));
    Combo4->setCurrentText(QStringLiteral("PM"));
}

void CountDate::CmdSave_Click()
{
    if (m_editing == 0) {
        backToList();
        return;
    }
    const int n = m_editing;
    Entry &e = entry(n);
    const QString text = e.text->text();
    const QString date = datemoment::formatDate(Calendar1->selectedDate());
    const QString time = datemoment::formatTime(Combo1->currentText(), Combo2->currentText(),
                                                Combo3->currentText(), Combo4->currentText());
    // All three keys or none: a half-saved entry would count to another moment.
    const bool saved = saveOrTell(m_platform, u"Message " + QString::number(n), [&] {
        SettingsBatch batch;
        batch.save(keys::DateCountDownText, n, text);
        batch.save(keys::DateCountDownTime, n, time);
        batch.save(keys::DateCountDownDate, n, date);
        m_store.save(batch);
    });
    if (!saved)
        return;
    showEntry(n, text, date, time);
    setDateColour(e, Qt::black);
    // Counted afresh at the next refresh, so a moment already past reads "Time Is Up!" again.
    e.remaining->clear();
    backToList();
    updateRefresh();
}

void CountDate::CmdCancel_Click()
{
    backToList();
}

void CountDate::CmdDelete_Click()
{
    if (m_editing == 0) {
        backToList();
        return;
    }
    const int n = m_editing;
    Entry &e = entry(n);
    // The date goes first: without it the entry is free whatever else is left.
    const bool deleted =
        saveOrTell(m_platform, u"The deletion of message " + QString::number(n), [&] {
            m_store.remove(keys::DateCountDownDate, n);
            m_store.remove(keys::DateCountDownText, n);
            m_store.remove(keys::DateCountDownTime, n);
        });
    if (!deleted)
        return;
    e.text->clear();
    showEntry(n, QString(), QString(), QString());
    e.remaining->clear();
    backToList();
    updateRefresh();
}

void CountDate::backToList()
{
    for (Entry &e : m_entries)
        e.text->setVisible(false);
    m_editing = 0;
    resetEditor();
    Frame2->setVisible(false);
    Frame1->setVisible(true);
    setWindowTitle(QStringLiteral("Date CountDown"));
}

bool CountDate::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && m_editing != 0) {
        // Any mouse button released over Save, Cancel or Delete runs it; the click that may
        // follow finds the editor closed.
        auto *b = qobject_cast<QPushButton *>(watched);
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (b && b->rect().contains(mouse->position().toPoint())) {
            if (b == CmdSave)
                CmdSave_Click();
            else if (b == CmdCancel)
                CmdCancel_Click();
            else if (b == CmdDelete)
                CmdDelete_Click();
        }
    } else if (event->type() == QEvent::FocusIn) {
        if (auto *edit = qobject_cast<QLineEdit *>(watched)) {
            // After the focus change is done, or a mouse click would undo the selection.
            QTimer::singleShot(0, edit, [edit] {
                if (edit->hasFocus())
                    edit->selectAll();
            });
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CountDate::menuexit_Click()
{
    close();
}

} // namespace nookery
