#pragma once

#include "common/AppState.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <span>
#include <string_view>

namespace tamb {

inline constexpr std::size_t kLanguageRows = static_cast<std::size_t>(kLanguageCount);

// Row of `language` in a table of 15 language rows; a language outside 1..15 reads the English row, so a stray
// value shows English rather than reading outside the table.
[[nodiscard]] constexpr std::size_t LanguageRow(LanguageId language)
{
    const LanguageId valid = (language >= kFirstLanguage && language <= kLastLanguage) ? language : kEnglish;
    return static_cast<std::size_t>(valid - kFirstLanguage);
}

// A constant table of 15 languages x W texts (UTF-8); entry i of language L is element (L - 1) * W + i.
// Width-1 tables are captions; wider tables are option lists whose entry index is the value stored.
template <std::size_t W> struct LocalisedTable
{
    static_assert(W > 0, "a table holds at least one text per language");
    static constexpr std::size_t kWidth = W;
    std::string_view name;
    std::array<std::string_view, kLanguageRows * W> texts;

    // Entry `index` of `language`; an index outside the width gives an empty text.
    [[nodiscard]] constexpr std::string_view text(LanguageId language, std::size_t index) const
    {
        return index < W ? texts[LanguageRow(language) * W + index] : std::string_view {};
    }

    // All W entries of `language`, in list order (to fill an option list).
    [[nodiscard]] constexpr std::span<const std::string_view, W> row(LanguageId language) const
    {
        return std::span<const std::string_view, W> { texts.data() + LanguageRow(language) * W, W };
    }
};

// Builds a table from its texts, language 1 first; a list of any other length than 15 x W does not compile.
template <std::size_t W, std::size_t N>
consteval LocalisedTable<W> MakeLocalisedTable(std::string_view name, const std::string_view (&texts)[N])
{
    static_assert(N == kLanguageRows * W, "a localised table needs exactly W texts for each of the 15 languages");
    LocalisedTable<W> table { name, {} };
    std::copy(std::begin(texts), std::end(texts), table.texts.begin());
    return table;
}

// A caption indexed directly by LanguageId: element 0 exists and holds the English text.
struct LanguageIndexedText
{
    std::string_view name;
    std::array<std::string_view, kLanguageRows + 1> texts;

    // The text of `language`; a language outside 1..15 reads element 0.
    [[nodiscard]] constexpr std::string_view text(LanguageId language) const
    {
        const bool valid = language >= kFirstLanguage && language <= kLastLanguage;
        return texts[valid ? static_cast<std::size_t>(language) : 0];
    }
};

// Builds a language-indexed caption from its 16 texts, element 0 first; any other count does not compile.
template <std::size_t N>
consteval LanguageIndexedText MakeLanguageIndexedText(std::string_view name, const std::string_view (&texts)[N])
{
    static_assert(N == kLanguageRows + 1, "a language-indexed caption needs element 0 and one text per language");
    LanguageIndexedText caption { name, {} };
    std::copy(std::begin(texts), std::end(texts), caption.texts.begin());
    return caption;
}

} // namespace tamb
