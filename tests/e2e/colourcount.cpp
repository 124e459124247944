// colourcount WINDOW RRGGBB: prints how many of the window's pixels have exactly that colour,
// so an end-to-end check can tell whether a tool's tile is drawn in the strip window.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return 3;
    const Window window = std::strtoul(argv[1], nullptr, 0);
    const unsigned long wanted = std::strtoul(argv[2], nullptr, 16);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return 4;
    XImage *image = XGetImage(display, window, 0, 0, unsigned(attributes.width),
                              unsigned(attributes.height), AllPlanes, ZPixmap);
    if (!image)
        return 5;
    long count = 0;
    for (int y = 0; y < attributes.height; ++y) {
        for (int x = 0; x < attributes.width; ++x)
            count += (XGetPixel(image, x, y) & 0xffffff) == wanted;
    }
    std::printf("%ld\n", count);
    XDestroyImage(image);
    XCloseDisplay(display);
    return 0;
}
