// Times a program from the moment it is started to the moment its window is mapped, seen from
// outside: the program is measured as it ships, without options or changes.
//
//   sockwright_start_to_window [--title TEXT] [--size WIDTHxHEIGHT] [--timeout-ms N]
//                              -- PROGRAM [ARGUMENT...]
//
// Starts PROGRAM, waits on the X server ($DISPLAY) for a top-level window with that title and
// size to be mapped, and ends the program (SIGTERM, then SIGKILL). Prints one line on standard
// output: the milliseconds from start to mapped, then the processor time in milliseconds the
// program had used by then (all its threads; less disturbed than the first by a busy machine).
// Other windows the program maps (a message box, say) are named on standard error and do not
// count. Exit status: 0 measured, 1 usage or X error, 2 no such window within the time-out, 3 the
// program ended first.
//
// (xdotool's "search --sync" cannot stand in: it looks again only every half second.)
//
// Plain core protocol: under Xvfb without a window manager the map is seen on the root window;
// where a window manager reparents the window, every new top-level is watched on its own.
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

extern char** environ;

namespace {

double nowMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Options {
    std::optional<std::string> title;
    int width = -1;
    int height = -1;
    int timeoutMs = 20000;
    std::vector<char*> command;  // ends with nullptr
};

void usage() {
    std::fprintf(stderr,
                 "usage: sockwright_start_to_window [--title TEXT] [--size WIDTHxHEIGHT] "
                 "[--timeout-ms N] -- PROGRAM [ARGUMENT...]\n");
}

std::optional<Options> parseOptions(int argc, char** argv) {
    Options options;
    int at = 1;
    for (; at < argc; ++at) {
        const std::string argument = argv[at];
        if (argument == "--") {
            ++at;
            break;
        }
        if (at + 1 >= argc) return std::nullopt;
        const char* value = argv[++at];
        if (argument == "--title") {
            options.title = value;
        } else if (argument == "--size") {
            if (std::sscanf(value, "%dx%d", &options.width, &options.height) != 2) {
                return std::nullopt;
            }
        } else if (argument == "--timeout-ms") {
            options.timeoutMs = std::atoi(value);
        } else {
            return std::nullopt;
        }
    }
    if (at >= argc) return std::nullopt;
    for (; at < argc; ++at) options.command.push_back(argv[at]);
    options.command.push_back(nullptr);
    return options;
}

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPtr<Reply> own(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

class Display {
  public:
    Display() = default;
    ~Display() {
        if (connection_ != nullptr) xcb_disconnect(connection_);
    }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    bool open() {
        // A server whose last client has just left resets itself and refuses connections for
        // a moment; try again for up to a second.
        for (int attempt = 0; attempt < 50; ++attempt) {
            if (connection_ != nullptr) xcb_disconnect(connection_);
            connection_ = xcb_connect(nullptr, nullptr);
            if (!xcb_connection_has_error(connection_)) break;
            usleep(20000);
        }
        if (xcb_connection_has_error(connection_)) return false;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        netWmName_ = atom("_NET_WM_NAME");
        utf8String_ = atom("UTF8_STRING");
        return true;
    }

    // Hears of every window created, mapped or reparented below the root.
    bool watchRoot() { return select(root_, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY); }

    // Hears of one window's own map, also after a window manager has reparented it.
    bool watchWindow(xcb_window_t window) {
        return select(window, XCB_EVENT_MASK_STRUCTURE_NOTIFY);
    }

    bool isMapped(xcb_window_t window) {
        auto attributes = own(xcb_get_window_attributes_reply(
            connection_, xcb_get_window_attributes(connection_, window), nullptr));
        return attributes && attributes->map_state != XCB_MAP_STATE_UNMAPPED;
    }

    // The window's title, preferring the UTF-8 one; empty when it has none or is gone.
    std::string title(xcb_window_t window) {
        std::string text = property(window, netWmName_, utf8String_);
        return text.empty() ? property(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING) : text;
    }

    bool size(xcb_window_t window, int& width, int& height) {
        auto geometry = own(
            xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
        if (!geometry) return false;
        width = geometry->width;
        height = geometry->height;
        return true;
    }

    xcb_window_t root() const { return root_; }
    int descriptor() const { return xcb_get_file_descriptor(connection_); }
    bool broken() const { return xcb_connection_has_error(connection_) != 0; }
    xcb_generic_event_t* nextEvent() { return xcb_poll_for_event(connection_); }

  private:
    xcb_atom_t atom(const char* name) {
        auto reply = own(xcb_intern_atom_reply(
            connection_,
            xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr));
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }

    bool select(xcb_window_t window, std::uint32_t mask) {
        xcb_generic_error_t* error = xcb_request_check(
            connection_,
            xcb_change_window_attributes_checked(connection_, window, XCB_CW_EVENT_MASK, &mask));
        std::free(error);
        return error == nullptr;
    }

    std::string property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type) {
        auto reply = own(xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, window, name, type, 0, 1024), nullptr));
        if (!reply || reply->format != 8) return {};
        return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                           static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    xcb_atom_t netWmName_ = XCB_ATOM_NONE;
    xcb_atom_t utf8String_ = XCB_ATOM_NONE;
};

void endChild(pid_t child) {
    kill(child, SIGTERM);
    for (int waited = 0; waited < 200; ++waited) {
        if (waitpid(child, nullptr, WNOHANG) == child) return;
        usleep(5000);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Options> parsed = parseOptions(argc, argv);
    if (!parsed) {
        usage();
        return 1;
    }
    const Options& options = *parsed;

    Display display;
    if (!display.open()) {
        std::fprintf(stderr, "sockwright_start_to_window: cannot open the X display %s\n",
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "(DISPLAY is not set)");
        return 1;
    }
    if (!display.watchRoot()) {
        std::fprintf(stderr, "sockwright_start_to_window: cannot watch the root window\n");
        return 1;
    }

    // Whether a mapped window is the one waited for; any other is named once.
    std::set<xcb_window_t> judged;
    auto isWanted = [&](xcb_window_t window) {
        if (!judged.insert(window).second) return false;
        const std::string title = display.title(window);
        int width = 0;
        int height = 0;
        if (!display.size(window, width, height)) return false;
        const bool titleMatches = !options.title || title == *options.title;
        const bool sizeMatches =
            options.width < 0 || (width == options.width && height == options.height);
        if (titleMatches && sizeMatches) return true;
        // A window manager's frame has no title of its own and is not worth a line.
        if (!title.empty()) {
            std::fprintf(stderr,
                         "sockwright_start_to_window: another window was mapped: \"%s\" %dx%d\n",
                         title.c_str(), width, height);
        }
        return false;
    };

    const double started = nowMilliseconds();
    pid_t child = 0;
    if (posix_spawnp(&child, options.command[0], nullptr, nullptr, options.command.data(),
                     environ) != 0) {
        std::fprintf(stderr, "sockwright_start_to_window: cannot start %s\n", options.command[0]);
        return 1;
    }

    // The program's own processor-time clock, read when its window is seen mapped.
    clockid_t childClock{};
    const bool haveChildClock = clock_getcpuclockid(child, &childClock) == 0;
    auto childProcessorMs = [&]() -> double {
        timespec used{};
        if (!haveChildClock || clock_gettime(childClock, &used) != 0) return -1;
        return static_cast<double>(used.tv_sec) * 1e3 + static_cast<double>(used.tv_nsec) / 1e6;
    };

    std::optional<double> mapped;
    double processorMs = -1;
    int status = 2;
    while (!mapped) {
        const double left = started + options.timeoutMs - nowMilliseconds();
        if (left <= 0) break;
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr,
                         "sockwright_start_to_window: %s ended before its window was mapped\n",
                         options.command[0]);
            return 3;
        }
        pollfd descriptor{display.descriptor(), POLLIN, 0};
        // Wakes at least every 50 ms to notice a program that ended.
        poll(&descriptor, 1, left < 50 ? static_cast<int>(left) + 1 : 50);
        while (xcb_generic_event_t* event = display.nextEvent()) {
            const double at = nowMilliseconds();
            const double usedAt = childProcessorMs();
            const std::uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                // A window manager may reparent it before mapping: watch the window itself too.
                if (created->parent == display.root() && !created->override_redirect &&
                    display.watchWindow(created->window) && display.isMapped(created->window) &&
                    isWanted(created->window)) {
                    mapped = at;
                }
            } else if (type == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (!map->override_redirect && isWanted(map->window)) mapped = at;
            }
            std::free(event);
            if (mapped) {
                processorMs = usedAt;
                break;
            }
        }
        if (display.broken()) {
            std::fprintf(stderr, "sockwright_start_to_window: lost the X display\n");
            status = 1;
            break;
        }
    }

    endChild(child);
    if (!mapped) {
        if (status == 2) {
            std::fprintf(stderr, "sockwright_start_to_window: no such window within %d ms\n",
                         options.timeoutMs);
        }
        return status;
    }
    std::printf("%.3f %.3f\n", *mapped - started, processorMs);
    return 0;
}
