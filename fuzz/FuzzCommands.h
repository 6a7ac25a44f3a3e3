#pragma once

#include "cli/CliCommand.h"

#include <array>

namespace tamb::fuzz {

// The commands whose rules the command-line harness parses by; the first input byte picks one.
inline const std::array kFuzzedCommands {
    &kCameraCommand,
    &kFactoryCommand,
    &kInspectCommand,
    &kStringsCommand,
    &kMmsCommand,
    &kSmtpCommand,
};

} // namespace tamb::fuzz
