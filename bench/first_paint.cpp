// Starts a program and measures the time until a pixel of a given colour
// shows in the top left of the screen: the moment its window is first
// painted (there is no window manager, so windows open at the top left).
//
// usage: first_paint R G B -- PROGRAM [ARGS...]
// Prints "<milliseconds> <pid>" and leaves the program running.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The region watched: a strip at the left edge, where both the minimal
// window's colour and the clock's face (below its menu bar) are painted.
// Small, because reading a large region every 2 ms keeps most of a core busy
// in this watcher and the X server while the program starts, and a program
// that uses a second core then finds none free.
constexpr int kWidth = 8, kHeight = 120;
constexpr int kPollMicroseconds = 2000;
constexpr double kTimeoutSeconds = 60.0;

bool ShowsColour(Display* display, unsigned long wanted)
{
    XImage* image = XGetImage(display, DefaultRootWindow(display), 0, 0, kWidth, kHeight,
                              AllPlanes, ZPixmap);
    if (!image) {
        return false;
    }
    bool found = false;
    for (int y = 0; y < kHeight && !found; ++y) {
        for (int x = 0; x < kWidth && !found; ++x) {
            found = (XGetPixel(image, x, y) & 0xFFFFFF) == wanted;
        }
    }
    XDestroyImage(image);
    return found;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 6 || std::strcmp(argv[4], "--") != 0) {
        std::fprintf(stderr, "usage: first_paint R G B -- PROGRAM [ARGS...]\n");
        return 2;
    }
    const unsigned long wanted = (std::strtoul(argv[1], nullptr, 10) << 16) |
                                 (std::strtoul(argv[2], nullptr, 10) << 8) |
                                 std::strtoul(argv[3], nullptr, 10);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "first_paint: no display\n");
        return 2;
    }
    if (ShowsColour(display, wanted)) {
        std::fprintf(stderr, "first_paint: the colour is on the screen already\n");
        return 2;
    }

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(STDERR_FILENO, STDOUT_FILENO);  // our output is read till it closes
        execvp(argv[5], argv + 5);
        _exit(127);
    }
    for (;;) {
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (ShowsColour(display, wanted)) {
            std::printf("%.1f %d\n", elapsed.count() * 1000.0, static_cast<int>(pid));
            return 0;
        }
        if (waitpid(pid, nullptr, WNOHANG) != 0) {
            std::fprintf(stderr, "first_paint: %s ended without painting\n", argv[5]);
            return 1;
        }
        if (elapsed.count() > kTimeoutSeconds) {
            std::fprintf(stderr, "first_paint: nothing painted within %.0f s\n", kTimeoutSeconds);
            return 1;
        }
        usleep(kPollMicroseconds);
    }
}
