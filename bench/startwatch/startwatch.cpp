// startwatch: starts a program and watches the X server, from outside the program,
// until a top-level window with a given title is mapped, and then until the program
// first draws into it. Prints how long both took and the program's peak resident
// memory, then stops the program.
//
//   startwatch [--title TITLE] [--timeout-ms N] [--settle-ms N] -- PROGRAM [ARGS...]
//
// Output, one line on stdout:
//   map_ms=<ms> hwm_kb=<VmHWM before the stop> maxrss_kb=<ru_maxrss after the stop>
//   main_cpu_ms=<main thread on a CPU until the map> cpu_ms=<all threads>
//   runqueue_ms=<all threads waiting for a CPU until the map>
//   drawn_ms=<until the first drawing into the mapped window, -1 if none came within
//   the settle time> drawn_main_cpu_ms=<main thread on a CPU until then> pid=<the program's>
// Exit status 0 on success, 1 when the window did not appear in time or the program
// ended first, 2 on a usage or X error.
//
// There is no window manager under a bare X server, so top-level windows are
// children of the root window and their MapNotify reaches a client that selected
// SubstructureNotify on the root. The first drawing is what the X server's DAMAGE
// extension reports for the window: a window mapped but not yet drawn shows nothing.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    std::string title = "Solvanta v1.0";
    int timeoutMs = 20000;
    int settleMs = 300;
    std::vector<char*> argv;
};

[[noreturn]] void usage(const char* why) {
    std::fprintf(stderr,
                 "startwatch: %s\nusage: startwatch [--title T] [--timeout-ms N] [--settle-ms N] "
                 "-- PROGRAM [ARGS...]\n",
                 why);
    std::exit(2);
}

int toInt(const char* text) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (!end || *end != '\0' || value < 0 || value > 600000)
        usage("bad number");
    return static_cast<int>(value);
}

Options parse(int argc, char** argv) {
    Options options;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (i + 1 >= argc)
            usage("missing value");
        if (arg == "--title")
            options.title = argv[++i];
        else if (arg == "--timeout-ms")
            options.timeoutMs = toInt(argv[++i]);
        else if (arg == "--settle-ms")
            options.settleMs = toInt(argv[++i]);
        else
            usage("unknown option");
    }
    for (; i < argc; ++i)
        options.argv.push_back(argv[i]);
    if (options.argv.empty())
        usage("no program given");
    options.argv.push_back(nullptr);
    return options;
}

xcb_atom_t internAtom(xcb_connection_t* c, const char* name) {
    const auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::optional<std::string> textProperty(xcb_connection_t* c, xcb_window_t window,
                                        xcb_atom_t property) {
    const auto cookie =
        xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(c, cookie, nullptr), &std::free);
    if (!reply || reply->type == XCB_ATOM_NONE || reply->format != 8)
        return std::nullopt;
    const auto* data = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return std::string(data, static_cast<size_t>(xcb_get_property_value_length(reply.get())));
}

// The window's title as either the EWMH or the classic property gives it.
bool hasTitle(xcb_connection_t* c, xcb_window_t window, xcb_atom_t netWmName,
              const std::string& title) {
    if (netWmName != XCB_ATOM_NONE && textProperty(c, window, netWmName) == title)
        return true;
    return textProperty(c, window, XCB_ATOM_WM_NAME) == title;
}

long statusField(pid_t pid, const char* field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::string prefix = std::string(field) + ":";
    while (std::getline(status, line)) {
        if (line.compare(0, prefix.size(), prefix) == 0)
            return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
    }
    return -1;
}

// Time the program's threads spent on a CPU and waiting for one, in ms, from the
// scheduler's accounting (/proc/PID/task/TID/schedstat).
struct CpuTimes {
    double mainOnCpu = -1;
    double allOnCpu = -1;
    double allRunQueue = -1;
};

CpuTimes cpuTimes(pid_t pid) {
    CpuTimes times;
    const std::string base = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(base.c_str());
    if (!dir)
        return times;
    times.allOnCpu = 0;
    times.allRunQueue = 0;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream stat(base + "/" + entry->d_name + "/schedstat");
        double onCpuNs = 0;
        double runQueueNs = 0;
        if (!(stat >> onCpuNs >> runQueueNs))
            continue;
        times.allOnCpu += onCpuNs / 1e6;
        times.allRunQueue += runQueueNs / 1e6;
        if (std::to_string(pid) == entry->d_name)
            times.mainOnCpu = onCpuNs / 1e6;
    }
    closedir(dir);
    return times;
}

// Stops the program: SIGTERM, then SIGKILL if it lingers. Returns its peak RSS
// as the kernel accounted it, in kB.
long stopAndReap(pid_t pid) {
    kill(pid, SIGTERM);
    rusage usage{};
    int status = 0;
    const auto deadline = Clock::now() + std::chrono::seconds(2);
    for (;;) {
        const pid_t done = wait4(pid, &status, WNOHANG, &usage);
        if (done == pid)
            return usage.ru_maxrss;
        if (done < 0 && errno != EINTR)
            return -1;
        if (Clock::now() > deadline) {
            kill(pid, SIGKILL);
            if (wait4(pid, &status, 0, &usage) == pid)
                return usage.ru_maxrss;
            return -1;
        }
        usleep(2000);
    }
}

} // namespace

int main(int argc, char** argv) {
    const Options options = parse(argc, argv);

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "startwatch: cannot connect to the X server\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t netWmName = internAtom(c, "_NET_WM_NAME");
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
    const bool canSeeDrawing = damage && damage->present;
    if (canSeeDrawing) {
        std::free(xcb_damage_query_version_reply(
            c, xcb_damage_query_version(c, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
            nullptr));
    }

    // Watch the root's children being created, mapped and renamed. The check makes
    // sure the server applied the mask before the program starts.
    const uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
            xcb_request_check(
                c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &rootMask)),
            &std::free);
        error) {
        std::fprintf(stderr, "startwatch: cannot watch the root window\n");
        return 2;
    }

    const auto started = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("startwatch: fork");
        return 2;
    }
    if (pid == 0) {
        close(xcb_get_file_descriptor(c));
        execvp(options.argv[0], options.argv.data());
        std::perror("startwatch: exec");
        _exit(127);
    }

    // Windows mapped so far, so that a title set after the map still counts.
    std::unordered_set<xcb_window_t> mapped;
    std::optional<Clock::time_point> shown;
    xcb_window_t shownWindow = XCB_NONE;
    CpuTimes atShown;
    // The drawing reported into each mapped window, and the first into the shown one.
    struct Watch {
        xcb_damage_damage_t damage = 0;
        int reports = 0;
        bool drawnInto = false;
    };
    std::unordered_map<xcb_window_t, Watch> watches;
    std::optional<Clock::time_point> drawn;
    CpuTimes atDrawn;
    const auto deadline = started + std::chrono::milliseconds(options.timeoutMs);
    bool programEnded = false;
    pollfd pfd{xcb_get_file_descriptor(c), POLLIN, 0};

    const auto show = [&](xcb_window_t window, Clock::time_point now) {
        shown = now;
        shownWindow = window;
        atShown = cpuTimes(pid);
        // Drawn before its title came: drawn when it became the window looked for.
        if (const auto watch = watches.find(window);
            watch != watches.end() && watch->second.drawnInto) {
            drawn = now;
            atDrawn = atShown;
        }
    };
    const auto handleEvents = [&] {
        while (xcb_generic_event_t* raw = xcb_poll_for_event(c)) {
            std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(raw, &std::free);
            const auto now = Clock::now();
            const uint8_t type = event->response_type & 0x7f;
            if (canSeeDrawing && type == damage->first_event + XCB_DAMAGE_NOTIFY) {
                const auto* e = reinterpret_cast<xcb_damage_notify_event_t*>(raw);
                const auto watch = watches.find(e->drawable);
                if (watch == watches.end())
                    continue;
                // The first report is the map's exposure; the next is the program's.
                if (++watch->second.reports == 2)
                    watch->second.drawnInto = true;
                if (shown && !drawn && watch->second.drawnInto && e->drawable == shownWindow) {
                    drawn = now;
                    atDrawn = cpuTimes(pid);
                }
                continue;
            }
            switch (type) {
            case XCB_CREATE_NOTIFY: {
                // Follow renames of the new window too.
                const auto* e = reinterpret_cast<xcb_create_notify_event_t*>(raw);
                const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
                xcb_change_window_attributes(c, e->window, XCB_CW_EVENT_MASK, &mask);
                break;
            }
            case XCB_MAP_NOTIFY: {
                const auto* e = reinterpret_cast<xcb_map_notify_event_t*>(raw);
                if (e->event != root)
                    break;
                mapped.insert(e->window);
                // Every drawing into it from now on. The map itself is reported first,
                // as the server exposes the whole window.
                if (canSeeDrawing && !watches.count(e->window)) {
                    const xcb_damage_damage_t damage = xcb_generate_id(c);
                    xcb_damage_create(c, damage, e->window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
                    watches[e->window] = Watch{damage};
                }
                if (!shown && hasTitle(c, e->window, netWmName, options.title))
                    show(e->window, now);
                break;
            }
            case XCB_UNMAP_NOTIFY: {
                const auto* e = reinterpret_cast<xcb_unmap_notify_event_t*>(raw);
                mapped.erase(e->window);
                if (const auto watch = watches.find(e->window); watch != watches.end()) {
                    xcb_damage_destroy(c, watch->second.damage);
                    watches.erase(watch);
                }
                break;
            }
            case XCB_PROPERTY_NOTIFY: {
                const auto* e = reinterpret_cast<xcb_property_notify_event_t*>(raw);
                if (!shown && mapped.count(e->window) &&
                    (e->atom == netWmName || e->atom == XCB_ATOM_WM_NAME) &&
                    hasTitle(c, e->window, netWmName, options.title))
                    show(e->window, now);
                break;
            }
            default:
                break;
            }
        }
    };

    while (!shown && !programEnded && !xcb_connection_has_error(c)) {
        handleEvents();
        if (shown)
            break;
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            programEnded = true;
            break;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            break;
        xcb_flush(c);
        poll(&pfd, 1, static_cast<int>(std::min<long long>(left, 20)));
    }

    if (programEnded) {
        std::fprintf(stderr, "startwatch: the program ended before its window was shown\n");
        xcb_disconnect(c);
        return 1;
    }
    if (!shown) {
        std::fprintf(stderr, "startwatch: no window titled \"%s\" within %d ms (pid=%d)\n",
                     options.title.c_str(), options.timeoutMs, static_cast<int>(pid));
        stopAndReap(pid);
        xcb_disconnect(c);
        return 1;
    }

    // Let the program finish its first paint before its peak memory is read, and
    // watch for that paint meanwhile.
    const auto settled = Clock::now() + std::chrono::milliseconds(options.settleMs);
    for (;;) {
        handleEvents();
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(settled - Clock::now()).count();
        if (left <= 0 || xcb_connection_has_error(c))
            break;
        xcb_flush(c);
        poll(&pfd, 1, static_cast<int>(std::min<long long>(left, 20)));
    }
    const long hwm = statusField(pid, "VmHWM");
    const long maxRss = stopAndReap(pid);
    xcb_disconnect(c);

    const auto since = [started](Clock::time_point t) {
        return std::chrono::duration<double, std::milli>(t - started).count();
    };
    std::printf("map_ms=%.2f hwm_kb=%ld maxrss_kb=%ld main_cpu_ms=%.2f cpu_ms=%.2f "
                "runqueue_ms=%.2f drawn_ms=%.2f drawn_main_cpu_ms=%.2f pid=%d\n",
                since(*shown), hwm, maxRss, atShown.mainOnCpu, atShown.allOnCpu,
                atShown.allRunQueue, drawn ? since(*drawn) : -1.0, drawn ? atDrawn.mainOnCpu : -1.0,
                static_cast<int>(pid));
    return 0;
}
