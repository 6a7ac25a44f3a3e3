#pragma once

#include "common/AppState.h"
#include "i18n/LanguageTexts.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace tamb {

inline constexpr std::size_t kLanguageRows = static_cast<std::size_t>(kLanguageCount);

// One interface language: its number, its entry in the main window's language list (the same in every language),
// the name of Qt's own translation of it (qtbase_<qtName>.qm) and every text of the interface in it.
struct Language
{
    LanguageId id = 0;
    std::string_view name;
    std::string_view qtName;
    const LanguageTexts* texts = nullptr;
};

// Every interface language, in LanguageId order.
[[nodiscard]] std::span<const Language> AllLanguages();

// The language `language`; a number outside the language list gives English.
[[nodiscard]] const Language& LanguageOf(LanguageId language);

// The names of the tables that `language` has no row for and shows in English.
[[nodiscard]] std::vector<std::string_view> UntranslatedTables(LanguageId language);

} // namespace tamb
