#pragma once

#include "cli/Arguments.h"
#include "common/AppState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tamb {

// Helpers of the mms and smtp commands for their KEY=VALUE words.

// A whole decimal number 0..255, nothing else; the settings check the real range of each key.
[[nodiscard]] std::optional<std::uint8_t> SmallNumberFromText(std::string_view text);

// "auto" gives true, "manual" false.
[[nodiscard]] std::optional<bool> AutoModeFromText(std::string_view text);

// The value of key "mode" among the assignments (true for auto, the default), or nothing when it is not
// "auto" or "manual".
[[nodiscard]] std::optional<bool> AutoModeOf(const ParsedArguments& arguments);

// The application state the files take their language and TV-out mode from: --language, else the stored
// language preference (when it is one of 1..15), else English; --tv-mode, else the stored TV mode, else 0.
[[nodiscard]] AppState AppStateFromArguments(const ParsedArguments& arguments);

// "KEY takes a whole number, not 'VALUE'" and similar texts.
[[nodiscard]] std::string BadValueMessage(std::string_view key, std::string_view value, std::string_view allowed);

} // namespace tamb
