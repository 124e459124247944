#pragma once

#include <functional>

namespace nookery {

// SIGTERM and SIGINT end the suite through its normal way out, from the event loop, not
// from inside the signal handler.
void quitOnTerminationSignals(std::function<void()> quit);

} // namespace nookery
