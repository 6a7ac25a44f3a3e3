#pragma once

#include "cli/Arguments.h"

#include <ostream>
#include <string_view>

namespace tamb {

// Exit codes of every command.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1; // The work could not be done or a file is not sound.
inline constexpr int kExitUsage = 2; // The command line was wrong; nothing was written.

inline constexpr std::string_view kProgramName = "tamb-setup-cli";

// One command of the program: its rules for the arguments, its help text and the work it does once the
// arguments were parsed. `run` may still reject a value (through ReportUsageError) before writing anything.
struct CliCommand
{
    std::string_view name;
    std::string_view summary;
    std::string_view usage; // The text of "--help", starting with the "Usage:" line.
    ArgumentRules rules;
    int (*run)(const ParsedArguments& arguments, std::ostream& out, std::ostream& err);
    // Prints what "--help" adds for the options given with it (camera: the keys of --model N); may be empty.
    void (*moreHelp)(const ParsedArguments& arguments, std::ostream& out) = nullptr;
};

// Prints "tamb-setup-cli NAME: message" and a pointer to the help; returns kExitUsage.
[[nodiscard]] int ReportUsageError(std::string_view command, std::string_view message, std::ostream& err);

// The commands, one per file; main.cpp lists them.
extern const CliCommand kCameraCommand;
extern const CliCommand kFactoryCommand;
extern const CliCommand kInspectCommand;
extern const CliCommand kStringsCommand;
extern const CliCommand kMmsCommand;
extern const CliCommand kSmtpCommand;

} // namespace tamb
