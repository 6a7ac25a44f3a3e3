#pragma once

#include "common/AppState.h"
#include "dialogs/SetupOutcome.h"

namespace tamb {

// Camera Setup for the generic camera models: shows the generic camera dialog for `state` modally until Exit,
// then goes back to the main window.
[[nodiscard]] SetupOutcome RunGenericCameraMenu(const AppState& state);

} // namespace tamb
