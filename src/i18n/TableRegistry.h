#pragma once

#include "common/AppState.h"
#include "i18n/LocalisedTable.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace tamb {

// A read-only view of one text table, whatever its kind: a localised table (languages 1..kLastLanguage), a caption
// indexed directly by LanguageId (0..kLastLanguage, 0 reading English) or a list of one language only.
struct TableView
{
    std::string_view name;
    std::size_t width = 1;
    LanguageId firstLanguage = kFirstLanguage;
    // The table's position in kTextTables; none for a list of one language only, whose texts are `oneLanguageTexts`.
    std::optional<std::size_t> table;
    std::span<const std::string_view> oneLanguageTexts;

    [[nodiscard]] LanguageId lastLanguage() const
    {
        return table ? kLastLanguage : firstLanguage + static_cast<LanguageId>(oneLanguageTexts.size() / width) - 1;
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
        if (table) {
            return LocalisedRow(*table, language)[index];
        }
        return oneLanguageTexts[static_cast<std::size_t>(language - firstLanguage) * width + index];
    }
};

template <std::size_t W> [[nodiscard]] constexpr TableView ViewOf(const LocalisedTable<W>& table)
{
    return TableView {
        .name = table.name, .width = W, .firstLanguage = kFirstLanguage, .table = table.table, .oneLanguageTexts = {}
    };
}

[[nodiscard]] constexpr TableView ViewOf(const LanguageIndexedText& caption)
{
    return TableView {
        .name = caption.table.name, .width = 1, .firstLanguage = 0, .table = caption.table.table, .oneLanguageTexts = {}
    };
}

// Every text table of the application, grouped by subject (main window, camera, coordinates, countries, MMS,
// SMTP).
[[nodiscard]] std::span<const TableView> AllTables();

// The table called `name`, or nullptr.
[[nodiscard]] const TableView* FindTable(std::string_view name);

} // namespace tamb
