#include "platform/desktopkeystates.h"

#include <QGuiApplication>
#include <QMetaMethod>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(NOOKERY_HAVE_X11)
#include <X11/XKBlib.h>
#include <X11/keysym.h>
#endif

namespace nookery {

// Watching starts when the first reader connects to changed().
bool DesktopKeyStates::reportsChanges() const
{
    return m_xkbEventBase >= 0;
}

void DesktopKeyStates::connectNotify(const QMetaMethod &signal)
{
    if (signal == QMetaMethod::fromSignal(&KeyStates::changed))
        watch();
}

#if defined(Q_OS_WIN) || !defined(NOOKERY_HAVE_X11)

// No change reports here: a reader has to look.
DesktopKeyStates::~DesktopKeyStates() = default;

bool DesktopKeyStates::watch()
{
    return false;
}

bool DesktopKeyStates::nativeEventFilter(const QByteArray &, void *, qintptr *)
{
    return false;
}

#endif

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

Display *x11Display()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

// The locked modifiers, or 0 when the application does not run on X11.
unsigned lockedModifiers(Display **displayOut)
{
    Display *display = x11Display();
    *displayOut = display;
    if (!display)
        return 0;
    XkbStateRec state;
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return 0;
    return state.locked_mods;
}

} // namespace

bool DesktopKeyStates::watch()
{
    if (m_asked)
        return m_xkbEventBase >= 0;
    m_asked = true;
    Display *display = x11Display();
    int opcode = 0;
    int eventBase = 0;
    int errorBase = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    if (!display || !XkbQueryExtension(display, &opcode, &eventBase, &errorBase, &major, &minor))
        return false;
    // Added to the XKB events the toolkit already asks for: the server tells when a lock
    // light changes, so nobody has to ask it over and over.
    if (!XkbSelectEvents(display, XkbUseCoreKbd, XkbIndicatorStateNotifyMask,
                         XkbIndicatorStateNotifyMask))
        return false;
    XFlush(display);
    m_xkbEventBase = eventBase;
    qGuiApp->installNativeEventFilter(this);
    return true;
}

DesktopKeyStates::~DesktopKeyStates()
{
    if (m_xkbEventBase >= 0 && qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
}

bool DesktopKeyStates::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    // An XKB event: its type in the first byte, XKB's own kind of event in the second.
    if (eventType != "xcb_generic_event_t" || !message)
        return false;
    const auto *bytes = static_cast<const unsigned char *>(message);
    if ((bytes[0] & 0x7f) == m_xkbEventBase && bytes[1] == XkbIndicatorStateNotify)
        emit changed();
    return false;
}

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
