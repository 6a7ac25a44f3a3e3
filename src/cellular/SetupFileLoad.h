#pragma once

#include "cellular/MmsSettingsModel.h"
#include "common/Status.h"

#include <cstdint>
#include <span>

namespace tamb {

// Whether `bytes` is a setup.dat that `model`'s dialog could have written: a sound file (length, line ends,
// checksum) whose settings, made in a fresh copy of the dialog, pass Generate and give the same records again.
// The language and TV-out mode are not compared: Generate takes them from the main window. The failure says
// what does not fit.
[[nodiscard]] Status CheckSetupFile(const MmsSettingsModel& model, std::span<const std::uint8_t> bytes);

// Sets `model` from a setup.dat that CheckSetupFile accepts, through the dialog's own events: the mode, status,
// country and operator in Auto mode, the other lists, every text decoded from the code page and the picture
// limit. Anything else leaves `model` untouched and gives the reason.
[[nodiscard]] Status LoadSetupFile(MmsSettingsModel& model, std::span<const std::uint8_t> bytes);

} // namespace tamb
