#pragma once

#include "cli/Arguments.h"
#include "model/DialogOutcome.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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
    // The text of "--help", starting with the "Usage:" line; UsageText fills in its placeholders.
    std::string_view usage;
    ArgumentRules rules;
    int (*run)(const ParsedArguments& arguments, std::ostream& out, std::ostream& err);
    // Prints what "--help" adds for the options given with it (camera: the keys of --model N); may be empty.
    void (*moreHelp)(const ParsedArguments& arguments, std::ostream& out) = nullptr;
    // The keys whose value is a password: given as "-", it is read from standard input before `run`.
    std::span<const std::string_view> passwordKeys = {};
};

// The help text of `command` with its placeholders filled in: "{last model}" (the number of the last model of
// the model list), "{first clock year}" and "{last clock year}" (the years --clock takes), "{longitude degrees}"
// and "{latitude degrees}" (the largest degree values).
[[nodiscard]] std::string UsageText(const CliCommand& command);

// The whole of a settings file given on the command line; a failure says why it cannot be read.
[[nodiscard]] Status ReadSettingsFile(const std::string& path, std::vector<std::uint8_t>& bytes);

// Why the --out folder cannot be written into before anything is tried: a name that is there but is no folder.
[[nodiscard]] std::optional<std::string> OutFolderRefusal(const ParsedArguments& arguments);

// When `result` is a success with a note (the file is written, for its owner alone), prints the note as
// "tamb-setup-cli NAME: note" and returns true.
[[nodiscard]] bool ReportWriteNote(std::string_view command, const DialogMessage& result, std::ostream& err);

// Prints "tamb-setup-cli NAME: message" and a pointer to the help; returns kExitUsage.
[[nodiscard]] int ReportUsageError(std::string_view command, std::string_view message, std::ostream& err);

// Starts `model` from the settings of the --from file, if one was given, with `load` (LoadMenuFile and its
// kin); a file that cannot be read or does not load gives a usage error naming it and the reason.
template <typename Model, typename Load>
[[nodiscard]] std::optional<int> StartFrom(
    const ParsedArguments& arguments, Model& model, Load load, std::string_view command, std::ostream& err)
{
    if (!arguments.from)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    Status loaded = ReadSettingsFile(*arguments.from, bytes);
    if (loaded.ok())
        loaded = load(model, bytes);
    if (loaded.ok())
        return std::nullopt;
    return ReportUsageError(command, "--from " + *arguments.from + ": " + loaded.reason(), err);
}

// The commands, one per file; main.cpp lists them.
extern const CliCommand kCameraCommand;
extern const CliCommand kFactoryCommand;
extern const CliCommand kInspectCommand;
extern const CliCommand kStringsCommand;
extern const CliCommand kMmsCommand;
extern const CliCommand kSmtpCommand;
extern const CliCommand kSmtpTestCommand;
extern const CliCommand kProfileCommand;
extern const CliCommand kFleetCommand;
extern const CliCommand kOperatorsCommand;

} // namespace tamb
