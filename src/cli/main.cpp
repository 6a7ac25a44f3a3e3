#include "cli/CliCommand.h"
#include "cli/Console.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <string>
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
};

void printProgramUsage(std::ostream& stream)
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

int runCommand(const CliCommand& command, const std::vector<std::string>& words)
{
    ParsedArguments arguments;
    if (const auto parsed = ParseArguments(words, command.rules, arguments); !parsed.ok()) {
        return ReportUsageError(command.name, parsed.reason(), std::cerr);
    }
    if (arguments.help) {
        std::cout << command.usage;
        return kExitSuccess;
    }
    return command.run(arguments, std::cout, std::cerr);
}

} // namespace

int ReportUsageError(std::string_view command, std::string_view message, std::ostream& err)
{
    err << kProgramName << ' ' << command << ": " << message << "\nTry '" << kProgramName << ' ' << command
        << " --help'.\n";
    return kExitUsage;
}

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
        printProgramUsage(std::cout);
        return kExitSuccess;
    }
    for (const auto* command : kCommands) {
        if (command->name == name) {
            return runCommand(*command, words);
        }
    }
    if (name.empty()) {
        std::cerr << kProgramName << ": no command given\n";
    } else {
        std::cerr << kProgramName << ": unknown command '" << name << "'\n";
    }
    printProgramUsage(std::cerr);
    return kExitUsage;
}
