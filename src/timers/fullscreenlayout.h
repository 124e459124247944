#pragma once

#include <QRect>

namespace nookery {

// Where the full-screen countdown puts its controls, in twips, for a size scheme, the
// number of hour digits shown and the screen width. The message, the digit panel and the
// alarm panel are centred across the screen.
struct FullScreenLayout
{
    QRect message; // Label1, on the window
    int messageFont = 0;
    QRect digitPanel; // Frame1, on the window
    QRect hours;      // Label2, on Frame1
    QRect minutes;    // Label3
    QRect seconds;    // Label4
    int digitFont = 0;
    QRect minutesBar;  // HScroll1, on Frame1
    QRect secondsBar;  // HScroll2
    QRect alarmPanel;  // Frame2, on the window
    QRect blinkPanel;  // Frame3, on Frame2
    int alarmFont = 0; // Label5, filling Frame3
    QRect acknowledge; // butmsg1, on Frame2

    static FullScreenLayout compute(bool large, bool twoHourDigits, int screenWidthTwips);
    bool operator==(const FullScreenLayout &) const = default;
};

} // namespace nookery
