#pragma once

namespace nookery {

// The lock keys' states, which Qt does not report. Read on each status bar refresh.
class KeyStates
{
public:
    virtual ~KeyStates() = default;
    virtual bool numLock() const = 0;
    virtual bool capsLock() const = 0;
};

} // namespace nookery
