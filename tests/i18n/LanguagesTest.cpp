#include "i18n/Languages.h"

#include "i18n/CameraTexts.h"
#include "i18n/LanguageList.h"
#include "i18n/LanguageTexts.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>

namespace tamb {
namespace {

class LanguageTableRow : public testing::TestWithParam<LanguageId>
{
};

// A row of the language table that lacks its name, Qt's name or its texts leaves a blank entry in the main window's
// list, Qt's texts in English or every caption in English.
TEST_P(LanguageTableRow, HasItsNumberNameQtNameAndTexts)
{
    const LanguageId id = GetParam();
    const Language& language = LanguageOf(id);
    EXPECT_EQ(language.id, id);
    EXPECT_FALSE(language.name.empty());
    // Qt's translations are named by a lower-case language code with an optional upper-case country: qtbase_zh_CN.qm.
    const std::string_view qtName = language.qtName;
    const std::string_view code = qtName.substr(0, qtName.find('_'));
    EXPECT_TRUE(code.size() == 2 || code.size() == 3) << qtName;
    EXPECT_TRUE(std::ranges::all_of(code, [](char c) { return c >= 'a' && c <= 'z'; })) << qtName;
    EXPECT_NE(language.texts, nullptr);
    if (id != kChinese) {
        EXPECT_EQ(LanguageListTexts(AppState {})[static_cast<std::size_t>(id - kFirstLanguage)], language.name);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTableRow, testing::Range(kFirstLanguage, kLastLanguage + 1),
    [](const testing::TestParamInfo<LanguageId>& row) { return "Language" + std::to_string(row.param); });

TEST(LanguagesTest, OneRowPerLanguageWithDistinctNames)
{
    std::set<std::string_view> names;
    std::set<std::string_view> qtNames;
    for (const Language& language : AllLanguages()) {
        names.insert(language.name);
        qtNames.insert(language.qtName);
    }
    EXPECT_EQ(AllLanguages().size(), static_cast<std::size_t>(kLanguageCount));
    EXPECT_EQ(names.size(), AllLanguages().size());
    EXPECT_EQ(qtNames.size(), AllLanguages().size());
    EXPECT_EQ(LanguageOf(0).id, kEnglish);
    EXPECT_EQ(LanguageOf(kLastLanguage + 1).id, kEnglish);
}

// A language without a row for a table shows the table's English texts; a row it has is its own.
TEST(LanguagesTest, ATableALanguageLacksReadsEnglish)
{
    static constexpr LanguageTexts kPartial = CollectLanguageTexts({ { "ModeText", { "Modus" } } });
    const LanguageTexts& english = *LanguageOf(kEnglish).texts;
    EXPECT_EQ(RowOrEnglish(kPartial, english, ModeText.table)[0], "Modus");
    EXPECT_EQ(RowOrEnglish(kPartial, english, ImageSizeText.table)[0], "Image Size");
    EXPECT_FALSE(TranslatesEveryTable(kPartial));
    EXPECT_TRUE(TranslatesEveryTable(english));
}

} // namespace
} // namespace tamb
