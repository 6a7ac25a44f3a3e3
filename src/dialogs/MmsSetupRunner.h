#pragma once

#include "common/AppState.h"
#include "dialogs/SetupOutcome.h"

namespace tamb {

// MMS Setup: shows the MMS dialog (or the Q400 MMS dialog) for `state` modally until Exit, then goes back to the
// main window.
[[nodiscard]] SetupOutcome RunMmsDialog(const AppState& state);
[[nodiscard]] SetupOutcome RunQ400MmsDialog(const AppState& state);

} // namespace tamb
