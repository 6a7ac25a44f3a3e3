#include "cli/CliCommand.h"
#include "cli/Console.h"
#include "cli/PasswordInput.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

namespace tamb {
namespace {

// Every command of the program, in the order of the help text. A new command adds one line.
const std::array kCommands {
    &kCameraCommand,
    &kFactoryCommand,
    &kInspectCommand,
    &kStringsCommand,
    &kMmsCommand,
    &kSmtpCommand,
    &kProfileCommand,
    &kFleetCommand,
    &kOperatorsCommand,
#ifdef TAMB_HAS_SMTP_LOGIN_CHECK
    &kSmtpTestCommand,
#endif
};

void PrintProgramUsage(std::ostream& stream)
{
    stream << "Usage: " << kProgramName << " COMMAND [OPTIONS]\n\n"
           << "Prepares the settings files of Tamb Vorrel trail cameras without a window.\n\nCommands:\n";
    for (const auto* command : kCommands) {
        stream << "  " << command->name << std::string(command->name.size() < 10 ? 10 - command->name.size() : 1, ' ')
               << command->summary << '\n';
    }
    stream << "\n"
           << kProgramName << " COMMAND --help shows the options of a command.\n"
           << "Exit codes: 0 success, 1 failure or a file that is not sound, 2 a wrong command line.\n";
}

// A report that could not be written (a full disk, a closed pipe) is a failure like any other, as it is for the
// standard tools: the exit code says so and standard error says why.
int FinishOutput(int exitCode)
{
    errno = 0;
    const bool flushed = static_cast<bool>(std::cout.flush()) && std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
    if (flushed) {
        return exitCode;
    }
    const auto reason = errno != 0 ? std::generic_category().message(errno) : std::string { "write error" };
    std::cerr << kProgramName << ": cannot write the output: " << reason << '\n';
    return kExitFailure;
}

int RunCommand(const CliCommand& command, const std::vector<std::string>& words)
{
    ParsedArguments arguments;
    if (const auto parsed = ParseArguments(words, command.rules, arguments); !parsed.ok()) {
        return ReportUsageError(command.name, parsed.reason(), std::cerr);
    }
    if (arguments.help) {
        std::cout << UsageText(command);
        if (command.moreHelp != nullptr) {
            command.moreHelp(arguments, std::cout);
        }
        return FinishOutput(kExitSuccess);
    }
    if (const auto refused = OutFolderRefusal(arguments)) {
        return ReportUsageError(command.name, *refused, std::cerr);
    }
    // Passwords given as "-" are read now, so that every command finds them among its keys.
    if (const Status read = ReadPasswordsFromInput(arguments.assignments, command.passwordKeys); !read.ok()) {
        return ReportUsageError(command.name, read.reason(), std::cerr);
    }
    const int exitCode = command.run(arguments, std::cout, std::cerr);
    return FinishOutput(exitCode);
}

} // namespace
} // namespace tamb

int main(int argc, char** argv)
{
    using namespace tamb;
    WriteLineFeedsUnchanged();
    const auto commandLine = CommandLineWords(argc, argv);
    const std::string name = commandLine.size() > 1 ? commandLine[1] : "";
    const std::vector<std::string> words(
        commandLine.begin() + std::min<std::ptrdiff_t>(2, std::ssize(commandLine)), commandLine.end());
    if (name == "--help" || name == "-h" || name == "help") {
        PrintProgramUsage(std::cout);
        return FinishOutput(kExitSuccess);
    }
    for (const auto* command : kCommands) {
        if (command->name == name) {
            return RunCommand(*command, words);
        }
    }
    if (name.empty()) {
        std::cerr << kProgramName << ": no command given\n";
    } else {
        std::cerr << kProgramName << ": unknown command '" << name << "'\n";
    }
    PrintProgramUsage(std::cerr);
    return kExitUsage;
}
