// Starts a command and tells how long the X server took to map its first
// top-level window, the moment a user sees it, without polling anything:
//
//   bench_launch_mapped [--timeout MS] [--log FILE] [NAME=VALUE...] COMMAND [ARG...]
//
// Prints "<ms since launch> <pid> <launch time, ns since the epoch>" once the
// window is mapped, then stays the command's parent until it ends (whoever
// measures it kills it) so it is reaped. NAME=VALUE pairs go into the
// command's environment only; --log sends its output to FILE. With no window
// in time (30 s by default) the command is killed and the exit status is 2.
#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> Reply<T> owned(T* r) {
    return Reply<T>(r, &std::free);
}

double nowMs(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

long long nowNs(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return (long long)ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    auto r = owned(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr));
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The window's _NET_WM_PID, or -1 when it has none or is already gone.
long windowPid(xcb_connection_t* c, xcb_window_t window, xcb_atom_t pidAtom) {
    auto r = owned(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!r || r->format != 32 || xcb_get_property_value_length(r.get()) < 4) return -1;
    return long(*static_cast<const uint32_t*>(xcb_get_property_value(r.get())));
}

int usage() {
    std::fprintf(stderr, "usage: bench_launch_mapped [--timeout MS] [--log FILE] "
                         "[NAME=VALUE...] COMMAND [ARG...]\n");
    return 64;
}

int waitChild(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return 1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace

int main(int argc, char* argv[]) {
    int timeoutMs = 30000;
    const char* log = nullptr;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--timeout" && i + 1 < argc) {
            timeoutMs = std::atoi(argv[++i]);
        } else if (arg == "--log" && i + 1 < argc) {
            log = argv[++i];
        } else if (arg == "--") {
            ++i;
            break;
        } else {
            break;
        }
    }
    const int envFirst = i;
    while (i < argc && std::strchr(argv[i], '=') && argv[i][0] != '=')
        ++i;
    const int envEnd = i;
    if (i >= argc || timeoutMs <= 0) return usage();

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "bench_launch_mapped: no X display\n");
        return 1;
    }
    const int xfd = xcb_get_file_descriptor(c);
    fcntl(xfd, F_SETFD, fcntl(xfd, F_GETFD) | FD_CLOEXEC);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t pidAtom = atom(c, "_NET_WM_PID");
    // Every top-level window is a child of the root (no window manager
    // reparents them here), so the root's substructure shows each map.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (auto* err = xcb_request_check(
            c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask))) {
        std::free(err);
        std::fprintf(stderr, "bench_launch_mapped: cannot watch the root window\n");
        return 1;
    }
    // The selection is in force before the command can map anything.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));

    const long long launchNs = nowNs(CLOCK_REALTIME);
    const double t0 = nowMs(CLOCK_MONOTONIC);
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("bench_launch_mapped: fork");
        return 1;
    }
    if (pid == 0) {
        for (int e = envFirst; e < envEnd; ++e)
            putenv(argv[e]);
        if (log) {
            const int fd = open(log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
            if (fd >= 0) {
                dup2(fd, STDOUT_FILENO);
                dup2(fd, STDERR_FILENO);
            }
        }
        execvp(argv[envEnd], argv + envEnd);
        std::fprintf(stderr, "bench_launch_mapped: cannot run %s: %s\n", argv[envEnd],
                     std::strerror(errno));
        _exit(127);
    }

    double mappedMs = -1;
    while (mappedMs < 0) {
        while (xcb_generic_event_t* ev = xcb_poll_for_event(c)) {
            const auto event = owned(ev);
            if ((ev->response_type & 0x7F) != XCB_MAP_NOTIFY) continue;
            const double t = nowMs(CLOCK_MONOTONIC) - t0;
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(ev);
            // Menus and tooltips bypass window management; they are not
            // the program's window.
            if (map->override_redirect) continue;
            if (windowPid(c, map->window, pidAtom) == long(pid)) {
                mappedMs = t;
                break;
            }
        }
        if (mappedMs >= 0) break;
        if (xcb_connection_has_error(c)) {
            std::fprintf(stderr, "bench_launch_mapped: lost the X display\n");
            kill(pid, SIGKILL);
            waitChild(pid);
            return 1;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "bench_launch_mapped: %s ended before its window was mapped\n",
                         argv[envEnd]);
            return 1;
        }
        const double left = timeoutMs - (nowMs(CLOCK_MONOTONIC) - t0);
        if (left <= 0) {
            std::fprintf(stderr, "bench_launch_mapped: no window from %s within %d ms\n",
                         argv[envEnd], timeoutMs);
            kill(pid, SIGKILL);
            waitChild(pid);
            return 2;
        }
        // Short slices so a command that dies early is noticed.
        pollfd p{xfd, POLLIN, 0};
        poll(&p, 1, left < 50 ? int(left) + 1 : 50);
    }
    xcb_disconnect(c);
    std::printf("%.3f %d %lld\n", mappedMs, int(pid), launchNs);
    std::fflush(stdout);
    // Closed so a reader of the pipe sees the end of the line at once.
    close(STDOUT_FILENO);
    return waitChild(pid);
}
