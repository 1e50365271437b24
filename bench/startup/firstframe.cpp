// Starts a program and reports when its window first shows the picture it settles on: the time
// from process start to the window being viewable, and to its first complete frame. The window
// is read back from the X server again and again until it has not changed for a while; the first
// complete frame is the first read-back equal to the settled picture.
// Usage: vantor_firstframe <title prefix> <settle ms> <program> [arguments...]
// Prints: <ms to viewable> <ms to first complete frame> <width> <height>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string_view>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A window that goes away while it is read back is not an error of this tool's.
int ignoreErrors(Display* /*display*/, XErrorEvent* /*error*/) {
    return 0;
}

// The viewable top-level window whose title starts with prefix, or 0.
Window findWindow(Display* display, std::string_view prefix) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) {
        return 0;
    }
    Window found = 0;
    for (unsigned index = 0; index < count && found == 0; ++index) {
        XWindowAttributes attributes{};
        char* name = nullptr;
        if (XGetWindowAttributes(display, children[index], &attributes) != 0 &&
            attributes.map_state == IsViewable &&
            XFetchName(display, children[index], &name) != 0) {
            if (std::string_view(name).starts_with(prefix)) {
                found = children[index];
            }
            XFree(name);
        }
    }
    XFree(children);
    return found;
}

struct Frame {
    double milliseconds;
    std::size_t hash;
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <title prefix> <settle ms> <program> [args...]\n", argv[0]);
        return 2;
    }
    const std::string_view prefix = argv[1];
    const double settle = std::strtod(argv[2], nullptr);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(&ignoreErrors);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }

    Window window = 0;
    while ((window = findWindow(display, prefix)) == 0) {
        if (millisecondsSince(start) > 20000 || waitpid(child, nullptr, WNOHANG) != 0) {
            std::fprintf(stderr, "no window titled %s appeared\n", argv[1]);
            kill(child, SIGTERM);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    const double viewable = millisecondsSince(start);

    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    std::vector<Frame> frames;
    double lastChange = viewable;
    while (millisecondsSince(start) - lastChange < settle) {
        XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                                  static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
        const double now = millisecondsSince(start);
        if (image == nullptr) {
            break;
        }
        const auto bytes = static_cast<std::size_t>(image->bytes_per_line) *
                           static_cast<std::size_t>(image->height);
        const std::size_t hash =
            std::hash<std::string_view>{}(std::string_view(image->data, bytes));
        XDestroyImage(image);
        if (frames.empty() || frames.back().hash != hash) {
            lastChange = now;
        }
        frames.push_back({now, hash});
        // Room for the program to go on between two read-backs.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (frames.empty()) {
        std::fprintf(stderr, "the window could not be read back\n");
        return 1;
    }

    std::size_t first = frames.size() - 1;
    while (first > 0 && frames[first - 1].hash == frames.back().hash) {
        --first;
    }
    std::printf("%.1f %.1f %d %d\n", viewable, frames[first].milliseconds, attributes.width,
                attributes.height);
    return 0;
}
