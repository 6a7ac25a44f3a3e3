#pragma once

#include "common/AppState.h"
#include "dialogs/SetupOutcome.h"

namespace tamb {

// SMTP Setup: shows the Q200 or the Q400 SMTP dialog for `state` modally until Exit (or its close box), then goes
// back to the main window. Enter does not leave these dialogs.
[[nodiscard]] SetupOutcome RunQ200Smtp(const AppState& state);
[[nodiscard]] SetupOutcome RunQ400Smtp(const AppState& state);

} // namespace tamb
