#pragma once

#include <QIcon>

namespace nookery {

// The suite's own icon, for the tray and the windows.
QIcon suiteIcon();

} // namespace nookery
