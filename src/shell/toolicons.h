#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

namespace nookery {

// The suite draws its own small icons: a rounded tile with a glyph. Drawing fourteen of
// them costs less at start than loading image files.
QIcon toolIcon(const QString &glyph, const QColor &tile);

// The suite's own icon, for the tray and the windows.
QIcon suiteIcon();

} // namespace nookery
