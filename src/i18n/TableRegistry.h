#pragma once

#include "common/AppState.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace tamb {

// A read-only view of one text table, whatever its kind: a localised table (languages 1..15), a caption indexed
// directly by LanguageId (0..15) or a list of one language only.
struct TableView
{
    std::string_view name;
    std::size_t width = 1;
    LanguageId firstLanguage = kFirstLanguage;
    std::span<const std::string_view> texts;

    [[nodiscard]] LanguageId lastLanguage() const
    {
        return firstLanguage + static_cast<LanguageId>(texts.size() / width) - 1;
    }
    [[nodiscard]] bool hasLanguage(LanguageId language) const
    {
        return language >= firstLanguage && language <= lastLanguage();
    }
    // Entry `index` of `language`; empty outside the table.
    [[nodiscard]] std::string_view text(LanguageId language, std::size_t index) const
    {
        if (!hasLanguage(language) || index >= width) {
            return {};
        }
        return texts[static_cast<std::size_t>(language - firstLanguage) * width + index];
    }
};

// Every text table of the application, grouped by subject (main window, camera, coordinates, countries, MMS,
// SMTP).
[[nodiscard]] std::span<const TableView> AllTables();

// The table called `name`, or nullptr.
[[nodiscard]] const TableView* FindTable(std::string_view name);

} // namespace tamb
