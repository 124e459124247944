#include "calendar/calendar.h"

#include "common/clock.h"
#include "common/helpcontext.h"
#include "common/suite.h"
#include "common/twips.h"
#include "platform/platform.h"
#include "settings/settingsstore.h"

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
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

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

calendar::calendar(SettingsStore &store, Clock &clock, Platform &platform, Suite &suite,
                   QWidget *parent)
    : QMainWindow(parent), m_store(store), m_clock(clock), m_platform(platform), m_suite(suite)
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
    const auto entry = [this](QMenu *menu, const char *name, const QString &caption,
                              const QKeySequence &key) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(key);
        return a;
    };
    QMenu *menufile = menuBar()->addMenu(QStringLiteral("&File"));
    menufile->menuAction()->setObjectName(QStringLiteral("menufile"));
    menucopy = entry(menufile, "menucopy", QStringLiteral("Cop&y date to the clipboard"),
                     QKeySequence(Qt::CTRL | Qt::Key_Y));
    menuchange = entry(menufile, "menuchange", QStringLiteral("Change the computer's &date"),
                       QKeySequence(Qt::CTRL | Qt::Key_D));
    helpcontext::set(menucopy, helpcontext::CalendarCopyDate);
    helpcontext::set(menuchange, helpcontext::CalendarChangeDate);
    menufile->addSeparator()->setObjectName(QStringLiteral("sep0"));
    menuoptions =
        entry(menufile, "menuoptions", QStringLiteral("&Options"), QKeySequence(Qt::Key_F11));
    menufile->addSeparator()->setObjectName(QStringLiteral("sep1"));
    menuclose = entry(menufile, "menuclose", QStringLiteral("&Close"), QKeySequence(Qt::Key_F12));

    QMenu *menuhelp = menuBar()->addMenu(QStringLiteral("&Help"));
    menuhelp->menuAction()->setObjectName(QStringLiteral("menuhelp"));
    menuhelp1 = entry(menuhelp, "menuhelp1", QStringLiteral("&Help Topics"), QKeySequence());
    menuhelp2 =
        entry(menuhelp, "menuhelp2", QStringLiteral("&Using Calendar"), QKeySequence(Qt::Key_F1));
    menuhelp->addSeparator()->setObjectName(QStringLiteral("sep2"));
    menuhelp3 = entry(menuhelp, "menuhelp3", QStringLiteral("&About Nookery"), QKeySequence());
}

void calendar::buildToolBar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setContextMenuPolicy(Qt::PreventContextMenu);
    struct Button
    {
        const char *key;
        const char16_t *tip;
        const char *themeIcon;
        QStyle::StandardPixmap fallback;
    };
    const Button buttons[] = {
        {"cm1", u"Copy Date To Clipboard", "edit-copy", QStyle::SP_FileDialogContentsView},
        {nullptr, nullptr, nullptr, {}},
        {"cm2", u"Change Computer's Date", "preferences-system-time", QStyle::SP_BrowserReload},
        {nullptr, nullptr, nullptr, {}},
        {"cm3", u"Set Options", "preferences-system", QStyle::SP_FileDialogDetailedView},
        {"cm4", u"Help Using Calendar", "help-contents", QStyle::SP_DialogHelpButton},
        {"cm5", u"Close Calendar", "window-close", QStyle::SP_DialogCloseButton},
    };
    for (const Button &b : buttons) {
        if (!b.key) {
            Toolbar1->addSeparator();
            continue;
        }
        const QString key = QLatin1String(b.key);
        const QString tip = QString::fromUtf16(b.tip);
        const QIcon icon =
            QIcon::fromTheme(QLatin1String(b.themeIcon), style()->standardIcon(b.fallback));
        QAction *button = Toolbar1->addAction(icon, tip);
        button->setObjectName(key);
        button->setData(key);
        button->setToolTip(tip);
        if (key == u"cm1")
            helpcontext::set(button, helpcontext::CalendarCopyDate);
        else if (key == u"cm2")
            helpcontext::set(button, helpcontext::CalendarChangeDate);
    }
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
    connect(menuhelp1, &QAction::triggered, this, &calendar::menuhelp1_Click);
    connect(menuhelp2, &QAction::triggered, this, &calendar::menuhelp2_Click);
    connect(menuhelp3, &QAction::triggered, this, &calendar::menuhelp3_Click);
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
    const QRect area = screen->availableGeometry();
    int x = full.x() + full.width() - twipsToPixels(RightGapTwips);
    int y = full.y() + full.height() - twipsToPixels(BottomGapTwips);
    x = std::max(area.left(), std::min(x, area.x() + area.width() - frameWidth));
    y = std::max(area.top(), std::min(y, area.y() + area.height() - frameHeight));
    move(x, y);
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
    return {m_store.get(keys::ShortDate), m_store.get(keys::MediumDate),
            m_store.get(keys::LongDate)};
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
    const QString key = button ? button->data().toString() : QString();
    if (key == u"cm1")
        menucopy_Click();
    else if (key == u"cm2")
        menuchange_Click();
    else if (key == u"cm3")
        menuoptions_Click();
    else if (key == u"cm4")
        menuhelp2_Click();
    else if (key == u"cm5")
        menuclose_Click();
}

void calendar::menucopy_Click()
{
    if (!value::isYes(m_store.get(keys::CopyDate)))
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

void calendar::menuhelp1_Click()
{
    m_suite.showHelpContents();
}

void calendar::menuhelp2_Click()
{
    m_suite.showHelpTopic(HelpTopic);
}

void calendar::menuhelp3_Click()
{
    m_suite.show(Tool::About);
}

} // namespace nookery
