// Times a program's start-up from outside: from just before the process is started to the moment its first
// top-level window is mapped on the X server, then lets it settle, ends it and reads its peak resident
// memory. The program is not changed or asked anything: the X server reports the map, the kernel the
// memory.
//
//   startup_timer [--settle MS] PROGRAM [ARGUMENTS...]
//
// Prints one line, "mapped_ms 123.456 peak_rss_kb 31234". Needs DISPLAY; exits 1 when the program ends or
// 20 seconds pass before a window of it is mapped, 2 on bad arguments.
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kGiveUpAfter = std::chrono::seconds(20);

struct FreeDeleter {
    void operator()(void *pointer) const { std::free(pointer); }
};
template <class T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t Atom(xcb_connection_t *connection, std::string_view name) {
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The process id a window states in _NET_WM_PID, 0 when it states none.
std::uint32_t WindowPid(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t pidAtom) {
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) != 4) {
        return 0;
    }
    std::uint32_t pid = 0;
    std::memcpy(&pid, xcb_get_property_value(reply.get()), sizeof pid);
    return pid;
}

// Waits for the map of a top-level window of the given process; false when the process ends first or the
// time runs out.
bool WaitForMap(xcb_connection_t *connection, pid_t child, xcb_atom_t pidAtom) {
    const auto deadline = Clock::now() + kGiveUpAfter;
    pollfd watch{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const std::unique_ptr<xcb_generic_event_t, FreeDeleter> owned(event);
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) {
                continue;
            }
            const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event);
            if (map->override_redirect) {
                continue; // a menu or tooltip, not a window of the program's own
            }
            // Qt states the pid of every window it makes; a window without one is taken as the program's.
            const std::uint32_t pid = WindowPid(connection, map->window, pidAtom);
            if (pid == 0 || pid == static_cast<std::uint32_t>(child)) {
                return true;
            }
        }
        if (xcb_connection_has_error(connection) != 0) {
            return false;
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            return false;
        }
        poll(&watch, 1, 5);
    }
    return false;
}

} // namespace

int main(int argc, char *argv[]) {
    int first = 1;
    long settleMs = 500;
    if (argc > 2 && std::string_view(argv[1]) == "--settle") {
        settleMs = std::strtol(argv[2], nullptr, 10);
        first = 3;
    }
    if (first >= argc || settleMs < 0) {
        std::fprintf(stderr, "usage: startup_timer [--settle MS] PROGRAM [ARGUMENTS...]\n");
        return 2;
    }

    // A server that has just started, or is resetting, may refuse for a moment: a few tries.
    int screenNumber = 0;
    xcb_connection_t *connection = nullptr;
    for (int attempt = 0; attempt < 20; ++attempt) {
        connection = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(connection) == 0) {
            break;
        }
        xcb_disconnect(connection);
        connection = nullptr;
        usleep(100 * 1000);
    }
    if (connection == nullptr) {
        std::fprintf(stderr, "startup_timer: cannot open the display\n");
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i) {
        xcb_screen_next(&screens);
    }
    const xcb_window_t root = screens.data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip: the server watches the root window before the program starts.
    const xcb_atom_t pidAtom = Atom(connection, "_NET_WM_PID");

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("startup_timer: fork");
        return 1;
    }
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::perror("startup_timer: exec");
        _exit(127);
    }

    const bool mapped = WaitForMap(connection, child, pidAtom);
    const auto mappedAt = Clock::now();
    if (mapped) {
        usleep(static_cast<useconds_t>(settleMs) * 1000);
    }
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    xcb_disconnect(connection);
    if (!mapped) {
        std::fprintf(stderr, "startup_timer: %s mapped no window\n", argv[first]);
        return 1;
    }
    const double ms = std::chrono::duration<double, std::milli>(mappedAt - start).count();
    std::printf("mapped_ms %.3f peak_rss_kb %ld\n", ms, usage.ru_maxrss);
    return 0;
}
