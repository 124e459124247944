#include "calendar/calendar.h"

#include "common/clock.h"
#include "common/helpcontext.h"
#include "common/suite.h"
#include "common/toolcontext.h"
#include "common/twips.h"
#include "platform/platform.h"
#include "settings/settingsstore.h"
#include "windowkit/menus.h"
#include "windowkit/placement.h"
#include "windowkit/toolbar.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCalendarWidget>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace nookery {

namespace {

constexpr int FrameWidthTwips = 3960;
constexpr int FrameHeightTwips = 5075;
constexpr int RightGapTwips = 4030;  // left = screen width - this
constexpr int BottomGapTwips = 5600; // top = screen height - this
constexpr int HelpTopic = helpcontext::Calendar;
constexpr int OptionsPage = 2;
constexpr int TickMs = 1000; // how late a new day may show

const QString ChangeTitle = QStringLiteral("Change Computer Date");

} // namespace

calendar::calendar(const ToolContext &context, QWidget *parent)
    : QMainWindow(parent), StandardHelp(context.suite, HelpTopic), m_store(context.store),
      m_clock(context.clock), m_platform(context.platform), m_suite(context.suite)
{
    setObjectName(QStringLiteral("calendar"));
    setWindowTitle(QStringLiteral("Calendar"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    // Aimed at the next midnight at each tick rather than repeating.
    Timer1.setSingleShot(true);
    Timer1.setTimerType(Qt::PreciseTimer);
    buildMenus();
    buildToolBar();
    buildControls();
    connectHandlers();
    Form_Load();
}

calendar::~calendar() = default;

void calendar::buildMenus()
{
    using kit::addEntry;
    QMenu *menufile = kit::addMenu(menuBar(), "menufile", QStringLiteral("&File"));
    menucopy = addEntry(menufile, "menucopy", QStringLiteral("Cop&y date to the clipboard"),
                        QKeySequence(Qt::CTRL | Qt::Key_Y));
    menuchange = addEntry(menufile, "menuchange", QStringLiteral("Change the computer's &date"),
                          QKeySequence(Qt::CTRL | Qt::Key_D));
    helpcontext::set(menucopy, helpcontext::CalendarCopyDate);
    helpcontext::set(menuchange, helpcontext::CalendarChangeDate);
    kit::addSeparator(menufile, "sep0");
    menuoptions =
        addEntry(menufile, "menuoptions", QStringLiteral("&Options"), QKeySequence(Qt::Key_F11));
    kit::addSeparator(menufile, "sep1");
    menuclose =
        addEntry(menufile, "menuclose", QStringLiteral("&Close"), QKeySequence(Qt::Key_F12));
    addHelpMenu(this, {u"&Help Topics", u"&Using Calendar", Qt::Key_F1, "sep2"});
}

void calendar::buildToolBar()
{
    Toolbar1 = new ToolBar(
        this, "Toolbar1",
        {
            {u"cm1", "edit-copy", u"Copy Date To Clipboard", call(this, &calendar::menucopy_Click)},
            {},
            {u"cm2", "preferences-system-time", u"Change Computer's Date",
             call(this, &calendar::menuchange_Click)},
            {},
            {u"cm3", "configure", u"Set Options", call(this, &calendar::menuoptions_Click)},
            {u"cm4", "help-contents", u"Help Using Calendar",
             call(this, &calendar::menuhelp2_Click)},
            {u"cm5", "window-close", u"Close Calendar", call(this, &calendar::menuclose_Click)},
        });
    helpcontext::set(Toolbar1->button(u"cm1"), helpcontext::CalendarCopyDate);
    helpcontext::set(Toolbar1->button(u"cm2"), helpcontext::CalendarChangeDate);
}

void calendar::buildControls()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 4, 6, 6);
    lbldatedisplay = new QLabel(central);
    lbldatedisplay->setObjectName(QStringLiteral("lbldatedisplay"));
    lbldatedisplay->setAlignment(Qt::AlignCenter);
    QFont bold = lbldatedisplay->font();
    bold.setBold(true);
    lbldatedisplay->setFont(bold);
    Calendar1 = new QCalendarWidget(central);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    Calendar1->setDateRange(QDate(1753, 1, 1), QDate(9999, 12, 31));
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // The month grid is what takes the focus; a screen reader names it for the picked date.
    Calendar1->setAccessibleName(QStringLiteral("Your date"));
    if (auto *grid = Calendar1->findChild<QAbstractItemView *>())
        grid->setAccessibleName(QStringLiteral("Your date"));
    Label1 = new QLabel(central);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    layout->addWidget(lbldatedisplay);
    layout->addWidget(Calendar1, 1);
    layout->addWidget(Label1);
    setCentralWidget(central);
}

void calendar::connectHandlers()
{
    connect(menucopy, &QAction::triggered, this, &calendar::menucopy_Click);
    connect(menuchange, &QAction::triggered, this, &calendar::menuchange_Click);
    connect(menuoptions, &QAction::triggered, this, &calendar::menuoptions_Click);
    connect(menuclose, &QAction::triggered, this, &calendar::menuclose_Click);
    connect(Toolbar1, &QToolBar::actionTriggered, this, &calendar::Toolbar1_ButtonClick);
    // A click copies the date, a double click (or Enter) sets the computer's date to it.
    connect(Calendar1, &QCalendarWidget::clicked, this, &calendar::menucopy_Click);
    connect(Calendar1, &QCalendarWidget::activated, this, &calendar::menuchange_Click);
    connect(&Timer1, &QTimer::timeout, this, &calendar::Timer1_Timer);
    connect(Calendar1, &QCalendarWidget::selectionChanged, this, &calendar::Timer1_Timer);
}

void calendar::place()
{
    // The frame's size and place are those of the older versions, in the bottom-right
    // corner, moved in where the screen's panels would cover it.
    const int frameWidth = twipsToPixels(FrameWidthTwips);
    const int frameHeight = twipsToPixels(FrameHeightTwips);
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize client(frameWidth, frameHeight - titleBar);
    setFixedSize(client.expandedTo(minimumSizeHint()));
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect full = screen->geometry();
    kit::placeWithin(this, full.bottomRight() + QPoint(1, 1) -
                               QPoint(twipsToPixels(RightGapTwips), twipsToPixels(BottomGapTwips)));
}

void calendar::Form_Load()
{
    place();
    displaydate();
    Timer1_Timer();
}

QDate calendar::today() const
{
    return m_clock.now().date();
}

StyleKeys calendar::styleKeys() const
{
    return {m_store.isYes(keys::ShortDate), m_store.isYes(keys::MediumDate),
            m_store.isYes(keys::LongDate)};
}

QString calendar::calendarFormat() const
{
    return m_store.get(keys::CalendarFormat);
}

void calendar::showToday(const QDate &day)
{
    // With every style switched off the label keeps what it shows.
    const DateStyle style = displayStyle(styleKeys());
    if (style != DateStyle::None)
        lbldatedisplay->setText(formatDate(day, style, calendarFormat()));
    m_shownDay = day;
}

void calendar::displaydate()
{
    const QDate day = today();
    showToday(day);
    Calendar1->setSelectedDate(day);
}

void calendar::Timer1_Timer()
{
    const QDateTime now = m_clock.now();
    const QDate day = now.date();
    txtdate = QLocale().toString(day, QLocale::ShortFormat);
    // Past midnight the label names the new day; the picked date stays.
    if (day != m_shownDay)
        showToday(day);
    const qint64 n = dayDifference(day, Calendar1->selectedDate());
    const QString difference = QStringLiteral("The difference between today and your date is ") +
                               QString::number(n) + QStringLiteral(" days.");
    if (Label1->text() != difference)
        Label1->setText(difference);
    // Nothing shown changes before the day does (or another date is picked).
    Timer1.start(msecsToDateChange(now, TickMs));
}

bool calendar::event(QEvent *event)
{
    // Coming back to the window shows today again; a child taking the focus does not, or a
    // click on a date would undo itself.
    if (event->type() == QEvent::WindowActivate)
        displaydate();
    return QMainWindow::event(event);
}

void calendar::optionsChanged()
{
    showToday(m_shownDay.isValid() ? m_shownDay : today());
}

void calendar::Toolbar1_ButtonClick(QAction *button)
{
    Toolbar1->run(button);
}

void calendar::menucopy_Click()
{
    if (!m_store.isYes(keys::CopyDate))
        return;
    const DateStyle style = copyStyle(styleKeys());
    if (style == DateStyle::None)
        return;
    QGuiApplication::clipboard()->setText(
        formatDate(Calendar1->selectedDate(), style, calendarFormat()));
}

void calendar::menuchange_Click()
{
    if (m_changing)
        return;
    // Taken before the question: the box takes the activation, and coming back re-selects
    // today.
    const QDate picked = Calendar1->selectedDate();
    if (!m_platform.messages().question(
            ChangeTitle, QStringLiteral("Do you want to change the date of the computer to \n") +
                             formatDate(picked, DateStyle::LongDate, calendarFormat()) + u'?'))
        return;
    m_changing = true;
    QPointer<calendar> self(this);
    m_platform.systemDate().setDate(picked, [self](const QString &error) {
        if (self)
            self->dateChanged(error);
    });
}

void calendar::dateChanged(const QString &error)
{
    m_changing = false;
    if (!error.isEmpty()) {
        m_platform.messages().information(
            ChangeTitle, QStringLiteral("The computer's date was not changed: ") + error);
        return;
    }
    displaydate();
    // A fresh window takes this one's place, placed and filled anew.
    close();
    m_suite.show(Tool::Calendar);
}

void calendar::menuoptions_Click()
{
    m_suite.showOptions(OptionsPage);
}

void calendar::menuclose_Click()
{
    close();
}

} // namespace nookery
