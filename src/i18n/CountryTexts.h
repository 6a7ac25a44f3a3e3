#pragma once

#include "i18n/LocalisedTable.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace tamb {

// Country names shared by the MMS and SMTP dialogs.

// Country list of the cellular dialogs: 44 names per language, then one empty slot. The index is the
// country index stored in the files.
inline constexpr auto CountryNames = DeclareLocalisedTable<45>("CountryNames");

// The single entry that replaces the country and operator lists in Manual mode.
inline constexpr auto OtherText = DeclareLocalisedTable<1>("OtherText");

// The names of China's two operators as the Chinese user interface lists them when the operator list is first filled.
inline constexpr std::array<std::string_view, 2> ChinaOperatorNamesZh { "中国移动", "中国联通" };

// The name of country `countryIndex` (0..43) in `language`; slot 44 is empty.
[[nodiscard]] inline std::string_view CountryName(LanguageId language, std::size_t countryIndex)
{
    return CountryNames.text(language, countryIndex);
}

} // namespace tamb
