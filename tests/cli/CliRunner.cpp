#include "CliRunner.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tamb {
namespace {

std::string shellQuoted(const std::string& word)
{
    std::string quoted = "'";
    for (const char character : word) {
        quoted += character == '\'' ? std::string { "'\\''" } : std::string(1, character);
    }
    return quoted + "'";
}

std::string expanded(std::string word, const std::string& folder)
{
    const std::string placeholder = "{dir}";
    for (auto at = word.find(placeholder); at != std::string::npos; at = word.find(placeholder)) {
        word.replace(at, placeholder.size(), folder);
    }
    return word;
}

} // namespace

CliSandbox::CliSandbox()
{
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    // The process id keeps runs of the same test in several build trees apart.
    std::string name
        = std::string { "tamb-cli-" } + std::to_string(getpid()) + "-" + test->test_suite_name() + "-" + test->name();
    for (auto& character : name) {
        if (character == '/') {
            character = '_';
        }
    }
    m_folder = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(m_folder);
    std::filesystem::create_directories(outFolder());
}

CliSandbox::~CliSandbox()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

CliRun CliSandbox::run(const std::vector<std::string>& arguments, const std::string& standardOutput) const
{
    const auto folder = m_folder.string();
    std::string command = "cd " + shellQuoted(folder) + " && HOME=" + shellQuoted(folder)
        + " XDG_CONFIG_HOME=" + shellQuoted(folder + "/config") + " " + shellQuoted(TAMB_CLI_PATH);
    for (const auto& argument : arguments) {
        command += " " + shellQuoted(expanded(argument, folder));
    }
    command += " 2>&1";
    if (!standardOutput.empty()) {
        command += " >" + shellQuoted(standardOutput);
    }
    CliRun result;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    std::array<char, 4096> buffer {};
    while (const auto count = std::fread(buffer.data(), 1, buffer.size(), pipe)) {
        result.output.append(buffer.data(), count);
    }
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::vector<std::string> CliSandbox::outFiles() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(outFolder())) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

} // namespace tamb
