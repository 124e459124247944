#pragma once

#include <QPoint>

class QWidget;

namespace nookery::kit {

// Centres the window, frame and all, on the free area of its screen (panels left out).
void centreOnScreen(QWidget *window);

// Moves the window's frame to `topLeft`, pulled back inside the free area of its screen
// where a panel or the screen's edge would cover part of it.
void placeWithin(QWidget *window, QPoint topLeft);

} // namespace nookery::kit
