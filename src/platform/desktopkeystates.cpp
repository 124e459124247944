#include "platform/desktopkeystates.h"

#include <QGuiApplication>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(NOOKERY_HAVE_X11)
#include <X11/XKBlib.h>
#include <X11/keysym.h>
#endif

namespace nookery {

#if defined(Q_OS_WIN)

bool DesktopKeyStates::numLock() const
{
    return (GetKeyState(VK_NUMLOCK) & 1) != 0;
}

bool DesktopKeyStates::capsLock() const
{
    return (GetKeyState(VK_CAPITAL) & 1) != 0;
}

#elif defined(NOOKERY_HAVE_X11)

namespace {

// The locked modifiers, or 0 when the application does not run on X11.
unsigned lockedModifiers(Display **displayOut)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
    *displayOut = display;
    if (!display)
        return 0;
    XkbStateRec state;
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return 0;
    return state.locked_mods;
}

} // namespace

bool DesktopKeyStates::numLock() const
{
    Display *display = nullptr;
    const unsigned locked = lockedModifiers(&display);
    if (!display)
        return false;
    // Num Lock is whichever modifier the keyboard map binds it to (usually Mod2).
    static const unsigned numMask = XkbKeysymToModifiers(display, XK_Num_Lock);
    return numMask != 0 && (locked & numMask) != 0;
}

bool DesktopKeyStates::capsLock() const
{
    Display *display = nullptr;
    return (lockedModifiers(&display) & LockMask) != 0;
}

#else

bool DesktopKeyStates::numLock() const
{
    return false;
}

bool DesktopKeyStates::capsLock() const
{
    return false;
}

#endif

} // namespace nookery
