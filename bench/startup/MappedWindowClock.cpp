#include "MappedWindowClock.h"

#include "SpawnArguments.h"

#include <X11/Xlib.h>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tamb::bench {
namespace {

Display* AsDisplay(void* display)
{
    return static_cast<Display*>(display);
}

// Drops the events that are already queued, so that a window of an earlier program does not count.
void DrainEvents(Display* display)
{
    XSync(display, False);
    XEvent event;
    while (XPending(display) > 0) {
        XNextEvent(display, &event);
    }
}

// Waits up to `timeout` for a top-level window other than a pop-up to be mapped; the time of its event.
std::optional<std::chrono::steady_clock::time_point> AwaitMapped(
    Display* display, std::chrono::steady_clock::time_point deadline)
{
    pollfd connection { .fd = ConnectionNumber(display), .events = POLLIN, .revents = 0 };
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.override_redirect == False) {
                return std::chrono::steady_clock::now();
            }
        }
        const auto left
            = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || poll(&connection, 1, static_cast<int>(left.count())) < 0) {
            return std::nullopt;
        }
    }
}

} // namespace

MappedWindowClock::MappedWindowClock()
    : m_display(XOpenDisplay(nullptr))
{
    if (m_display != nullptr) {
        XSelectInput(AsDisplay(m_display), DefaultRootWindow(AsDisplay(m_display)), SubstructureNotifyMask);
        XSync(AsDisplay(m_display), False);
    }
}

MappedWindowClock::~MappedWindowClock()
{
    if (m_display != nullptr) {
        XCloseDisplay(AsDisplay(m_display));
    }
}

std::optional<MappedStart> MappedWindowClock::run(const std::string& program, const std::vector<std::string>& arguments,
    const std::vector<std::string>& extraEnvironment)
{
    if (m_display == nullptr) {
        return std::nullopt;
    }
    SpawnArguments spawnArguments(program, arguments, extraEnvironment);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);

    DrainEvents(AsDisplay(m_display));
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned
        = posix_spawn(&child, program.c_str(), &actions, nullptr, spawnArguments.argv(), spawnArguments.envp());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return std::nullopt;
    }
    const auto mapped = AwaitMapped(AsDisplay(m_display), start + std::chrono::minutes(1));
    if (!mapped) {
        kill(child, SIGKILL);
    }
    int status = 0;
    rusage usage {};
    if (wait4(child, &status, 0, &usage) != child || !mapped || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    // On Linux ru_maxrss is the peak resident set in KiB, the VmHWM the process had when it ended.
    return MappedStart {
        .millisecondsToMapped = std::chrono::duration<double, std::milli>(*mapped - start).count(),
        .peakMebibytes = static_cast<double>(usage.ru_maxrss) / 1024.0,
    };
}

} // namespace tamb::bench
