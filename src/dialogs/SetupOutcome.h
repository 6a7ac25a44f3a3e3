#pragma once

namespace tamb {

// How a setup dialog was left: Exit (or its close box) returns to a new main window; a dialog may also end the
// program.
enum class SetupOutcome
{
    BackToMainWindow,
    EndProgram,
};

} // namespace tamb
