#include "timers/countdown.h"

#include "common/clock.h"
#include "common/helpcontext.h"
#include "common/toolcontext.h"
#include "common/twips.h"
#include "platform/platform.h"
#include "settings/settingsstore.h"
#include "timers/formatremaining.h"
#include "timers/timerwidgets.h"
#include "windowkit/menus.h"
#include "windowkit/placement.h"
#include "windowkit/textfit.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

namespace nookery {

using namespace timerwidgets;

namespace {

constexpr int WidthTwips = 10500;
constexpr int HeightTwips = 6000;
constexpr int TickMs = 450;
constexpr int BlinkMs = 300;
constexpr int HelpTopic = helpcontext::CountDown;
constexpr int OptionsPage = 4; // "CountDown"
constexpr int MaxMinutes = 1440;
constexpr int MaxSeconds = 59;

QString numbered(const char *name, int n)
{
    return QLatin1String(name) + QString::number(n);
}

QString twoDigits(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

// A stored scroll value, clamped to its bar; none unless it is a whole number.
std::optional<int> storedValue(const QString &text, int maximum)
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return static_cast<int>(std::clamp<qlonglong>(v, 0, maximum));
}

} // namespace

CountDown::CountDown(const ToolContext &context, QWidget *parent)
    : QMainWindow(parent), StandardHelp(context.suite, HelpTopic), m_store(context.store),
      m_clock(context.clock), m_platform(context.platform), m_suite(context.suite),
      m_startFolder(context.startFolder)
{
    setObjectName(QStringLiteral("CountDown"));
    setWindowTitle(QStringLiteral("CountDown"));
    setWindowFlags(timerWindowFlags(true));
    m_panels[0].n = 1;
    m_panels[1].n = 2;
    buildMenus();
    auto *central = new QWidget(this);
    setCentralWidget(central);
    buildPanel(m_panels[0], 120);
    buildPanel(m_panels[1], 5280);
    connectHandlers();
    Form_Load();
    textfit::fitWindow(this);
    kit::centreOnScreen(this);
}

CountDown::~CountDown() = default;

void CountDown::buildMenus()
{
    QMenu *menufile = kit::addMenu(menuBar(), "menufile", QStringLiteral("&File"));
    for (Panel &p : m_panels) {
        const QString n = QString::number(p.n);
        p.menustart = kit::addEntry(menufile, numbered("menustart", p.n), startCaption(p),
                                    QKeySequence(p.n == 1 ? Qt::Key_F3 : Qt::Key_F5));
        p.menuAcknowledge = kit::addEntry(menufile, numbered("menuAcknowledge", p.n),
                                          u"Acknowledge CountDown &" + n,
                                          QKeySequence(p.n == 1 ? Qt::Key_F4 : Qt::Key_F6));
        p.menuAcknowledge->setVisible(false);
        p.menuclear = kit::addEntry(menufile, numbered("menuclear", p.n),
                                    u"Clear CountDown " + n + u" to 0:00");
        p.menusave = kit::addEntry(menufile, numbered("menusave", p.n),
                                   u"Save current CountDown " + n + u" time");
        p.menuretrieve = kit::addEntry(menufile, numbered("menuretrieve", p.n),
                                       u"Retrieve saved CountDown " + n + u" time");
        menufile->addSeparator();
    }
    menuoptions = kit::addEntry(menufile, QStringLiteral("menuoptions"), QStringLiteral("&Options"),
                                QKeySequence(Qt::Key_F11));
    menufile->addSeparator();
    menuexit = kit::addEntry(menufile, QStringLiteral("menuexit"), QStringLiteral("&Close"),
                             QKeySequence(Qt::Key_F12));

    addHelpMenu(this, {u"&Help Topics", u"&Using CountDown", Qt::Key_F1, nullptr});
}

void CountDown::buildPanel(Panel &p, int left)
{
    const int n = p.n;
    const QString title = numbered("CountDown ", n);
    // Timer 2's controls continue timer 1's numbering: Label5..8, Frame5..8.
    const int label0 = n == 1 ? 1 : 5;
    const int frame0 = n == 1 ? 1 : 5;
    QWidget *central = centralWidget();
    QFont caption = font();
    caption.setPointSize(12);
    QFont small = font();
    small.setPointSizeF(9.75);

    p.frame = new QGroupBox(title, central);
    p.frame->setObjectName(numbered("Frame", frame0));
    p.frame->setFont(caption);
    place(p.frame, left, 120, 5000, 5100);

    QLabel *heading = label(p.frame, n == 1 ? QStringLiteral("Label1a") : QStringLiteral("Label2a"),
                            u"Hrs" + QString(20, u' ') + u"Mins" + QString(20, u' ') + u"Sec");
    heading->setFont(small);
    place(heading, 705, 480, 2895, 240);

    p.hours = digitLabel(p.frame, numbered("Label", label0), QStringLiteral("0:"), Qt::red,
                         Qt::AlignRight, 48);
    place(p.hours, 550, 840, 1460, 1100);
    p.minutes = digitLabel(p.frame, numbered("Label", label0 + 1), QStringLiteral("00:"), Qt::red,
                           Qt::AlignRight, 48);
    place(p.minutes, 1930, 840, 1400, 1100);
    p.seconds = digitLabel(p.frame, numbered("Label", label0 + 2), QStringLiteral("00"),
                           QColor(255, 255, 0), Qt::AlignHCenter, 48);
    place(p.seconds, 3330, 840, 1130, 1100);

    const QStyle *s = style();
    p.butstart =
        button(p.frame, numbered("butstart", n), QStringLiteral("Start"), u"Start " + title);
    p.butstart->setIcon(s->standardIcon(QStyle::SP_MediaPlay));
    p.butClear = button(p.frame, numbered("butClear", n), QStringLiteral("Clear"),
                        QStringLiteral("clear time to 0:00"));
    p.butClear->setIcon(s->standardIcon(QStyle::SP_DialogResetButton));
    p.butSave = button(p.frame, numbered("butSave", n), QStringLiteral("Save"),
                       u"save " + title + u" time");
    p.butSave->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    p.butRetrieve = button(p.frame, numbered("butRetrieve", n), QStringLiteral("Retrieve"),
                           n == 1 ? u"retrieve " + title + u" time" : QString());
    p.butRetrieve->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
    int x = 200;
    for (QPushButton *b : {p.butstart, p.butClear, p.butSave, p.butRetrieve}) {
        b->setFont(small);
        place(b, x, 2300, 1000, 1000);
        x += 1200;
    }
    p.butstop = button(p.frame, numbered("butstop", n), QStringLiteral("Stop"), u"Stop " + title);
    p.butstop->setIcon(s->standardIcon(QStyle::SP_MediaStop));
    p.butstop->setFont(small);
    place(p.butstop, 200, 2300, 4600, 1000);
    p.butstop->setVisible(false);

    p.input = new QFrame(p.frame);
    p.input->setObjectName(numbered("Frame", frame0 + 1));
    place(p.input, 100, 3350, 4800, 1695);
    const QString bar = numbered("HScroll", n);
    const auto ends = [&](const char *from, const char *to, int top) {
        QLabel *l = label(p.input, QString(), QLatin1String(from));
        place(l, 120, top, 2000, 240);
        QLabel *r = label(p.input, QString(), QLatin1String(to));
        r->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        place(r, 2720, top, 2000, 240);
    };
    ends("0 hours", "24 hours", 100);
    p.minutesBar = scrollBar(p.input, bar + u'a', MaxMinutes, 15);
    place(p.minutesBar, 120, 360, 4600, 315);
    ends("0 seconds", "59 seconds", 865);
    p.secondsBar = scrollBar(p.input, bar + u'b', MaxSeconds, 10);
    place(p.secondsBar, 120, 1125, 4600, 315);
    p.minutesBar->setAccessibleName(title + u" minutes");
    p.secondsBar->setAccessibleName(title + u" seconds");

    p.alarm = new QGroupBox(title, central);
    p.alarm->setObjectName(numbered("Frame", frame0 + 2));
    p.alarm->setFont(caption);
    place(p.alarm, left, 120, 5000, 5100);
    p.alarm->setVisible(false);
    p.messageFrame = new QFrame(p.alarm);
    p.messageFrame->setObjectName(numbered("Frame", frame0 + 3));
    place(p.messageFrame, 100, 300, 4800, 3650);
    p.message = label(p.messageFrame, numbered("Label", label0 + 3), QString());
    QFont messageFont(DigitFamily.toString());
    messageFont.setPointSizeF(14.25);
    messageFont.setBold(true);
    p.message->setFont(messageFont);
    p.message->setAlignment(Qt::AlignCenter);
    p.message->setWordWrap(true);
    QPalette red = p.message->palette();
    red.setColor(QPalette::WindowText,
                 textfit::readable(QColor(192, 0, 0), red.color(QPalette::Window)));
    p.message->setPalette(red);
    place(p.message, 100, 240, 4600, 3300);
    p.butAcknowledge = button(p.alarm, numbered("butAcknowledge", n),
                              n == 1 ? QStringLiteral("&Acknowledge CountDown 1Time Is Up")
                                     : QStringLiteral("Ac&knowledge CountDown 2 Time Is Up"));
    p.butAcknowledge->setFont(small);
    place(p.butAcknowledge, 500, 4000, 4000, 1000);

    p.tickTimer = timer(this, numbered("Timer", n == 1 ? 1 : 3), TickMs);
    p.blinkTimer = timer(this, numbered("Timer", n == 1 ? 2 : 4), BlinkMs);
}

void CountDown::connectHandlers()
{
    for (Panel &p : m_panels) {
        Panel *q = &p;
        connect(p.minutesBar, &QScrollBar::valueChanged, this,
                [this, q] { scrollChanged(*q, true); });
        connect(p.secondsBar, &QScrollBar::valueChanged, this,
                [this, q] { scrollChanged(*q, false); });
        connect(p.menustart, &QAction::triggered, this, [this, q] { startStop(*q); });
        connect(p.butstart, &QPushButton::clicked, this, [this, q] { startStop(*q); });
        connect(p.butstop, &QPushButton::clicked, this, [this, q] { startStop(*q); });
        connect(p.tickTimer, &QTimer::timeout, this, [this, q] { tick(*q); });
        connect(p.blinkTimer, &QTimer::timeout, this, [this, q] { blink(*q); });
        connect(p.menuAcknowledge, &QAction::triggered, this, [this, q] { acknowledge(*q); });
        connect(p.butAcknowledge, &QPushButton::clicked, this, [this, q] { acknowledge(*q); });
        connect(p.menuclear, &QAction::triggered, this, [this, q] { clear(*q); });
        connect(p.butClear, &QPushButton::clicked, this, [this, q] { clear(*q); });
        connect(p.menusave, &QAction::triggered, this, [this, q] { save(*q); });
        connect(p.butSave, &QPushButton::clicked, this, [this, q] { save(*q); });
        connect(p.menuretrieve, &QAction::triggered, this, [this, q] { retrieve(*q); });
        connect(p.butRetrieve, &QPushButton::clicked, this, [this, q] { retrieve(*q); });
    }
    connect(menuoptions, &QAction::triggered, this, &CountDown::menuoptions_Click);
    connect(menuexit, &QAction::triggered, this, &CountDown::menuexit_Click);
}

void CountDown::Form_Load()
{
    resize(twipsToPixels(WidthTwips), twipsToPixels(HeightTwips));
    optionsChanged();
    m_panels[0].minutesBar->setFocus(Qt::OtherFocusReason);
}

void CountDown::optionsChanged()
{
    for (Panel &p : m_panels)
        p.message->setText(visualText(p.n));
}

QString CountDown::visualText(int n) const
{
    const QString text = m_store.get(keys::VisualText, n);
    return text.isEmpty() ? keys::DefaultVisualText.toString() : text;
}

QString CountDown::startCaption(const Panel &p) const
{
    return p.n == 1 ? QStringLiteral("CountDown 1 &Start") : QStringLiteral("CountDown 2 S&tart");
}

void CountDown::showDigits(Panel &p, const QString &hours, const QString &minutes,
                           const QString &seconds)
{
    setFittedText(p.hours, hours);
    setFittedText(p.minutes, minutes);
    setFittedText(p.seconds, seconds);
}

void CountDown::scrollChanged(Panel &p, bool minutesBar)
{
    p.LabelScrollMinutes = p.minutesBar->value();
    const int duration = p.LabelScrollMinutes * 60 + p.secondsBar->value();
    p.timer.setDuration(duration);
    if (minutesBar) {
        setFittedText(p.hours, QString::number(duration / 3600) + u':');
        setFittedText(p.minutes, twoDigits(p.LabelScrollMinutes % 60) + u':');
    } else {
        setFittedText(p.seconds, twoDigits(p.secondsBar->value()));
    }
}

void CountDown::startStop(Panel &p)
{
    switch (p.timer.state()) {
    case CountdownTimer::State::Running:
        if (p.timer.stop(m_clock.now()) == CountdownTimer::Outcome::Alarm) {
            ring(p);
            return;
        }
        showStopped(p);
        return;
    case CountdownTimer::State::Alarm:
        return;
    case CountdownTimer::State::Idle:
    case CountdownTimer::State::Stopped:
        break;
    }
    if (p.minutesBar->value() == 0 && p.secondsBar->value() == 0)
        return;
    p.timer.start(m_clock.now());
    p.tickTimer->start();
    p.butstop->setVisible(true);
    for (QWidget *w : {p.butstart, p.butClear, p.butSave, p.butRetrieve})
        w->setVisible(false);
    p.input->setVisible(false);
    p.butstop->setFocus(Qt::OtherFocusReason);
    for (QAction *a : {p.menuclear, p.menusave, p.menuretrieve})
        a->setVisible(false);
    p.menustart->setText(p.n == 1 ? QStringLiteral("CountDown 1 &Stop")
                                  : QStringLiteral("CountDown 2 &Stop"));
}

void CountDown::showStopped(Panel &p)
{
    p.tickTimer->stop();
    const Remaining r = FormatRemaining(p.timer.remaining());
    p.LabelTotalTimeRemaining = r.text;
    p.LabelTimeRemaining = r.digits();
    showDigits(p, r.hours, r.minutes, r.seconds);
    for (QWidget *w : {p.butstart, p.butClear, p.butSave, p.butRetrieve})
        w->setVisible(true);
    p.butstop->setVisible(false);
    p.input->setVisible(false);
    p.butstart->setFocus(Qt::OtherFocusReason);
    for (QAction *a : {p.menuclear, p.menusave, p.menuretrieve})
        a->setVisible(true);
    p.menustart->setText(startCaption(p));
}

void CountDown::tick(Panel &p)
{
    if (!p.timer.isRunning())
        return;
    if (p.timer.tick(m_clock.now()) == CountdownTimer::Outcome::Alarm) {
        ring(p);
    } else {
        const Remaining r = FormatRemaining(p.timer.remaining());
        p.LabelTotalTimeRemaining = r.text;
        p.LabelTimeRemaining = r.digits();
        showDigits(p, r.hours, r.minutes, r.seconds);
    }
    showTitle(p);
}

void CountDown::ring(Panel &p)
{
    p.LabelSound = m_store.get(keys::Sound, p.n);
    p.LabelTotalTimeRemaining = QStringLiteral("Time Is Up!");
    playAlarm(m_platform, m_startFolder, p.LabelSound);
    m_platform.notifications().notify(QStringLiteral("countdown%1").arg(p.n),
                                      QStringLiteral("CountDown %1: Time Is Up!").arg(p.n),
                                      p.message->text(), bringForwardAction(this));
    p.tickTimer->stop();
    p.menustart->setText(startCaption(p));
    p.minutesBar->setValue(0);
    p.secondsBar->setValue(0);
    showDigits(p, QStringLiteral("0:"), QStringLiteral("00:"), QStringLiteral("00"));
    if (isMinimized())
        showNormal();
    p.frame->setVisible(false);
    p.alarm->setVisible(true);
    p.messageFrame->setVisible(true);
    p.menuAcknowledge->setVisible(true);
    p.butAcknowledge->setFocus(Qt::OtherFocusReason);
    p.blinkTimer->start();
    showTitle(p);
}

void CountDown::showTitle(const Panel &p)
{
    if (isMinimized())
        setWindowTitle(p.hours->text() + p.minutes->text() + p.seconds->text() + u" - CountDown " +
                       QString::number(p.n));
    else
        setWindowTitle(QStringLiteral("CountDown"));
}

void CountDown::blink(Panel &p)
{
    p.messageFrame->setVisible(p.messageFrame->isHidden());
    // Read on every blink, so a message changed in the options shows at once.
    p.message->setText(visualText(p.n));
}

void CountDown::acknowledge(Panel &p)
{
    if (p.timer.state() != CountdownTimer::State::Alarm)
        return;
    p.timer.acknowledge();
    p.frame->setVisible(true);
    for (QWidget *w : {p.butstart, p.butClear, p.butSave, p.butRetrieve})
        w->setVisible(true);
    p.input->setVisible(true);
    p.menuAcknowledge->setVisible(false);
    p.butstop->setVisible(false);
    p.alarm->setVisible(false);
    p.blinkTimer->stop();
    for (QAction *a : {p.menuclear, p.menusave, p.menuretrieve})
        a->setVisible(true);
    p.minutesBar->setFocus(Qt::OtherFocusReason);
}

void CountDown::clear(Panel &p)
{
    if (p.timer.isRunning() || p.timer.state() == CountdownTimer::State::Alarm)
        return;
    p.minutesBar->setValue(0);
    p.secondsBar->setValue(0);
    p.timer.clear();
    // The bars may have been at 0 already, with a paused time on the digits.
    showDigits(p, QStringLiteral("0:"), QStringLiteral("00:"), QStringLiteral("00"));
    p.input->setVisible(true);
    p.minutesBar->setFocus(Qt::OtherFocusReason);
}

void CountDown::save(Panel &p)
{
    if (p.timer.isRunning() || p.timer.state() == CountdownTimer::State::Alarm)
        return;
    saveOrTell(m_platform, u"The CountDown " + QString::number(p.n) + u" time", [&] {
        SettingsBatch batch;
        batch.save(keys::CountDownMinutes, p.n, QString::number(p.minutesBar->value()));
        batch.save(keys::CountDownSeconds, p.n, QString::number(p.secondsBar->value()));
        m_store.save(batch);
    });
}

void CountDown::retrieve(Panel &p)
{
    if (p.timer.isRunning() || p.timer.state() == CountdownTimer::State::Alarm)
        return;
    const QString minutesText = m_store.get(keys::CountDownMinutes, p.n);
    if (minutesText.isEmpty())
        return;
    const auto minutes = storedValue(minutesText, MaxMinutes);
    const auto seconds = storedValue(m_store.get(keys::CountDownSeconds, p.n), MaxSeconds);
    if (!minutes || !seconds)
        return;
    // The retrieved time replaces a paused one; Start then counts it from the top.
    p.timer.dropPaused();
    p.minutesBar->setValue(*minutes);
    p.secondsBar->setValue(*seconds);
    scrollChanged(p, true);
    scrollChanged(p, false);
    p.input->setVisible(true);
}

void CountDown::menuoptions_Click()
{
    m_suite.showOptions(OptionsPage);
}

void CountDown::menuexit_Click()
{
    close();
}

void CountDown::closeEvent(QCloseEvent *event)
{
    for (Panel &p : m_panels) {
        p.tickTimer->stop();
        p.blinkTimer->stop();
    }
    QMainWindow::closeEvent(event);
}

} // namespace nookery
