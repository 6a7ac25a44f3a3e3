#pragma once

#include "cellular/OemCodePage.h"
#include "common/AppState.h"
#include "common/Status.h"
#include "smtp/SmtpSettings.h"

#include <optional>

namespace tamb {

// The header layout of a model's SMTP dialog, or nothing when the model has no SMTP settings.
[[nodiscard]] std::optional<SmtpFamily> SmtpFamilyFor(ModelId model);

// In Auto mode, replaces apn, account and password of `settings` by those of its SMTP position and operator
// in the database; in Manual mode leaves them. Fails, changing nothing, when the position or operator is not offered.
[[nodiscard]] Status ApplyGprsOperatorParams(SmtpSettings& settings);

// Checks what WriteSmtpFile needs for a model: the model has SMTP settings, every number is within its range
// (the SMTP status only for the Q400 family), Auto mode names an offered SMTP position and operator, Manual
// mode carries country 128 and operator 0, and every text fits its field (CheckTextField). A failure names
// the field.
[[nodiscard]] Status ValidateSmtpSettings(const SmtpSettings& settings, ModelId model, const OemCodePage& codePage);

} // namespace tamb
