#pragma once

#include "common/AppState.h"
#include "i18n/LanguageTexts.h"
#include "i18n/TextTableCatalogue.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace tamb {

// A text table of W texts per language (UTF-8), named as in kTextTables; the texts themselves are in each
// language's file. Width-1 tables are captions; wider tables are option lists whose entry index is the value
// stored. A language without a row for the table, or outside the language list, reads the English row.
template <std::size_t W> struct LocalisedTable
{
    static_assert(W > 0, "a table holds at least one text per language");
    static constexpr std::size_t kWidth = W;
    std::string_view name;
    // Position in kTextTables.
    std::size_t table = 0;

    // Entry `index` of `language`; an index outside the width gives an empty text.
    [[nodiscard]] std::string_view text(LanguageId language, std::size_t index) const
    {
        return index < W ? row(language)[index] : std::string_view {};
    }

    // All W entries of `language`, in list order (to fill an option list).
    [[nodiscard]] std::span<const std::string_view, W> row(LanguageId language) const
    {
        return std::span<const std::string_view, W> { LocalisedRow(table, language).data(), W };
    }
};

// The table called `name` in kTextTables; a name the catalogue lacks or another width does not compile.
template <std::size_t W> consteval LocalisedTable<W> DeclareLocalisedTable(std::string_view name)
{
    const std::size_t table = TextTableIndex(name);
    if (kTextTables[table].width != W) {
        throw "the table's width differs from its width in kTextTables";
    }
    return LocalisedTable<W> { name, table };
}

// A caption indexed directly by LanguageId, element 0 included: element 0, like any language outside the list,
// reads English.
struct LanguageIndexedText
{
    LocalisedTable<1> table;

    [[nodiscard]] std::string_view text(LanguageId language) const { return table.text(language, 0); }
};

} // namespace tamb
