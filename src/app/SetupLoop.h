#pragma once

#include "app/SetupDialogs.h"
#include "common/AppState.h"

#include <array>

namespace tamb {

class PreferenceStore;

// The program's windows from the first main window to the end: a main window; when the user presses a setup
// button, the setup dialog the model catalogue names for the current model (started from the profile chosen with the
// main window's "Start from profile…", if any); then a new main window with the same
// choices; and so on, until a main window is closed directly or a setup dialog ends the program. Each window has
// ended before the next one opens, so returning to the main window any number of times never nests windows.
// A dialog without a runner in `dialogs` is stood in for by a message saying it is not available yet.
void RunSetupLoop(AppState& state, PreferenceStore& preferences,
    const std::array<SetupDialogEntry, kSetupDialogCount>& dialogs = SetupDialogTable());

} // namespace tamb
