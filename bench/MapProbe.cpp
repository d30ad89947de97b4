// Starts a program and reports how long it took from process start to its
// first top-level window being mapped on the X server, then stays its parent
// until it ends and reports its peak resident memory.
//
//   map-probe PROGRAM [ARGS...]
//
// Prints "pid N" and "mapped_ms T" as soon as the window is mapped, and
// "peak_rss_kb K" once the program has ended (by whatever signal).
#include <X11/Xlib.h>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>

namespace {

constexpr int TimeoutMs = 30000;
// Toolkits map small helper windows too; the one that counts is window sized.
constexpr int MinimumSide = 100;

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

bool isMainWindow(Display* display, Window window) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) != 0 &&
           attributes.width >= MinimumSide && attributes.height >= MinimumSide;
}

// Waits for a window-sized MapNotify below the root; false on timeout.
bool waitForMap(Display* display, double started) {
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (nowMs() - started < TimeoutMs) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && isMainWindow(display, event.xmap.window)) {
                return true;
            }
        }
        poll(&connection, 1, 50);
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: map-probe PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "map-probe: cannot open the X display\n");
        return 2;
    }
    // Listen before the program starts, so no map can slip past.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double started = nowMs();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("map-probe: fork");
        return 2;
    }
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[1], argv + 1);
        std::perror("map-probe: exec");
        _exit(127);
    }

    if (!waitForMap(display, started)) {
        std::fprintf(stderr, "map-probe: no window was mapped\n");
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        return 1;
    }
    std::printf("pid %d\nmapped_ms %.1f\n", static_cast<int>(child), nowMs() - started);
    std::fflush(stdout);
    XCloseDisplay(display);

    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) < 0) {
        std::perror("map-probe: wait");
        return 1;
    }
    std::printf("peak_rss_kb %ld\n", usage.ru_maxrss);
    return 0;
}
