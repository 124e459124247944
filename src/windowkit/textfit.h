#pragma once

#include <QColor>
#include <QSize>

class QWidget;

namespace nookery::textfit {

// How much wider and taller a label, button, check box, option button or frame caption
// would have to be to show its whole text with the fonts at hand, or a tab bar to show
// its tabs whole; nothing when it fits or
// shows no text (a null size).
QSize shortfall(const QWidget *control);

// The width a window needs for its title in the window manager's bar, with the bar's
// icon and buttons beside it.
int titleWidth(const QWidget *window);
// Keeps a dialog laid out in a grid (a message box, the about box) at least that wide.
void reserveTitle(QWidget *dialog);

// The contrast of two colours as the web's accessibility rules measure it, 1 to 21.
double contrast(const QColor &a, const QColor &b);
// The suite's own text colour, made lighter on a dark background or darker on a light one
// until it reads (a contrast of 3); unchanged where it already does.
QColor readable(const QColor &colour, const QColor &background);

// Keeps the captions of a window whose controls are placed by hand whole: every control
// whose text needs more room grows to it, what stands to its right or below moves along,
// and the frames and the window grow with them, never shrinking below their design size.
// The window is fitted at once and again whenever one of its texts changes.
void fitWindow(QWidget *window);

} // namespace nookery::textfit
