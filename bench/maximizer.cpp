// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The least a window manager does for the reading benchmark: it maps the windows that ask to be mapped, gives
// them the geometry they ask for, and a window that asks to be maximized gets the whole screen, as a desktop
// would give it. Runs until killed.
#include <cstdio>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

bool redirectRefused = false;

int onError(Display *, XErrorEvent *error)
{
    if (error->error_code == BadAccess)
        redirectRefused = true;
    return 0; // windows that went away meanwhile are no concern
}

bool asksToBeMaximized(Display *display, Window window, Atom state, Atom vertical, Atom horizontal)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display, window, state, 0, 64, False, XA_ATOM, &type, &format, &count, &remaining, &data)
            != Success
        || !data)
        return false;
    bool v = false;
    bool h = false;
    const auto *atoms = reinterpret_cast<const Atom *>(data);
    for (unsigned long i = 0; i < count; ++i) {
        v = v || atoms[i] == vertical;
        h = h || atoms[i] == horizontal;
    }
    XFree(data);
    return v && h;
}

} // namespace

int main()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 2;
    }
    XSetErrorHandler(onError);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureRedirectMask | SubstructureNotifyMask);
    XSync(display, False);
    if (redirectRefused) {
        std::fprintf(stderr, "another window manager is running\n");
        return 2;
    }
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    const Atom vertical = XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_VERT", False);
    const Atom horizontal = XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_HORZ", False);
    const int screenWidth = DisplayWidth(display, DefaultScreen(display));
    const int screenHeight = DisplayHeight(display, DefaultScreen(display));
    std::printf("ready\n");
    std::fflush(stdout);

    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapRequest) {
            const Window window = event.xmaprequest.window;
            if (asksToBeMaximized(display, window, state, vertical, horizontal))
                XMoveResizeWindow(display, window, 0, 0, static_cast<unsigned>(screenWidth),
                                  static_cast<unsigned>(screenHeight));
            XMapWindow(display, window);
        } else if (event.type == ConfigureRequest) {
            const XConfigureRequestEvent &request = event.xconfigurerequest;
            XWindowChanges changes{};
            changes.x = request.x;
            changes.y = request.y;
            changes.width = request.width;
            changes.height = request.height;
            changes.border_width = request.border_width;
            changes.sibling = request.above;
            changes.stack_mode = request.detail;
            XConfigureWindow(display, request.window, static_cast<unsigned>(request.value_mask), &changes);
        }
        XFlush(display);
    }
}
