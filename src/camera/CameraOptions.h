#pragma once

#include "camera/CameraFamilyData.h"

#include <array>
#include <string_view>
#include <vector>

namespace tamb {

// The 36 serial-number characters, "0".."9" then "A".."Z"; a character's index is what the record stores.
inline constexpr std::string_view kSerialCharacters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// The option texts of a list from `source` on the model `variant`, in list order, for `language`.
[[nodiscard]] std::vector<std::string_view> OptionTexts(
    OptionSource source, const CameraModelVariant& variant, LanguageId language);

// How many options a list from `source` offers on the model `variant`.
[[nodiscard]] int OptionCount(OptionSource source, const CameraModelVariant& variant);

} // namespace tamb
