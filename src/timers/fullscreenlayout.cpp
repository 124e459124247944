#include "timers/fullscreenlayout.h"

namespace nookery {

namespace {

struct Scheme
{
    int messageWidth, messageHeight, messageTop, messageFont;
    int panelWidth, panelWideWidth, panelHeight, panelTop;
    int hoursWidth, hoursWideWidth, minutesWidth, secondsWidth, digitHeight, digitFont;
    int minutesBarWidth, barHeight, barTop, minutesBarLeft, minutesBarWideLeft;
    int secondsBarWidth, secondsBarLeft, secondsBarWideLeft; // 0: the left of the seconds
    int alarmTop, blinkHeight, alarmFont, acknowledgeTop;
};

constexpr Scheme Normal{9400, 1800, 300,  36,   8160, 9460, 3000, 2000, 2100,
                        3400, 3420, 2900, 2400, 120,  4100, 350,  2640, 300,
                        950,  2400, 5600, 6900, 4500, 1200, 36,   1200};
constexpr Scheme Large{15000, 2200, 700,  48,   12800, 15000, 4500, 3000, 3200,
                       5400,  5400, 4200, 3800, 200,   7100,  465,  4080, 0,
                       1100,  4000, 0,    0,    7500,  1900,  72,   1920};

constexpr int AlarmPanelWidth = 8600;
constexpr int BlinkPanelWidth = 8500;
constexpr int BlinkPanelLeft = 50;
constexpr int AcknowledgeLeft = 3000;
constexpr int AcknowledgeWidth = 2900;
constexpr int AcknowledgeHeight = 615;
constexpr int PanelMargin = 100;

int centred(int screenWidth, int width)
{
    return (screenWidth - width) / 2;
}

} // namespace

FullScreenLayout FullScreenLayout::compute(bool large, bool twoHourDigits, int screenWidth)
{
    const Scheme &s = large ? Large : Normal;
    FullScreenLayout l;
    l.message =
        QRect(centred(screenWidth, s.messageWidth), s.messageTop, s.messageWidth, s.messageHeight);
    l.messageFont = s.messageFont;

    const int panelWidth = twoHourDigits ? s.panelWideWidth : s.panelWidth;
    l.digitPanel = QRect(centred(screenWidth, panelWidth), s.panelTop, panelWidth, s.panelHeight);
    const int hoursWidth = twoHourDigits ? s.hoursWideWidth : s.hoursWidth;
    l.hours = QRect(0, 0, hoursWidth, s.digitHeight);
    l.minutes = QRect(hoursWidth, 0, s.minutesWidth, s.digitHeight);
    l.seconds = QRect(hoursWidth + s.minutesWidth, 0, s.secondsWidth, s.digitHeight);
    l.digitFont = s.digitFont;

    l.minutesBar = QRect(twoHourDigits ? s.minutesBarWideLeft : s.minutesBarLeft, s.barTop,
                         s.minutesBarWidth, s.barHeight);
    const int secondsLeft = twoHourDigits ? s.secondsBarWideLeft : s.secondsBarLeft;
    l.secondsBar = QRect(secondsLeft ? secondsLeft : l.seconds.left(), s.barTop, s.secondsBarWidth,
                         s.barHeight);

    l.acknowledge = QRect(AcknowledgeLeft, s.acknowledgeTop, AcknowledgeWidth, AcknowledgeHeight);
    l.alarmPanel = QRect(centred(screenWidth, AlarmPanelWidth), s.alarmTop, AlarmPanelWidth,
                         l.acknowledge.bottom() + 1 + PanelMargin);
    l.blinkPanel = QRect(BlinkPanelLeft, 0, BlinkPanelWidth, s.blinkHeight);
    l.alarmFont = s.alarmFont;
    return l;
}

} // namespace nookery
