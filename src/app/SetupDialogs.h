#pragma once

#include "app/AppState.h"
#include "app/ModelCatalogue.h"

#include <array>

namespace tamb {

// How a setup dialog was left: Exit (or its close box) returns to a new main window; a dialog may also end the
// program.
enum class SetupOutcome
{
    BackToMainWindow,
    EndProgram,
};

// Creates the dialog, runs it modally and destroys it. Setup dialogs read the state and never change it.
using SetupDialogRunner = SetupOutcome (*)(const AppState& state);

struct SetupDialogEntry
{
    SetupDialog dialog;
    SetupDialogRunner run; // nullptr: not built yet, a placeholder message stands in
};

// One row per setup dialog, in SetupDialog order. A new dialog is plugged in by naming its runner in its row
// (SetupDialogs.cpp).
[[nodiscard]] const std::array<SetupDialogEntry, kSetupDialogCount>& SetupDialogTable();

} // namespace tamb
