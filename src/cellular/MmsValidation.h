#pragma once

#include "cellular/MmsSettings.h"
#include "cellular/OemCodePage.h"
#include "common/AppState.h"
#include "common/Status.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace tamb {

// What the MMS dialog of a model offers and accepts.
struct MmsModelRules
{
    // The status code the camera receives for each position of the MMS Status list.
    std::span<const std::uint8_t> statusCodes;
    // The most characters of phone1 with the China and with the International phone scope.
    std::size_t phone1Limit;
    std::size_t phone1InternationalLimit;
    // The most characters of phone2 and phone3 (each a phone number or an e-mail address).
    std::size_t phoneOrEmailLimit;
};

[[nodiscard]] MmsModelRules MmsRulesFor(ModelId model);

// In Auto mode, replaces the six operator parameters of `settings` by those of its country and operator in
// the database; in Manual mode leaves them. Fails, changing nothing, when the country or operator is not offered.
[[nodiscard]] Status ApplyMmsOperatorParams(MmsSettings& settings);

// Checks what WriteSetupFile needs for a model: the model has MMS settings, the status position and code
// belong to its list, every number is within its range, Auto mode names an offered country and operator
// (and the APN link type), Manual mode carries country 128 and operator 0, and every text fits its field
// (CheckTextField). A failure names the field.
[[nodiscard]] Status ValidateMmsSettings(const MmsSettings& settings, ModelId model, const OemCodePage& codePage);

} // namespace tamb
