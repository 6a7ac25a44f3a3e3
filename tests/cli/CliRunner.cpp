#include "CliRunner.h"

#include "common/Paths.h"
#include "support/TestedProgram.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#endif

namespace tamb {
namespace {

// A run that did not start because the build's program is not where the tests look for it; the test fails
// saying so rather than running some other program.
std::optional<CliRun> MissingProgram()
{
    const std::string missing = test::MissingTestedCli();
    if (missing.empty())
        return std::nullopt;
    ADD_FAILURE() << missing;
    return CliRun { .exitCode = -1, .output = missing };
}

std::string Expanded(std::string word, const std::string& folder)
{
    const std::string placeholder = "{dir}";
    for (auto at = word.find(placeholder); at != std::string::npos; at = word.find(placeholder)) {
        word.replace(at, placeholder.size(), folder);
    }
    return word;
}

#ifdef _WIN32

std::wstring WideFromUtf8(const std::string& text)
{
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

// One word of a Windows command line, quoted so that CommandLineToArgvW gives it back unchanged: backslashes
// before a quote (or before the closing quote) are doubled, and a quote is escaped.
std::wstring QuotedWord(const std::wstring& word)
{
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t character : word) {
        if (character == L'\\') {
            ++backslashes;
            continue;
        }
        const std::size_t repeat = character == L'"' ? 2 * backslashes + 1 : backslashes;
        quoted.append(repeat, L'\\');
        quoted += character;
        backslashes = 0;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

// Runs the command line in `folder` with stdout and stderr on one pipe; the registry of this Wine prefix or
// Windows session holds the program's preferences.
CliRun RunCommandLine(std::wstring commandLine, const std::filesystem::path& folder)
{
    CliRun result;
    SECURITY_ATTRIBUTES inheritable { sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE };
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) {
        return result;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process {};
    const BOOL started = CreateProcessW(
        nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &startup, &process);
    CloseHandle(writeEnd);
    if (started) {
        std::array<char, 4096> buffer {};
        DWORD count = 0;
        while (ReadFile(readEnd, buffer.data(), static_cast<DWORD>(buffer.size()), &count, nullptr) && count > 0) {
            result.output.append(buffer.data(), count);
        }
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD exitCode = 0;
        if (GetExitCodeProcess(process.hProcess, &exitCode)) {
            result.exitCode = static_cast<int>(exitCode);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(readEnd);
    return result;
}

#else

std::string ShellQuoted(const std::string& word)
{
    std::string quoted = "'";
    for (const char character : word) {
        quoted += character == '\'' ? std::string { "'\\''" } : std::string(1, character);
    }
    return quoted + "'";
}

#endif

} // namespace

CliSandbox::CliSandbox()
{
    std::filesystem::create_directories(outFolder());
}

#ifdef _WIN32

CliRun CliSandbox::run(const std::vector<std::string>& arguments, const std::string& /*standardOutput*/,
    const std::string& /*standardInput*/) const
{
    if (auto missing = MissingProgram())
        return *missing;
    const auto folder = m_folder.text();
    std::wstring commandLine = QuotedWord(test::TestedCliPath().wstring());
    for (const auto& argument : arguments) {
        commandLine += L" " + QuotedWord(WideFromUtf8(Expanded(argument, folder)));
    }
    return RunCommandLine(std::move(commandLine), m_folder.path());
}

#else

CliRun CliSandbox::run(const std::vector<std::string>& arguments, const std::string& standardOutput,
    const std::string& standardInput) const
{
    if (auto missing = MissingProgram())
        return *missing;
    const auto folder = m_folder.text();
    std::string command = "cd " + ShellQuoted(folder) + " && HOME=" + ShellQuoted(folder)
        + " XDG_CONFIG_HOME=" + ShellQuoted(folder + "/config") + " XDG_DATA_HOME=" + ShellQuoted(folder + "/data")
        + " " + ShellQuoted(Utf8FromPath(test::TestedCliPath()));
    for (const auto& argument : arguments) {
        command += " " + ShellQuoted(Expanded(argument, folder));
    }
    // The input comes from a file, never from the terminal of whoever runs the tests.
    const auto input = m_folder.file("standard-input");
    std::ofstream(input, std::ios::binary | std::ios::trunc) << standardInput;
    command += " <" + ShellQuoted(input.string()) + " 2>&1";
    if (!standardOutput.empty()) {
        command += " >" + ShellQuoted(standardOutput);
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

#endif

std::vector<std::string> CliSandbox::outFiles() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(outFolder())) {
        names.push_back(Utf8FromPath(entry.path().filename()));
    }
    return names;
}

} // namespace tamb
