// Starts a program again and again in the X server of $DISPLAY and measures the time from the start of the
// process until its window titled TITLE is mapped, and the program's peak memory (VmHWM) shortly after.
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
#include <vector>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

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
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    std::vector<double> times;
    std::vector<double> peaks;
    for (int run = 0; run < runs; ++run) {
        XSync(display, True); // forget earlier events
        const auto started = std::chrono::steady_clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            execv(program[0], program);
            _exit(127);
        }
        double ms = -1;
        const auto deadline = started + std::chrono::seconds(30);
        while (ms < 0 && std::chrono::steady_clock::now() < deadline) {
            while (XPending(display)) {
                XEvent event;
                XNextEvent(display, &event);
                if (event.type == MapNotify && windowName(display, event.xmap.window) == title) {
                    ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
                    break;
                }
            }
            if (ms < 0) {
                pollfd fd{ConnectionNumber(display), POLLIN, 0};
                poll(&fd, 1, 50);
            }
        }
        usleep(static_cast<useconds_t>(settleMs) * 1000);
        const long peak = peakKilobytes(pid);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        if (ms < 0) {
            std::fprintf(stderr, "run %d: no window titled '%s' within 30 s\n", run + 1, title.c_str());
            return 1;
        }
        std::printf("run %2d: window after %7.1f ms, peak memory %7ld kB\n", run + 1, ms, peak);
        times.push_back(ms);
        peaks.push_back(static_cast<double>(peak));
    }
    std::printf("median: window after %7.1f ms, peak memory %7.0f kB\n", median(times), median(peaks));
    XCloseDisplay(display);
    return 0;
}
