#pragma once

#include "i18n/LocalisedTable.h"
#include "i18n/MmsTexts.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace tamb {

// The SMS remote-control hour list of the MMS and SMTP dialogs: "0".."24", then Off. The position is the value
// stored; position 25 means no remote control.
inline constexpr std::size_t kRemoteHourOff = 25;
inline constexpr std::size_t kRemoteHourEntries = kRemoteHourOff + 1;

// The list's entries in `language`: the hours are the same in every language, Off comes from HourOffText.
[[nodiscard]] inline std::array<std::string_view, kRemoteHourEntries> RemoteHourListTexts(LanguageId language)
{
    constexpr std::array<std::string_view, kRemoteHourOff> kHours { "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
        "10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24" };
    std::array<std::string_view, kRemoteHourEntries> texts {};
    std::copy(kHours.begin(), kHours.end(), texts.begin());
    texts[kRemoteHourOff] = HourOffText.text(language, 0);
    return texts;
}

} // namespace tamb
