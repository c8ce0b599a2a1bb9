// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A dock at the left edge of the screen, as a desktop's side panel is: a window of the dock type that reserves a
// strip of the screen, so that a window manager maximizes other windows beside it. It stays until it is killed.
// Usage: tavrel_dockwindow WIDTH
#include <cstdio>
#include <cstdlib>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    const int width = argc > 1 ? std::atoi(argv[1]) : 0;
    Display *display = XOpenDisplay(nullptr);
    if (!display || width <= 0) {
        std::fputs("usage: tavrel_dockwindow WIDTH (with DISPLAY set)\n", stderr);
        return 2;
    }
    const int screen = DefaultScreen(display);
    const int height = DisplayHeight(display, screen);
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, unsigned(width),
                                              unsigned(height), 0, 0, 0x404040);
    XStoreName(display, window, "tavrel dock");
    XSizeHints hints{};
    hints.flags = USPosition | USSize | PPosition | PSize;
    hints.width = width;
    hints.height = height;
    XSetWMNormalHints(display, window, &hints);

    Atom dock = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DOCK", False);
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_WINDOW_TYPE", False), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char *>(&dock), 1);
    // left, right, top, bottom, then the start and end of each: the left strip, over the screen's full height.
    long strut[12] = {width, 0, 0, 0, 0, height - 1, 0, 0, 0, 0, 0, 0};
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_STRUT_PARTIAL", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<unsigned char *>(strut), 12);
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_STRUT", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char *>(strut), 4);
    XMapWindow(display, window);
    XFlush(display);
    for (;;)
        pause();
}
