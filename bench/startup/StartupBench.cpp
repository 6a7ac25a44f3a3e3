// Starts `tamb-setup` until its first main window has been shown, and a bare Qt Widgets program that shows one
// comparable dialog, alternately in the same run, and prints the median wall time of each whole process and
// their ratio. Both run on the offscreen platform; tamb-setup keeps its preferences in a temporary folder.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Runs `program` with `arguments` and the current environment plus `extraEnvironment`; returns the wall time in
// milliseconds, or a negative number when the program could not be run or failed.
double TimedRun(const std::string& program, const std::vector<std::string>& arguments,
    const std::vector<std::string>& extraEnvironment)
{
    std::vector<std::string> environment(extraEnvironment);
    for (char** entry = environ; *entry != nullptr; ++entry) {
        environment.emplace_back(*entry);
    }
    std::vector<char*> envp;
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::vector<std::string> argStorage { program };
    argStorage.insert(argStorage.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : argStorage) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0) {
        return -1.0;
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return -1.0;
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::filesystem::path home = std::filesystem::temp_directory_path()
        / ("tamb-startup-bench-" + std::to_string(static_cast<long>(getpid())));
    std::filesystem::create_directories(home);
    std::filesystem::permissions(home, std::filesystem::perms::owner_all);
    const std::vector<std::string> environment {
        "QT_QPA_PLATFORM=offscreen",
        "HOME=" + home.string(),
        "XDG_CONFIG_HOME=" + (home / "config").string(),
        "XDG_RUNTIME_DIR=" + home.string(),
        "TAMB_QUIT_WHEN_SHOWN=1",
    };

    std::vector<double> app;
    std::vector<double> bare;
    for (int run = 0; run < runs; ++run) {
        const double appTime = TimedRun(TAMB_SETUP_PATH, {}, environment);
        const double bareTime = TimedRun(TAMB_BARE_DIALOG_PATH, {}, environment);
        if (appTime < 0 || bareTime < 0) {
            std::cerr << "startup bench: a program could not be run or failed\n";
            std::filesystem::remove_all(home);
            return 1;
        }
        app.push_back(appTime);
        bare.push_back(bareTime);
    }
    std::filesystem::remove_all(home);

    const double appMedian = Median(app);
    const double bareMedian = Median(bare);
    std::cout << "runs: " << runs << "\n"
              << "tamb-setup to its first main window, median: " << appMedian << " ms\n"
              << "bare Qt dialog, median: " << bareMedian << " ms\n"
              << "ratio: " << appMedian / bareMedian << "\n";
    return 0;
}
