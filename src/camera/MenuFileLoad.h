#pragma once

#include "camera/CameraSettingsModel.h"
#include "common/Status.h"

#include <cstdint>
#include <span>

namespace tamb {

// Whether `bytes` is a menu.dat that `model`'s dialog could have written: a sound record (length, CRC, line end)
// whose every value lies inside this family's lists and ranges for this model, a clock that is a time, and every
// byte the family leaves unused holding what the family writes there. The clock, the language and the TV-out mode
// are not compared: Generate takes them afresh from the clock and the main window. The failure names the first
// thing that does not fit.
[[nodiscard]] Status CheckMenuFile(const CameraSettingsModel& model, std::span<const std::uint8_t> bytes);

// Sets every list, number and the password of `model` from a menu.dat that CheckMenuFile accepts, through the
// dialog's own events; anything else leaves `model` untouched and gives the reason.
[[nodiscard]] Status LoadMenuFile(CameraSettingsModel& model, std::span<const std::uint8_t> bytes);

} // namespace tamb
