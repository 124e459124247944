// Prints the window that owns the X11 tray selection, or nothing and exit code 1.
#include <X11/Xlib.h>
#include <cstdio>

int main()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    const Atom selection = XInternAtom(display, "_NET_SYSTEM_TRAY_S0", False);
    const Window owner = XGetSelectionOwner(display, selection);
    XCloseDisplay(display);
    if (owner == None)
        return 1;
    std::printf("0x%lx\n", owner);
    return 0;
}
