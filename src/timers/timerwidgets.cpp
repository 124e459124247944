#include "timers/timerwidgets.h"

#include "common/failure.h"
#include "common/twips.h"
#include "platform/platform.h"
#include "timers/wavefile.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <algorithm>

namespace nookery::timerwidgets {

namespace {
const char *const DesignPoints = "nookeryDesignPoints";
}

void place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                   twipsToPixels(height));
}

QLabel *label(QWidget *parent, const QString &name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

void setDesignPointSize(QLabel *label, int points)
{
    label->setProperty(DesignPoints, points);
    QFont f = label->font();
    f.setPointSize(points);
    label->setFont(f);
}

QLabel *digitLabel(QWidget *parent, const QString &name, const QString &text, const QColor &colour,
                   Qt::Alignment alignment, int points)
{
    QLabel *l = label(parent, name, QString());
    QFont f(DigitFamily.toString());
    f.setBold(true);
    l->setFont(f);
    setDesignPointSize(l, points);
    l->setAlignment(alignment | Qt::AlignVCenter);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    l->setText(text);
    return l;
}

void setFittedText(QLabel *label, const QString &text)
{
    const int design = label->property(DesignPoints).toInt();
    QFont f = label->font();
    if (design > 0) {
        const int room = label->contentsRect().width();
        const auto fits = [&](int points) {
            f.setPointSize(points);
            return QFontMetrics(f).horizontalAdvance(text) <= room;
        };
        // The largest size that fits, from a proportional first guess: each size tried
        // loads a font at that size, which costs milliseconds at full-screen sizes.
        int points = design;
        if (!fits(points) && design > 6) {
            const int width = QFontMetrics(f).horizontalAdvance(text);
            points = std::clamp(int(qint64(design) * room / std::max(width, 1)), 6, design - 1);
            while (points < design - 1 && fits(points + 1))
                ++points;
            while (points > 6 && !fits(points))
                --points;
            f.setPointSize(points);
        }
        if (f != label->font())
            label->setFont(f);
    }
    label->setText(text);
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text,
                    const QString &toolTip)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    if (!toolTip.isEmpty())
        b->setToolTip(toolTip);
    return b;
}

QScrollBar *scrollBar(QWidget *parent, const QString &name, int maximum, int pageStep)
{
    auto *s = new QScrollBar(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setRange(0, maximum);
    s->setSingleStep(1);
    s->setPageStep(pageStep);
    // The arrow keys are how the time is set without a mouse.
    s->setFocusPolicy(Qt::StrongFocus);
    return s;
}

QTimer *timer(QObject *parent, const QString &name, int intervalMs)
{
    auto *t = new QTimer(parent);
    t->setObjectName(name);
    t->setInterval(intervalMs);
    return t;
}

Qt::WindowFlags timerWindowFlags(bool minimise)
{
    Qt::WindowFlags f = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;
    if (minimise)
        f |= Qt::WindowMinimizeButtonHint;
    return f;
}

void playAlarm(Platform &platform, const QDir &startFolder, const QString &stored)
{
    platform.sound().play(resolveWaveFile(startFolder, stored));
}

bool saveOrTell(Platform &platform, const QString &what, const std::function<void()> &write)
{
    try {
        write();
        return true;
    } catch (const IoError &) {
        platform.messages().information(suiteTitle(),
                                        what + QStringLiteral(" could not be saved."));
        return false;
    }
}

} // namespace nookery::timerwidgets
