#pragma once

#include "cli/Arguments.h"
#include "common/AppState.h"
#include "common/SettingText.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tamb {

// Helpers of the mms and smtp commands for their KEY=VALUE words.

// The application state the files take their language and TV-out mode from: --language, else the stored
// language preference (when it is a language of the list), else English; --tv-mode, else the stored TV mode, else 0.
[[nodiscard]] AppState AppStateFromArguments(const ParsedArguments& arguments);

} // namespace tamb
