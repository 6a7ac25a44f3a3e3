#pragma once

#include "common/AppState.h"
#include "i18n/TextTableCatalogue.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string_view>

namespace tamb {

// One table's texts in one language, in entry order.
struct TextRow
{
    std::string_view table;
    std::initializer_list<std::string_view> texts;
};

// Every text of one language: the rows of the tables it translates, at the places kTextTableOffsets gives.
struct LanguageTexts
{
    std::array<std::string_view, kTextEntryCount> entries {};
    std::array<bool, kTextTableCount> translated {};
};

// Gathers a language's rows; an unknown table, a row with another number of texts than its table's width and a
// table given twice do not compile.
consteval LanguageTexts CollectLanguageTexts(std::initializer_list<TextRow> rows)
{
    LanguageTexts collected;
    for (const TextRow& row : rows) {
        const std::size_t table = TextTableIndex(row.table);
        if (row.texts.size() != kTextTables[table].width) {
            throw "a row needs exactly one text per entry of its table";
        }
        if (collected.translated[table]) {
            throw "a language gives a table one row only";
        }
        std::size_t entry = kTextTableOffsets[table];
        for (const std::string_view text : row.texts) {
            collected.entries[entry++] = text;
        }
        collected.translated[table] = true;
    }
    return collected;
}

[[nodiscard]] constexpr bool TranslatesEveryTable(const LanguageTexts& texts)
{
    for (const bool translated : texts.translated) {
        if (!translated) {
            return false;
        }
    }
    return true;
}

// Table `table`'s row in `own`, or in `english` when `own` has no row for it.
[[nodiscard]] constexpr std::span<const std::string_view> RowOrEnglish(
    const LanguageTexts& own, const LanguageTexts& english, std::size_t table)
{
    const LanguageTexts& texts = own.translated[table] ? own : english;
    return std::span<const std::string_view> { texts.entries.data() + kTextTableOffsets[table],
        kTextTables[table].width };
}

// Table `table`'s row in `language`: its own texts, or English where the language has none for the table. A
// language outside the language list reads English.
[[nodiscard]] std::span<const std::string_view> LocalisedRow(std::size_t table, LanguageId language);

} // namespace tamb
