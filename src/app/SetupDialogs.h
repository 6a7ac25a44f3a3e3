#pragma once

#include "common/AppState.h"
#include "common/ModelCatalogue.h"
#include "dialogs/SetupOutcome.h"

#include <array>

namespace tamb {

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
