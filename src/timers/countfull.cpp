#include "timers/countfull.h"

#include "common/clock.h"
#include "common/helpcontext.h"
#include "common/toolcontext.h"
#include "common/twips.h"
#include "platform/platform.h"
#include "settings/settingsstore.h"
#include "timers/formatremaining.h"
#include "timers/fullscreenlayout.h"
#include "timers/timerwidgets.h"
#include "windowkit/menus.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

namespace nookery {

using namespace timerwidgets;

namespace {

constexpr int TickMs = 450;
constexpr int BlinkMs = 400;
constexpr int HelpTopic = helpcontext::CountFull;
constexpr int OptionsPage = 4; // "CountDown"
constexpr int MaxMinutes = 1440;
constexpr int MaxSeconds = 59;
constexpr int TwoDigitMinutes = 600;      // 10 hours
constexpr qint64 TwoDigitSeconds = 35999; // above this, the hours take two digits

QString twoDigits(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

std::optional<int> storedValue(const QString &text, int maximum)
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return static_cast<int>(std::clamp<qlonglong>(v, 0, maximum));
}

void setColours(QWidget *w, const QColor &text)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, text);
    w->setPalette(p);
}

void setPointSize(QLabel *label, int points)
{
    setDesignPointSize(label, points);
    setFittedText(label, label->text());
}

} // namespace

CountFull::CountFull(const ToolContext &context, QWidget *parent)
    : QMainWindow(parent), StandardHelp(context.suite, HelpTopic), m_store(context.store),
      m_clock(context.clock), m_platform(context.platform), m_suite(context.suite),
      m_startFolder(context.startFolder)
{
    setObjectName(QStringLiteral("CountFull"));
    setWindowTitle(QStringLiteral("Full Screen CountDown"));
    setWindowFlags(timerWindowFlags(false) | Qt::MSWindowsFixedSizeDialogHint);
    buildMenus();
    buildControls();
    connectHandlers();
    Form_Load();
}

CountFull::~CountFull() = default;

void CountFull::buildMenus()
{
    QMenu *menufile = kit::addMenu(menuBar(), "menufile", QStringLiteral("&File"));
    menustart = kit::addEntry(menufile, QStringLiteral("menustart"),
                              QStringLiteral("CountDown &Start"), QKeySequence(Qt::Key_F3));
    menustop = kit::addEntry(menufile, QStringLiteral("menustop"),
                             QStringLiteral("&Acknowledge Time Is Up"), QKeySequence(Qt::Key_F4));
    menustop->setVisible(false);
    menufile->addSeparator();
    menuclear = kit::addEntry(menufile, QStringLiteral("menuclear"),
                              QStringLiteral("Clear &Timer To 0:00"), QKeySequence(Qt::Key_F6));
    menusave = kit::addEntry(menufile, QStringLiteral("menusave"),
                             QStringLiteral("Save Timer &Value"), QKeySequence(Qt::Key_F7));
    menuretrieve = kit::addEntry(menufile, QStringLiteral("menuretrieve"),
                                 QStringLiteral("&Retrieve Timer Value"), QKeySequence(Qt::Key_F8));
    sep2 = menufile->addSeparator();
    sep2->setObjectName(QStringLiteral("sep2"));
    menuoptionsbrowse1 = kit::addEntry(menufile, QStringLiteral("menuoptionsbrowse1"),
                                       QStringLiteral("&Options"), QKeySequence(Qt::Key_F11));
    menufile->addSeparator();
    menuexit = kit::addEntry(menufile, QStringLiteral("menuexit"), QStringLiteral("&Close"),
                             QKeySequence(Qt::Key_F12));

    addHelpMenu(this, {u"&Help Topics", u"&Using Full Screen CountDown", Qt::Key_F1, nullptr});
}

void CountFull::buildControls()
{
    // Black below the menu bar only: the bar keeps the desktop's colours, so its captions
    // read on any palette.
    auto *central = new QWidget(this);
    setCentralWidget(central);
    setColours(central, Qt::white);
    const QString family = DigitFamily.toString();
    QFont bold(family);
    bold.setBold(true);

    Label1 = label(central, QStringLiteral("Label1"), QString());
    Label1->setFont(bold);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    setColours(Label1, Qt::white);

    Frame1 = new QFrame(central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    setColours(Frame1, Qt::white);
    Label2 = digitLabel(Frame1, QStringLiteral("Label2"), QStringLiteral("0:"), Qt::red,
                        Qt::AlignRight, 120);
    Label3 = digitLabel(Frame1, QStringLiteral("Label3"), QStringLiteral("00:"), Qt::red,
                        Qt::AlignLeft, 120);
    Label4 = digitLabel(Frame1, QStringLiteral("Label4"), QStringLiteral("00"), QColor(255, 255, 0),
                        Qt::AlignLeft, 120);
    HScroll1 = scrollBar(Frame1, QStringLiteral("HScroll1"), MaxMinutes, 15);
    HScroll2 = scrollBar(Frame1, QStringLiteral("HScroll2"), MaxSeconds, 10);
    HScroll1->setAccessibleName(QStringLiteral("Minutes"));
    HScroll2->setAccessibleName(QStringLiteral("Seconds"));

    Frame2 = new QFrame(central);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    setColours(Frame2, Qt::white);
    Frame2->setVisible(false);
    Frame3 = new QFrame(Frame2);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    setColours(Frame3, Qt::white);
    Label5 = digitLabel(Frame3, QStringLiteral("Label5"), QStringLiteral("Time Is Up!!!"),
                        QColor(255, 255, 0), Qt::AlignHCenter, 36);
    butmsg1 = button(Frame2, QStringLiteral("butmsg1"), QStringLiteral("&Acknowledge"));
    QFont buttonFont(family);
    buttonFont.setPointSize(24);
    butmsg1->setFont(buttonFont);

    Timer1 = timer(this, QStringLiteral("Timer1"), TickMs);
    Timer2 = timer(this, QStringLiteral("Timer2"), BlinkMs);
}

void CountFull::connectHandlers()
{
    connect(HScroll1, &QScrollBar::valueChanged, this, &CountFull::HScroll1_Change);
    connect(HScroll2, &QScrollBar::valueChanged, this, &CountFull::HScroll2_Change);
    connect(menustart, &QAction::triggered, this, &CountFull::menustart_Click);
    connect(Timer1, &QTimer::timeout, this, &CountFull::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &CountFull::Timer2_Timer);
    connect(menustop, &QAction::triggered, this, &CountFull::menustop_Click);
    connect(butmsg1, &QPushButton::clicked, this, &CountFull::menustop_Click);
    connect(menuclear, &QAction::triggered, this, &CountFull::menuclear_Click);
    connect(menusave, &QAction::triggered, this, &CountFull::menusave_Click);
    connect(menuretrieve, &QAction::triggered, this, &CountFull::menuretrieve_Click);
    connect(menuoptionsbrowse1, &QAction::triggered, this, &CountFull::menuoptionsbrowse1_Click);
    connect(menuexit, &QAction::triggered, this, &CountFull::menuexit_Click);
}

// The whole of the screen's free area, title bar and frame included: the frame is known
// once the window manager has framed the window, so this runs again when it moves.
void CountFull::fitScreen()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    const QRect inner = geometry();
    const QRect outer = frameGeometry();
    const QSize size =
        area.size() - QSize(outer.width() - inner.width(), outer.height() - inner.height());
    if (size != this->size()) {
        setFixedSize(size);
        applyLayout(m_twoHourDigits);
    }
    if (outer.topLeft() != area.topLeft())
        move(area.topLeft());
}

void CountFull::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (isVisible())
        fitScreen();
}

void CountFull::Form_Load()
{
    fitScreen();

    LabelSound3 = m_store.get(keys::Sound, 3);
    if (LabelSound3.isEmpty()) {
        LabelSound3 = keys::Sound.fallback.toString();
        saveOrTell(m_platform, QStringLiteral("The full-screen alarm sound"),
                   [&] { m_store.save(keys::Sound, 3, LabelSound3); });
    }
    optionsChanged();
    HScroll1->setValue(0);
    HScroll2->setValue(0);
    HScroll1->setFocus(Qt::OtherFocusReason);
}

void CountFull::optionsChanged()
{
    Label1->setText(m_store.read(keys::VisualText, 3));
    applyLayout(m_twoHourDigits);
}

bool CountFull::largeScheme() const
{
    return m_store.isOn(keys::FullScreenLargeFonts);
}

void CountFull::applyLayout(bool twoHourDigits)
{
    m_twoHourDigits = twoHourDigits;
    m_large = largeScheme();
    const FullScreenLayout l =
        FullScreenLayout::compute(m_large, twoHourDigits, int(pixelsToTwips(width())));
    const auto put = [](QWidget *w, const QRect &r) {
        place(w, r.left(), r.top(), r.width(), r.height());
    };
    put(Label1, l.message);
    QFont f = Label1->font();
    f.setPointSize(l.messageFont);
    Label1->setFont(f);
    put(Frame1, l.digitPanel);
    put(Label2, l.hours);
    put(Label3, l.minutes);
    put(Label4, l.seconds);
    for (QLabel *digits : {Label2, Label3, Label4})
        setPointSize(digits, l.digitFont);
    put(HScroll1, l.minutesBar);
    put(HScroll2, l.secondsBar);
    put(Frame2, l.alarmPanel);
    put(Frame3, l.blinkPanel);
    Label5->setGeometry(Frame3->rect());
    setPointSize(Label5, l.alarmFont);
    put(butmsg1, l.acknowledge);
}

void CountFull::showDigits(const QString &hours, const QString &minutes, const QString &seconds)
{
    setFittedText(Label2, hours);
    setFittedText(Label3, minutes);
    setFittedText(Label4, seconds);
}

void CountFull::HScroll1_Change()
{
    LabelScrollMinutes = HScroll1->value();
    const int duration = LabelScrollMinutes * 60 + HScroll2->value();
    m_timer.setDuration(duration);
    applyLayout(LabelScrollMinutes >= TwoDigitMinutes);
    setFittedText(Label2, QString::number(duration / 3600) + u':');
    setFittedText(Label3, twoDigits(LabelScrollMinutes % 60) + u':');
}

void CountFull::HScroll2_Change()
{
    m_timer.setDuration(HScroll1->value() * 60 + HScroll2->value());
    setFittedText(Label4, twoDigits(HScroll2->value()));
}

void CountFull::setEditing(bool on)
{
    for (QAction *a : {menuclear, menusave, menuretrieve, sep2})
        a->setVisible(on);
}

void CountFull::menustart_Click()
{
    if (m_timer.isRunning()) {
        if (m_timer.stop(m_clock.now()) == CountdownTimer::Outcome::Alarm)
            ring();
        else
            showStopped();
        return;
    }
    if (m_timer.state() == CountdownTimer::State::Alarm || m_timer.duration() == 0)
        return;
    m_timer.start(m_clock.now());
    Timer1->start();
    HScroll1->setVisible(false);
    HScroll2->setVisible(false);
    setEditing(false);
    menustart->setText(QStringLiteral("CountDown &Stop"));
}

void CountFull::showStopped()
{
    Timer1->stop();
    const Remaining r = FormatRemaining(m_timer.remaining());
    LabelTotalTimeRemaining = r.text;
    LabelTimeRemaining = r.digits();
    applyLayout(m_timer.remaining() > TwoDigitSeconds);
    showDigits(r.hours, r.minutes, r.seconds);
    // The scroll bars stay hidden until Clear or Acknowledge.
    setEditing(true);
    menustart->setText(QStringLiteral("CountDown &Start"));
}

void CountFull::Timer1_Timer()
{
    if (!m_timer.isRunning())
        return;
    const CountdownTimer::Outcome outcome = m_timer.tick(m_clock.now());
    const qint64 remaining = m_timer.remaining();
    // The scheme is read on every tick, but laid out again only when something changed.
    const bool two = remaining > TwoDigitSeconds;
    if (two != m_twoHourDigits || largeScheme() != m_large)
        applyLayout(two);
    if (outcome == CountdownTimer::Outcome::Alarm) {
        ring();
        return;
    }
    const Remaining r = FormatRemaining(remaining);
    LabelTotalTimeRemaining = r.text;
    LabelTimeRemaining = r.digits();
    showDigits(r.hours, r.minutes, r.seconds);
}

void CountFull::ring()
{
    LabelSound3 = m_store.get(keys::Sound, 3);
    LabelTotalTimeRemaining = QStringLiteral("Time Is Up!");
    playAlarm(m_platform, m_startFolder, LabelSound3);
    Timer1->stop();
    menustop->setVisible(true);
    menustart->setText(QStringLiteral("CountDown &Start"));
    menustart->setEnabled(false);
    LabelTimeRemaining = QStringLiteral("LabelTimeRemaining");
    HScroll1->setValue(0);
    HScroll2->setValue(0);
    showDigits(QStringLiteral("0:"), QStringLiteral("00:"), QStringLiteral("00"));
    Frame2->setVisible(true);
    Frame3->setVisible(true);
    butmsg1->setFocus(Qt::OtherFocusReason);
    Timer2->start();
}

void CountFull::Timer2_Timer()
{
    Frame3->setVisible(Frame3->isHidden());
}

void CountFull::menustop_Click()
{
    if (m_timer.state() != CountdownTimer::State::Alarm)
        return;
    m_timer.acknowledge();
    menustart->setVisible(true);
    menustart->setEnabled(true);
    setEditing(true);
    HScroll1->setVisible(true);
    HScroll2->setVisible(true);
    menustop->setVisible(false);
    Frame2->setVisible(false);
    Timer2->stop();
    HScroll1->setFocus(Qt::OtherFocusReason);
}

void CountFull::clearTimer()
{
    HScroll1->setValue(0);
    HScroll2->setValue(0);
    m_timer.clear();
    // The bars may have been at 0 already, with a paused time on the digits.
    applyLayout(false);
    showDigits(QStringLiteral("0:"), QStringLiteral("00:"), QStringLiteral("00"));
}

void CountFull::menuclear_Click()
{
    if (m_timer.isRunning() || m_timer.state() == CountdownTimer::State::Alarm)
        return;
    clearTimer();
    HScroll1->setVisible(true);
    HScroll2->setVisible(true);
}

void CountFull::menusave_Click()
{
    if (m_timer.isRunning() || m_timer.state() == CountdownTimer::State::Alarm)
        return;
    saveOrTell(m_platform, QStringLiteral("The full-screen time"), [&] {
        SettingsBatch batch;
        batch.save(keys::FullScreenMinutes, QString::number(HScroll1->value()));
        batch.save(keys::FullScreenSeconds, QString::number(HScroll2->value()));
        m_store.save(batch);
    });
}

void CountFull::menuretrieve_Click()
{
    if (m_timer.isRunning() || m_timer.state() == CountdownTimer::State::Alarm)
        return;
    clearTimer();
    const QString minutesText = m_store.get(keys::FullScreenMinutes);
    if (minutesText.isEmpty())
        return;
    const auto minutes = storedValue(minutesText, MaxMinutes);
    const auto seconds = storedValue(m_store.get(keys::FullScreenSeconds), MaxSeconds);
    if (!minutes || !seconds)
        return;
    HScroll1->setValue(*minutes);
    HScroll2->setValue(*seconds);
}

void CountFull::menuoptionsbrowse1_Click()
{
    m_suite.showOptions(OptionsPage);
}

void CountFull::menuexit_Click()
{
    close();
}

void CountFull::closeEvent(QCloseEvent *event)
{
    Timer1->stop();
    Timer2->stop();
    QMainWindow::closeEvent(event);
}

} // namespace nookery
