#pragma once

#include <QColor>
#include <QDir>
#include <QString>
#include <Qt>
#include <functional>

class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;
class QWidget;

namespace nookery {

class Platform;

// Pieces the four timer windows build their controls from.
namespace timerwidgets {

inline constexpr QStringView DigitFamily = u"Times New Roman";

// Positions and sizes in twips, relative to the parent.
void place(QWidget *w, int left, int top, int width, int height);
QLabel *label(QWidget *parent, const QString &name, const QString &text);
// A digit label: bold on black in the given colour; `points` is the design size.
QLabel *digitLabel(QWidget *parent, const QString &name, const QString &text, const QColor &colour,
                   Qt::Alignment alignment, int points);
// Shows `text` at the label's design size, smaller when it would not fit (a stopwatch
// past 99 hours, the large scheme's hours).
void setFittedText(QLabel *label, const QString &text);
void setDesignPointSize(QLabel *label, int points);
QPushButton *button(QWidget *parent, const QString &name, const QString &text,
                    const QString &toolTip = {});
// Horizontal, arrows step 1, the given page step, and it takes the keyboard focus.
QScrollBar *scrollBar(QWidget *parent, const QString &name, int maximum, int pageStep);
QTimer *timer(QObject *parent, const QString &name, int intervalMs);
// Window decorations without the maximise button.
Qt::WindowFlags timerWindowFlags(bool minimise);
// Plays a stored sound name; a bare name is found in the start folder.
void playAlarm(Platform &platform, const QDir &startFolder, const QString &stored);
// Runs a store write; a failure tells the user what was not saved instead of ending the
// suite. Returns whether it was saved.
bool saveOrTell(Platform &platform, const QString &what, const std::function<void()> &write);

} // namespace timerwidgets
} // namespace nookery
