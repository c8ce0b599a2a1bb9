// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program again and again in the X server of $DISPLAY and measures, from the start of the process:
// - the time until its window titled TITLE is mapped;
// - the time until that window's content is first painted: the first change of the screen inside the window
//   after which the window shows more than a plain background (the DAMAGE extension reports the change, a
//   look at the window's pixels decides whether it is content);
// and the program's peak memory (VmHWM) shortly after.
//
//   bench_startup_probe RUNS SETTLE_MS TITLE PROGRAM [ARGS...]
//
// Prints one line per run and the medians.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <unordered_set>
#include <vector>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

std::string windowName(Display *display, Window window)
{
    char *name = nullptr;
    std::string result;
    if (XFetchName(display, window, &name) && name) {
        result = name;
        XFree(name);
    }
    return result;
}

long peakKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// Content, not a blank rectangle: a window that shows text and controls has many colours (anti-aliased
// glyphs alone bring a dozen); a background, painted by the server or by the program, has one or two.
bool showsContent(Display *display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    XImage *image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (!image)
        return false;
    std::unordered_set<unsigned long> colours;
    for (int y = 0; y < image->height && colours.size() < 8; y += 2)
        for (int x = 0; x < image->width && colours.size() < 8; x += 1)
            colours.insert(XGetPixel(image, x, y));
    XDestroyImage(image);
    return colours.size() >= 8;
}

// The window titled `title`: `window` itself or, where a window manager put it into a frame of its own, one of
// the frame's descendants; 0 for none.
Window titled(Display *display, Window window, const std::string &title, int depth = 3)
{
    if (windowName(display, window) == title)
        return window;
    Window root = 0;
    Window parent = 0;
    Window *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (depth > 0 && XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i)
            found = titled(display, children[i], title, depth - 1);
        if (children)
            XFree(children);
    }
    return found;
}

bool intersects(const XRectangle &area, int x, int y, int width, int height)
{
    return area.x < x + width && x < area.x + area.width && area.y < y + height && y < area.y + area.height;
}

double msSince(Clock::time_point started)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - started).count();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s RUNS SETTLE_MS TITLE PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int settleMs = std::atoi(argv[2]);
    const std::string title = argv[3];
    char **program = argv + 4;

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 2;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    // Every change of the screen, as it happens.
    const Damage damage = XDamageCreate(display, root, XDamageReportRawRectangles);
    XSync(display, False);

    std::vector<double> mapped;
    std::vector<double> painted;
    std::vector<double> peaks;
    for (int run = 0; run < runs; ++run) {
        XSync(display, True); // forget earlier events
        const auto started = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            execv(program[0], program);
            _exit(127);
        }
        double mapMs = -1;
        double paintMs = -1;
        Window window = 0;
        int wx = 0, wy = 0, ww = 0, wh = 0;
        const auto deadline = started + std::chrono::seconds(30);
        while (paintMs < 0 && Clock::now() < deadline) {
            while (paintMs < 0 && XPending(display)) {
                XEvent event;
                XNextEvent(display, &event);
                const double at = msSince(started);
                const Window mappedWindow =
                    event.type == MapNotify && !window ? titled(display, event.xmap.window, title) : 0;
                if (mappedWindow) {
                    mapMs = at;
                    window = mappedWindow;
                    XWindowAttributes attributes;
                    XGetWindowAttributes(display, window, &attributes);
                    Window child;
                    XTranslateCoordinates(display, window, root, 0, 0, &wx, &wy, &child);
                    ww = attributes.width;
                    wh = attributes.height;
                    // Content painted before the map event was read.
                    if (showsContent(display, window))
                        paintMs = at;
                } else if (event.type == damageEvent + XDamageNotify && window) {
                    const auto *notify = reinterpret_cast<const XDamageNotifyEvent *>(&event);
                    if (intersects(notify->area, wx, wy, ww, wh) && showsContent(display, window))
                        paintMs = at;
                }
            }
            if (paintMs < 0) {
                pollfd fd{ConnectionNumber(display), POLLIN, 0};
                poll(&fd, 1, 50);
            }
        }
        usleep(static_cast<useconds_t>(settleMs) * 1000);
        const long peak = peakKilobytes(pid);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        if (paintMs < 0) {
            std::fprintf(stderr, "run %d: no window titled '%s' with content within 30 s\n", run + 1, title.c_str());
            return 1;
        }
        std::printf("run %2d: window after %7.1f ms, content after %7.1f ms, peak memory %7ld kB\n", run + 1, mapMs,
                    paintMs, peak);
        mapped.push_back(mapMs);
        painted.push_back(paintMs);
        peaks.push_back(static_cast<double>(peak));
    }
    std::printf("median: window after %7.1f ms, content after %7.1f ms, peak memory %7.0f kB\n", median(mapped),
                median(painted), median(peaks));
    XDamageDestroy(display, damage);
    XCloseDisplay(display);
    return 0;
}
