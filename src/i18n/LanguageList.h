#pragma once

#include "common/AppState.h"
#include "i18n/Languages.h"

#include <array>
#include <string_view>

namespace tamb {

// The main window's language list: entry k (from 0) stands for LanguageId k + 1 and reads the language's name
// from the language table, the same in every language; entry 0 reads "中文" or "Chinese" depending on the state
// (LanguageListFirstText).
inline constexpr std::string_view kChineseNameInChinese = "中文";

// Text of entry 0, computed each time the list is filled: "中文" only while a Chinese system shows Chinese.
[[nodiscard]] std::string_view LanguageListFirstText(const AppState& state);

// All entries as the list shows them for `state`.
[[nodiscard]] std::array<std::string_view, kLanguageRows> LanguageListTexts(const AppState& state);

// The entry to select when the list is filled: Chinese (also when requested on a system that is not Chinese and
// English shows on screen) is entry 0, every other language its own entry.
[[nodiscard]] int LanguageListEntryToSelect(const AppState& state);

// The state after the user picks entry `entry`. Entry 0 requests Chinese: Chinese on a Chinese system, English
// text on screen elsewhere, and the files carry Chinese either way. Any other entry selects its language. An entry
// outside the list leaves the state unchanged. The language preference to store is the result's fileLanguage().
[[nodiscard]] AppState PickLanguageEntry(AppState state, int entry);

} // namespace tamb
