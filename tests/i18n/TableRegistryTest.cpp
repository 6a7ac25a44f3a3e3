#include "i18n/TableRegistry.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace tamb {
namespace {

TEST(TableRegistryTest, NoEntryIsEmptyButTheLastCountrySlot)
{
    for (const TableView& table : AllTables()) {
        for (LanguageId language = table.firstLanguage; language <= table.lastLanguage(); ++language) {
            for (std::size_t index = 0; index < table.width; ++index) {
                const bool mayBeEmpty = table.name == "CountryNames" && index == 44;
                EXPECT_EQ(table.text(language, index).empty(), mayBeEmpty)
                    << table.name << " language " << language << " index " << index;
            }
        }
    }
}

TEST(TableRegistryTest, NamesAreUniqueAndEveryTableCoversItsLanguages)
{
    std::set<std::string_view> names;
    for (const TableView& table : AllTables()) {
        EXPECT_TRUE(names.insert(table.name).second) << table.name;
        EXPECT_EQ(table.oneLanguageTexts.size() % table.width, 0U) << table.name;
        EXPECT_EQ(FindTable(table.name), &table) << table.name;
        if (table.name == "SdCycleText" || table.name == "SidePirText") {
            EXPECT_EQ(table.firstLanguage, 0) << table.name;
        } else if (table.name != "ChinaOperatorNamesZh") {
            EXPECT_EQ(table.firstLanguage, kFirstLanguage) << table.name;
        }
        EXPECT_EQ(table.lastLanguage(), table.name == "ChinaOperatorNamesZh" ? kChinese : kLastLanguage) << table.name;
    }
    EXPECT_EQ(FindTable("NoSuchText"), nullptr);
}

TEST(TableRegistryTest, ViewReadsOutsideItsTableAsEmpty)
{
    const TableView* table = FindTable("OnOffOptions");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->text(kEnglish, 1), "Off");
    EXPECT_EQ(table->text(kEnglish, 2), "");
    EXPECT_EQ(table->text(0, 0), "");
    EXPECT_EQ(table->text(16, 0), "");
}

} // namespace
} // namespace tamb
