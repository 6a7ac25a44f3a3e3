#pragma once

#include "camera/CameraSettingsModel.h"
#include "cli/Arguments.h"

#include <ostream>
#include <string_view>

namespace tamb {

// Helpers of the commands that drive a camera settings model: camera and factory.

// The environment of the model: the application state of the arguments (SettingsKeys), --clock or the local
// time, a short start folder, no limit on the folder text (there is no folder edit) and the real menu.dat
// writer. The --out folder is chosen afterwards, as with the dialog's Select button just before Generate or
// Default.
[[nodiscard]] CameraEnvironment CameraEnvironmentFromArguments(const ParsedArguments& arguments);

// Reports the last message of a Generate or Default: "<done> <path>" on `out` and kExitSuccess when it is
// `success`; the write failure on `err` and kExitFailure; any other message (a check of the action refused the
// input, as the dialog would) as a usage error.
[[nodiscard]] int ReportCameraWrite(std::string_view command, std::string_view done, const ParsedArguments& arguments,
    const DialogOutcome& outcome, MessageId success, std::ostream& out, std::ostream& err);

// The keys of `model` with their allowed values, one a line, for "camera --model N --help".
void PrintCameraKeys(const CameraSettingsModel& model, std::ostream& out);

} // namespace tamb
