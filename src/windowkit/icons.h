#pragma once

#include <QIcon>

namespace nookery::kit {

// A tool-bar or menu picture by its freedesktop icon name. The desktop's icon theme is asked
// first; a theme without the name gets the suite's own copy of the Breeze icon (the dark
// set on a dark palette). Nothing is looked up until the icon is first painted, so a start
// in the tray loads no picture at all.
QIcon icon(const char *name);

// Whether the suite carries its own copy of the named icon.
bool hasFallback(const char *name);

} // namespace nookery::kit
