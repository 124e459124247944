#include "timers/countup.h"

#include "common/clock.h"
#include "common/helpcontext.h"
#include "common/toolcontext.h"
#include "common/twips.h"
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
#include <QStyle>
#include <QTimer>

namespace nookery {

using namespace timerwidgets;

namespace {

constexpr int WidthTwips = 8805;
constexpr int HeightTwips = 4200;
constexpr int TickMs = 450;
constexpr int HelpTopic = helpcontext::CountUp;

QString numbered(const char *name, int n)
{
    return QLatin1String(name) + QString::number(n);
}

} // namespace

CountUp::CountUp(const ToolContext &context, QWidget *parent)
    : QMainWindow(parent), StandardHelp(context.suite, HelpTopic), m_clock(context.clock)
{
    setObjectName(QStringLiteral("CountUp"));
    setWindowTitle(QStringLiteral("CountUp"));
    setWindowFlags(timerWindowFlags(true));
    m_watches[0].n = 3;
    m_watches[1].n = 4;
    buildMenus();
    setCentralWidget(new QWidget(this));
    buildWatch(m_watches[0], 120);
    buildWatch(m_watches[1], 4440);
    connectHandlers();
    Form_Load();
    textfit::fitWindow(this);
    kit::centreOnScreen(this);
}

CountUp::~CountUp() = default;

QString CountUp::startCaption(const Watch &w) const
{
    return w.n == 3 ? QStringLiteral("CountUp 1 St&art") : QStringLiteral("CountUp 2 Sta&rt");
}

void CountUp::buildMenus()
{
    QMenu *menufile = kit::addMenu(menuBar(), "menufile", QStringLiteral("&File"));
    Watch &one = m_watches[0];
    Watch &two = m_watches[1];
    one.menustart = kit::addEntry(menufile, QStringLiteral("menustart3"), startCaption(one),
                                  QKeySequence(Qt::Key_F3));
    one.menuclear =
        kit::addEntry(menufile, QStringLiteral("menuclear3"),
                      QStringLiteral("&CountUp 1 Clear To 0:00"), QKeySequence(Qt::Key_F4));
    two.menustart = kit::addEntry(menufile, QStringLiteral("menustart4"), startCaption(two),
                                  QKeySequence(Qt::Key_F5));
    two.menuclear =
        kit::addEntry(menufile, QStringLiteral("menuclear4"),
                      QStringLiteral("CountUp 2 C&lear To 0:00"), QKeySequence(Qt::Key_F6));
    one.menuclear->setVisible(false);
    two.menuclear->setVisible(false);
    menufile->addSeparator();
    menuexit = kit::addEntry(menufile, QStringLiteral("menuexit"), QStringLiteral("&Close"),
                             QKeySequence(Qt::Key_F12));

    addHelpMenu(this, {u"&Help Topics", u"&Using CountUp", Qt::Key_F1, nullptr});
}

void CountUp::buildWatch(Watch &w, int left)
{
    const bool first = w.n == 3;
    const QString title = first ? QStringLiteral("CountUp 1") : QStringLiteral("CountUp 2");
    QFont caption = font();
    caption.setPointSize(12);
    w.frame = new QGroupBox(title, centralWidget());
    w.frame->setObjectName(numbered("Frame", w.n));
    w.frame->setFont(caption);
    place(w.frame, left, 120, 4200, 3300);

    QLabel *heading = label(w.frame, first ? QStringLiteral("Label3a") : QStringLiteral("Label2a"),
                            u"Hrs" + QString(20, u' ') + u"Mins" + QString(20, u' ') + u"Sec");
    // The frame's larger font is for its caption only.
    QFont plain = font();
    plain.setPointSizeF(plain.pointSizeF());
    heading->setFont(plain);
    place(heading, 700, 480, 2895, 240);
    const int d = first ? 9 : 12;
    w.hours = digitLabel(w.frame, numbered("Label", d), QStringLiteral("0:"), Qt::red,
                         Qt::AlignRight, 48);
    place(w.hours, 150, 795, 1400, 1100);
    w.minutes = digitLabel(w.frame, numbered("Label", d + 1), QStringLiteral("00:"), Qt::red,
                           Qt::AlignHCenter, 48);
    place(w.minutes, 1530, 795, 1400, 1100);
    w.seconds = digitLabel(w.frame, numbered("Label", d + 2), QStringLiteral("00"),
                           QColor(255, 255, 0), Qt::AlignLeft, 48);
    place(w.seconds, 2930, 795, 1130, 1100);

    QFont buttons = font();
    buttons.setPointSizeF(8.25);
    buttons.setBold(true);
    w.butstart =
        button(w.frame, numbered("butstart", w.n),
               first ? QStringLiteral("St&art") : QStringLiteral("Sta&rt"), u"Start " + title);
    w.butstart->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    w.butstop = button(w.frame, numbered("butstop", w.n),
                       first ? QStringLiteral("St&op") : QStringLiteral("Sto&p"), u"Stop " + title);
    w.butstop->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    for (QPushButton *b : {w.butstart, w.butstop}) {
        b->setFont(buttons);
        place(b, 1600, 2160, 1050, 925);
    }
    w.butstop->setVisible(false);
    w.tickTimer = timer(this, numbered("Timer", first ? 5 : 6), TickMs);
}

void CountUp::connectHandlers()
{
    for (Watch &w : m_watches) {
        Watch *q = &w;
        connect(w.menustart, &QAction::triggered, this, [this, q] { startStop(*q); });
        connect(w.butstart, &QPushButton::clicked, this, [this, q] { startStop(*q); });
        connect(w.butstop, &QPushButton::clicked, this, [this, q] { stop(*q); });
        connect(w.menuclear, &QAction::triggered, this, [this, q] { clear(*q); });
        connect(w.tickTimer, &QTimer::timeout, this, [this, q] { tick(*q); });
    }
    connect(menuexit, &QAction::triggered, this, &CountUp::menuexit_Click);
}

void CountUp::Form_Load()
{
    resize(twipsToPixels(WidthTwips), twipsToPixels(HeightTwips));
}

void CountUp::startStop(Watch &w)
{
    if (w.watch.isRunning()) {
        stop(w);
        return;
    }
    w.watch.start(m_clock.now());
    w.tickTimer->start();
    w.butstop->setVisible(true);
    w.butstop->setFocus(Qt::OtherFocusReason);
    w.butstart->setVisible(false);
    w.menuclear->setVisible(false);
    w.menustart->setText(w.n == 3 ? QStringLiteral("CountUp 1 St&op")
                                  : QStringLiteral("CountUp 2 Sto&p"));
}

void CountUp::stop(Watch &w)
{
    if (!w.watch.isRunning())
        return;
    w.tickTimer->stop();
    // The time up to the moment of the stop, not the last tick's.
    showElapsed(w, w.watch.stop(m_clock.now()));
    w.butstart->setVisible(true);
    w.menuclear->setVisible(true);
    w.butstart->setFocus(Qt::OtherFocusReason);
    w.butstop->setVisible(false);
    w.menustart->setText(startCaption(w));
}

void CountUp::tick(Watch &w)
{
    if (!w.watch.isRunning())
        return;
    showElapsed(w, w.watch.tick(m_clock.now()));
    if (w.n != 3)
        return;
    // Only the first stopwatch names the minimised window.
    if (isMinimized())
        setWindowTitle(w.hours->text() + w.minutes->text() + w.seconds->text() +
                       QStringLiteral(" - CountUp 1"));
    else
        setWindowTitle(QStringLiteral("CountUp"));
}

void CountUp::showElapsed(Watch &w, qint64 elapsed)
{
    const Remaining r = FormatRemaining(elapsed);
    w.LabelTimeRemaining = r.text;
    if (!r.hasDigits())
        return;
    setFittedText(w.hours, r.hours);
    setFittedText(w.minutes, r.minutes);
    setFittedText(w.seconds, r.seconds);
}

void CountUp::clear(Watch &w)
{
    if (w.watch.isRunning())
        return;
    w.watch.clear();
    setFittedText(w.hours, QStringLiteral("0:"));
    setFittedText(w.minutes, QStringLiteral("00:"));
    setFittedText(w.seconds, QStringLiteral("00"));
    w.menuclear->setVisible(false);
    w.butstart->setFocus(Qt::OtherFocusReason);
}

void CountUp::menuexit_Click()
{
    close();
}

void CountUp::closeEvent(QCloseEvent *event)
{
    for (Watch &w : m_watches)
        w.tickTimer->stop();
    QMainWindow::closeEvent(event);
}

} // namespace nookery
