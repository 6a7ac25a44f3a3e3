#pragma once

#include "common/Status.h"
#include "smtp/SmtpSettingsModel.h"

#include <cstdint>
#include <span>

namespace tamb {

// Whether `bytes` is an smtp.dat that `model`'s dialog could have written: a sound file (length, line ends,
// checksum) whose settings, made in a fresh copy of the dialog, pass Generate's checks and give the same records
// again. The language is not compared: Generate takes it from the main window. The failure says what does not
// fit.
[[nodiscard]] Status CheckSmtpFile(const SmtpSettingsModel& model, std::span<const std::uint8_t> bytes);

// Sets `model` from an smtp.dat that CheckSmtpFile accepts, through the dialog's own events: the mode, country
// and operator in Auto mode, the other lists, every text decoded from the code page and the picture limit.
// Anything else leaves `model` untouched and gives the reason.
[[nodiscard]] Status LoadSmtpFile(SmtpSettingsModel& model, std::span<const std::uint8_t> bytes);

} // namespace tamb
