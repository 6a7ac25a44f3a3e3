// Start-up and dialog-opening times against a bare Qt Widgets program, all in the same run so that they meet the
// same machine load:
//  - seen from outside, when $DISPLAY names an X server: the time from the process start until the X server maps
//    the first top-level window (MapNotify on the root window), for `tamb-setup`'s first start (no preferences
//    yet) and a later start, each right after a start of the bare program; and the peak resident memory (VmHWM
//    at exit) of `tamb-setup` after it has opened and left the camera setup dialog, against the bare program
//    after a second dialog;
//  - `tamb-setup` until its first main window has been shown, and the bare program (BareDialog.cpp) until its one
//    comparable dialog has been shown, each as a whole process, started alternately;
//  - for every setup dialog that has been built (the rows of the setup dialog table with a runner), the time from
//    the click on its setup button in a main window on screen to the dialog's first paint, as measured inside the
//    program's window loop by tamb_dialog_open_probe, one process per measurement, so that each is a first opening.
// Prints medians and each figure's ratio to the bare program's start; for the dialogs also the processor time the
// program spent, which shows how much of a figure is the machine's load.
//
// Usage: tamb_startup_bench [runs=15]. The windows go to $DISPLAY when it is set (for example an Xvfb), else to
// the offscreen platform; QT_QPA_PLATFORM overrides either. tamb-setup keeps its preferences in a temporary folder.
#include "../support/SetupRoute.h"
#include "MappedWindowClock.h"
#include "SpawnArguments.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct ProcessRun
{
    double wallMilliseconds = 0;
    std::string output;
};

// Runs `program` with `arguments` and the current environment plus `extraEnvironment`, collecting what it
// writes to its standard output; nothing when the program could not be run or failed.
std::optional<ProcessRun> RunProcess(const std::string& program, const std::vector<std::string>& arguments,
    const std::vector<std::string>& extraEnvironment)
{
    tamb::bench::SpawnArguments spawnArguments(program, arguments, extraEnvironment);

    std::array<int, 2> pipeEnds {};
    if (pipe(pipeEnds.data()) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned
        = posix_spawn(&child, program.c_str(), &actions, nullptr, spawnArguments.argv(), spawnArguments.envp());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    ProcessRun run;
    std::array<char, 256> buffer {};
    for (ssize_t got = 0; spawned == 0 && (got = read(pipeEnds[0], buffer.data(), buffer.size())) > 0;) {
        run.output.append(buffer.data(), static_cast<std::size_t>(got));
    }
    close(pipeEnds[0]);
    if (spawned != 0) {
        return std::nullopt;
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    run.wallMilliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return run;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

// One figure of the table: its name and its measurement in every run, with the processor time where known.
struct Series
{
    std::string name;
    std::vector<double> milliseconds;
    std::vector<double> cpuMilliseconds;
};

void PrintRow(const Series& series, double bareMedian)
{
    const double median = Median(series.milliseconds);
    std::printf("  %-30s %8.1f ms   ratio %.2f", series.name.c_str(), median, median / bareMedian);
    if (!series.cpuMilliseconds.empty()) {
        std::printf("   (processor %.1f ms)", Median(series.cpuMilliseconds));
    }
    std::printf("\n");
}

// The figures seen from outside: each program start timed to its window's MapNotify, paired with the bare
// program's start just before it, and the peak memory after one dialog.
struct OutsideSeries
{
    Series bareBeforeFirst { .name = "bare Qt program", .milliseconds = {}, .cpuMilliseconds = {} };
    Series firstStart { .name = "tamb-setup, first start", .milliseconds = {}, .cpuMilliseconds = {} };
    Series bareBeforeLater { .name = "bare Qt program", .milliseconds = {}, .cpuMilliseconds = {} };
    Series laterStart { .name = "tamb-setup, later start", .milliseconds = {}, .cpuMilliseconds = {} };
    Series bareMemory { .name = "bare Qt program, 2 dialogs", .milliseconds = {}, .cpuMilliseconds = {} };
    Series setupMemory { .name = "tamb-setup, camera setup", .milliseconds = {}, .cpuMilliseconds = {} };
};

// One interleaved round of the outside figures; false when a program failed.
bool MeasureFromOutside(tamb::bench::MappedWindowClock& clock, const std::filesystem::path& preferencesFolder,
    const std::vector<std::string>& environment, int round, OutsideSeries& series)
{
    using tamb::bench::MappedStart;
    std::vector<std::string> dialogEnvironment(environment);
    dialogEnvironment.emplace_back("TAMB_QUIT_WHEN_SHOWN=after-camera-setup");
    const auto addStart = [](Series& to, const std::optional<MappedStart>& start) {
        if (start) {
            to.milliseconds.push_back(start->millisecondsToMapped);
        }
        return start.has_value();
    };
    const auto addMemory = [](Series& to, const std::optional<MappedStart>& start) {
        if (start) {
            to.milliseconds.push_back(start->peakMebibytes);
        }
        return start.has_value();
    };
    // The first program of a round starts after the other benchmark programs and is slower for it; the two
    // pairs take that place in turn.
    const auto firstStartPair = [&] {
        std::error_code ignored;
        std::filesystem::remove_all(preferencesFolder, ignored);
        const bool bareRan = addStart(series.bareBeforeFirst, clock.run(TAMB_BARE_DIALOG_PATH, {}, environment));
        return addStart(series.firstStart, clock.run(TAMB_SETUP_PATH, {}, environment)) && bareRan;
    };
    const auto laterStartPair = [&] {
        const bool bareRan = addStart(series.bareBeforeLater, clock.run(TAMB_BARE_DIALOG_PATH, {}, environment));
        return addStart(series.laterStart, clock.run(TAMB_SETUP_PATH, {}, environment)) && bareRan;
    };
    bool ok = round % 2 == 0 ? firstStartPair() && laterStartPair() : laterStartPair() && firstStartPair();
    ok = addMemory(series.bareMemory, clock.run(TAMB_BARE_DIALOG_PATH, { "--second-dialog" }, environment)) && ok;
    return addMemory(series.setupMemory, clock.run(TAMB_SETUP_PATH, {}, dialogEnvironment)) && ok;
}

void PrintOutside(const OutsideSeries& series)
{
    std::printf("seen from outside: program start until the X server maps its window (MapNotify):\n");
    PrintRow(series.bareBeforeFirst, Median(series.bareBeforeFirst.milliseconds));
    PrintRow(series.firstStart, Median(series.bareBeforeFirst.milliseconds));
    PrintRow(series.bareBeforeLater, Median(series.bareBeforeLater.milliseconds));
    PrintRow(series.laterStart, Median(series.bareBeforeLater.milliseconds));
    std::printf("peak resident memory (VmHWM) after one dialog:\n");
    for (const Series* row : { &series.bareMemory, &series.setupMemory }) {
        const double median = Median(row->milliseconds);
        std::printf("  %-30s %8.1f MiB  ratio %.2f\n", row->name.c_str(), median,
            median / Median(series.bareMemory.milliseconds));
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::filesystem::path home = std::filesystem::temp_directory_path()
        / ("tamb-startup-bench-" + std::to_string(static_cast<long>(getpid())));
    std::filesystem::create_directories(home);
    std::filesystem::permissions(home, std::filesystem::perms::owner_all);
    std::vector<std::string> environment {
        "HOME=" + home.string(),
        "XDG_CONFIG_HOME=" + (home / "config").string(),
        "XDG_RUNTIME_DIR=" + home.string(),
        "TAMB_QUIT_WHEN_SHOWN=1",
    };
    const char* display = std::getenv("DISPLAY");
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr && (display == nullptr || *display == '\0')) {
        environment.emplace_back("QT_QPA_PLATFORM=offscreen");
    }

    Series bare { .name = "bare Qt program", .milliseconds = {}, .cpuMilliseconds = {} };
    Series setup { .name = "tamb-setup", .milliseconds = {}, .cpuMilliseconds = {} };
    std::vector<std::pair<std::size_t, Series>> dialogs;
    for (const tamb::bench::SetupRoute& route : tamb::bench::BuiltDialogRoutes()) {
        dialogs.emplace_back(static_cast<std::size_t>(route.dialog),
            Series { .name = std::string(route.className), .milliseconds = {}, .cpuMilliseconds = {} });
    }

    tamb::bench::MappedWindowClock clock;
    const bool outside = platform == nullptr && clock.listening();
    OutsideSeries outsideSeries;

    bool failed = false;
    for (int run = 0; run < runs && !failed; ++run) {
        failed = outside && !MeasureFromOutside(clock, home / "config", environment, run, outsideSeries);
        const std::optional<ProcessRun> bareRun = RunProcess(TAMB_BARE_DIALOG_PATH, {}, environment);
        const std::optional<ProcessRun> setupRun = RunProcess(TAMB_SETUP_PATH, {}, environment);
        failed = failed || !bareRun || !setupRun;
        if (!failed) {
            bare.milliseconds.push_back(bareRun->wallMilliseconds);
            setup.milliseconds.push_back(setupRun->wallMilliseconds);
        }
        for (auto& [row, series] : dialogs) {
            const std::optional<ProcessRun> probe
                = RunProcess(TAMB_DIALOG_OPEN_PROBE_PATH, { std::to_string(row) }, environment);
            failed = failed || !probe;
            if (probe) {
                char* cpuText = nullptr;
                series.milliseconds.push_back(std::strtod(probe->output.c_str(), &cpuText));
                series.cpuMilliseconds.push_back(std::strtod(cpuText, nullptr));
            }
        }
    }
    std::filesystem::remove_all(home);
    if (failed) {
        std::cerr << "startup bench: a program could not be run or failed\n";
        return 1;
    }

    const double bareMedian = Median(bare.milliseconds);
    std::printf("runs: %d, windows on %s; medians, ratios to the bare program's start\n", runs,
        platform != nullptr ? platform : (display != nullptr && *display != '\0' ? display : "offscreen"));
    if (outside) {
        PrintOutside(outsideSeries);
    } else {
        std::printf("(no X server to listen to: the figures seen from outside are left out)\n");
    }
    std::printf("whole process: start until its first window has been painted and the program has ended:\n");
    PrintRow(bare, bareMedian);
    PrintRow(setup, bareMedian);
    std::printf("click on the setup button until the dialog is shown:\n");
    for (const auto& [row, series] : dialogs) {
        PrintRow(series, bareMedian);
    }
    return 0;
}
