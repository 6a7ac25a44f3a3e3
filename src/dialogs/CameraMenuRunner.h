#pragma once

#include "common/AppState.h"
#include "dialogs/SetupOutcome.h"

namespace tamb {

// Camera Setup: each shows the camera dialog of its family for `state` modally until Exit, then goes back to the
// main window.
[[nodiscard]] SetupOutcome RunGenericCameraMenu(const AppState& state);
[[nodiscard]] SetupOutcome RunQ100CameraMenu(const AppState& state);
[[nodiscard]] SetupOutcome RunQ220CameraMenu(const AppState& state);
[[nodiscard]] SetupOutcome RunQ300CameraMenu(const AppState& state);
[[nodiscard]] SetupOutcome RunQ400CameraMenu(const AppState& state);
[[nodiscard]] SetupOutcome RunQ420CameraMenu(const AppState& state);

} // namespace tamb
