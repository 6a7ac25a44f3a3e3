#pragma once

#include "support/TempFolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tamb {

// The outcome of one run of the command-line program.
struct CliRun
{
    int exitCode = -1;
    std::string output; // stdout and stderr together
};

// A temporary working folder that also serves as HOME, XDG_CONFIG_HOME and XDG_DATA_HOME of the program, so that a run
// never sees the real user's preferences (on Windows they live in the registry, which the Windows tests keep in a Wine
// prefix of their own). Removed on destruction.
class CliSandbox
{
public:
    CliSandbox();

    // Runs tamb-setup-cli with `arguments`; "{dir}" in an argument is replaced by the sandbox folder. With
    // `standardOutput`, the program's standard output goes to that file and `output` holds standard error alone.
    // The program reads `standardInput` from its standard input (elsewhere than on Windows, where it inherits the
    // test's).
    [[nodiscard]] CliRun run(const std::vector<std::string>& arguments, const std::string& standardOutput = {},
        const std::string& standardInput = {}) const;

    [[nodiscard]] const std::filesystem::path& folder() const { return m_folder.path(); }
    [[nodiscard]] std::filesystem::path outFolder() const { return m_folder.file("out"); }
    // Names in the output folder.
    [[nodiscard]] std::vector<std::string> outFiles() const;

private:
    test::TempFolder m_folder;
};

} // namespace tamb
