#pragma once

#include "platform/keystates.h"

#include <QAbstractNativeEventFilter>

namespace nookery {

// X11: the keyboard's locked modifiers through XKB, and its indicator events say when they
// change (asked for once somebody listens); Windows: GetKeyState. Elsewhere (Wayland,
// offscreen) the keys read as off.
class DesktopKeyStates final : public KeyStates, public QAbstractNativeEventFilter
{
public:
    DesktopKeyStates() = default;
    ~DesktopKeyStates() override;
    bool numLock() const override;
    bool capsLock() const override;
    bool reportsChanges() const override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

protected:
    void connectNotify(const QMetaMethod &signal) override;

private:
    // Asks the X server for the lock lights' events, the first time; whether they come.
    bool watch();

    bool m_asked = false;
    int m_xkbEventBase = -1; // X11 with XKB: where its events start
};

} // namespace nookery
