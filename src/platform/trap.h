#pragma once

#include "common/failure.h"
#include "platform/messageboxes.h"

#include <exception>
#include <functional>

namespace nookery {

// Runs one numbered handler's body. A failure abandons the rest of the body and shows the
// handler's message; the window stays up. Returns whether the body ran to its end.
// `afterMessage` runs after the box is closed (the shell resets "Run From Tray" there).
bool trap(MessageBoxes &messages, int handler, const std::function<void()> &body,
          bool standardNextTime = false, const std::function<void()> &afterMessage = {});

} // namespace nookery
