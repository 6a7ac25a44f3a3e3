#pragma once

#include "common/AppState.h"
#include "i18n/LocalisedTable.h"

#include <cstddef>
#include <string_view>

namespace tamb {

// Entry `index` of `table` in `language` (captions: index 0).
template <std::size_t W>
[[nodiscard]] std::string_view LocalisedText(const LocalisedTable<W>& table, std::size_t index, LanguageId language)
{
    return table.text(language, index);
}

// Entry `index` of `table` in the language on screen.
template <std::size_t W>
[[nodiscard]] std::string_view LocalisedText(const LocalisedTable<W>& table, std::size_t index, const AppState& state)
{
    return table.text(state.language, index);
}

[[nodiscard]] inline std::string_view LocalisedText(const LanguageIndexedText& caption, LanguageId language)
{
    return caption.text(language);
}

[[nodiscard]] inline std::string_view LocalisedText(const LanguageIndexedText& caption, const AppState& state)
{
    return caption.text(state.language);
}

// The text of a message: the Chinese one when `language` is Chinese, the English one for every other language.
[[nodiscard]] constexpr std::string_view UiText(std::string_view chinese, std::string_view english, LanguageId language)
{
    return language == kChinese ? chinese : english;
}

[[nodiscard]] constexpr std::string_view UiText(
    std::string_view chinese, std::string_view english, const AppState& state)
{
    return UiText(chinese, english, state.language);
}

} // namespace tamb
