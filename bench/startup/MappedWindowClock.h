#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tamb::bench {

// What one program start showed from outside: the wall time from just before the process was started until the
// X server mapped its first top-level window, and the process's peak resident memory when it ended.
struct MappedStart
{
    double millisecondsToMapped = 0;
    double peakMebibytes = 0;
};

// Listens on the root window of $DISPLAY for the MapNotify events of top-level windows, as the X server sends
// them, so that a start is timed up to the moment a user could see the window, whatever the program thinks of
// its own progress. Only one program is watched at a time; other clients should leave the display alone.
class MappedWindowClock
{
public:
    MappedWindowClock();
    ~MappedWindowClock();
    MappedWindowClock(const MappedWindowClock&) = delete;
    MappedWindowClock& operator=(const MappedWindowClock&) = delete;

    // False when $DISPLAY could not be opened: there is nothing to listen to.
    [[nodiscard]] bool listening() const { return m_display != nullptr; }

    // Starts `program` with `arguments` and the current environment plus `extraEnvironment` (its standard output
    // discarded), waits for its first top-level window to be mapped and for the process to end. Nothing when the
    // program could not be run, showed no window within a minute or failed.
    [[nodiscard]] std::optional<MappedStart> run(const std::string& program, const std::vector<std::string>& arguments,
        const std::vector<std::string>& extraEnvironment);

private:
    void* m_display = nullptr;
};

} // namespace tamb::bench
