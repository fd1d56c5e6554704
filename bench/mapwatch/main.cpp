// Starts a program and reports how long it took until a top-level window
// with the given title was mapped on the X display, and until the program
// first drew into it, then lets the program idle and reports its peak
// resident memory before ending it.
//
// Usage: korvane_mapwatch [-C DIR] [-i IDLE_MS] [-t TIMEOUT_MS] TITLE PROGRAM [ARGS...]
// Prints one line: "map_ms=12.345 cpu_ms=10.2 draw_ms=14.5 draw_cpu_ms=12.1
// hwm_kb=45678 rss_kb=45000", where the CPU times are those all the
// program's threads had used when it mapped and when it drew.
//
// Mapping alone says little about a program that shows text: Qt maps a
// window before painting it, so a program that measures its text while
// building its window pays for fonts before the map, and one that only
// paints text pays after it. The first drawing (a Damage event: Qt windows
// have no background the server paints) is when the text is on screen.
//
// The watcher listens on the root window before the program starts and
// follows every window from its creation, so no map or drawing can be missed
// and no polling interval blurs the figures. It assumes no window manager
// reparents the window (a bare Xvfb display).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double NowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

std::string TitleOf(Display *display, Window window)
{
    // Qt sets both the ICCCM name and the UTF-8 EWMH name before mapping.
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count, &after, &data)
            == Success
        && data) {
        title.assign(reinterpret_cast<char *>(data), count);
        XFree(data);
        if (!title.empty())
            return title;
    }
    char *name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

long StatusKb(pid_t pid, const char *field)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    FILE *file = std::fopen(path.c_str(), "r");
    if (!file)
        return -1;
    char line[256];
    long value = -1;
    const std::size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, file)) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            value = std::strtol(line + length + 1, nullptr, 10);
            break;
        }
    }
    std::fclose(file);
    return value;
}

// CPU time all the program's threads have used so far, ended ones included,
// from the kernel's nanosecond process clock: the start-up cost without the
// waits for a busy machine.
double CpuMs(pid_t pid)
{
    clockid_t clock;
    timespec used{};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &used) != 0)
        return -1;
    return double(used.tv_sec) * 1e3 + double(used.tv_nsec) / 1e6;
}

int IgnoreErrors(Display *, XErrorEvent *)
{
    return 0; // a window may be gone before its title is read
}

} // namespace

int main(int argc, char **argv)
{
    const char *folder = nullptr;
    int idleMs = 1000;
    int timeoutMs = 20000;
    int opt;
    while ((opt = getopt(argc, argv, "+C:i:t:")) != -1) {
        switch (opt) {
        case 'C': folder = optarg; break;
        case 'i': idleMs = std::atoi(optarg); break;
        case 't': timeoutMs = std::atoi(optarg); break;
        default: return 2;
        }
    }
    if (argc - optind < 2) {
        std::fprintf(stderr, "usage: %s [-C DIR] [-i IDLE_MS] [-t TIMEOUT_MS] TITLE PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const std::string wanted = argv[optind];
    char **command = argv + optind + 1;
    // A program named by a relative path is found before changing folder.
    char *resolved = std::strchr(command[0], '/') ? realpath(command[0], nullptr) : nullptr;
    if (resolved)
        command[0] = resolved;

    // A display busy with other clients may refuse a connection for a moment.
    Display *display = nullptr;
    for (int attempt = 0; attempt < 50 && !(display = XOpenDisplay(nullptr)); ++attempt)
        usleep(100000);
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "the display has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double started = NowMs();
    const pid_t child = fork();
    if (child < 0)
        return 2;
    if (child == 0) {
        if (folder && chdir(folder) != 0)
            _exit(127);
        execvp(command[0], command);
        std::perror(command[0]);
        _exit(127);
    }

    Window mapped = None;
    double mappedAt = -1;
    double cpuAtMap = -1;
    double drawnAt = -1;
    double cpuAtDraw = -1;
    const int fd = ConnectionNumber(display);
    while (drawnAt < 0) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == CreateNotify) {
                // Followed from its creation, so a drawing right after the map is not missed.
                XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
            } else if (event.type == MapNotify && mapped == None && TitleOf(display, event.xmap.window) == wanted) {
                mappedAt = NowMs();
                cpuAtMap = CpuMs(child);
                mapped = event.xmap.window;
            } else if (event.type == damageEvent + XDamageNotify && mapped != None
                       && reinterpret_cast<XDamageNotifyEvent &>(event).drawable == mapped) {
                drawnAt = NowMs();
                cpuAtDraw = CpuMs(child);
                break;
            }
        }
        if (drawnAt >= 0)
            break;
        const double left = timeoutMs - (NowMs() - started);
        if (left <= 0 || waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "no window \"%s\" was mapped and drawn\n", wanted.c_str());
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            return 1;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait{0, 10000};
        select(fd + 1, &readable, nullptr, nullptr, &wait);
    }

    usleep(static_cast<useconds_t>(idleMs) * 1000);
    const long hwm = StatusKb(child, "VmHWM");
    const long rss = StatusKb(child, "VmRSS");
    kill(child, SIGTERM);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    XCloseDisplay(display);
    std::printf("map_ms=%.3f cpu_ms=%.3f draw_ms=%.3f draw_cpu_ms=%.3f hwm_kb=%ld rss_kb=%ld\n", mappedAt - started,
                cpuAtMap, drawnAt - started, cpuAtDraw, hwm, rss);
    return 0;
}
