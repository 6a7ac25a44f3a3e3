#include "startup/SystemLanguage.h"

#include <gtest/gtest.h>

namespace tamb {
namespace {

struct LocaleCase
{
    const char* name;
    const char* locale;
    std::uint16_t expected;
};

void PrintTo(const LocaleCase& row, std::ostream* stream)
{
    *stream << row.name << " " << row.locale;
}

class SystemLanguageTest : public testing::TestWithParam<LocaleCase>
{
};

TEST_P(SystemLanguageTest, GivesTheWindowsLanguageIdentifier)
{
    EXPECT_EQ(WindowsLanguageIdFromLocale(GetParam().locale), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Locales, SystemLanguageTest,
    testing::Values(LocaleCase { "ChinaIsTheChineseSystem", "zh_CN", 2052 },
        LocaleCase { "CodesetIgnored", "zh_CN.UTF-8", 2052 },
        LocaleCase { "TaiwanIsAnotherChinese", "zh_TW.UTF-8", 1028 },
        LocaleCase { "ChineseWithoutTerritory", "zh", 2052 }, LocaleCase { "Liechtenstein", "de_LI", 5127 },
        LocaleCase { "HyphenSeparator", "de-LI", 5127 }, LocaleCase { "Germany", "de_DE.UTF-8", 1031 },
        LocaleCase { "Austria", "de_AT", 3079 }, LocaleCase { "GermanOfUnlistedTerritory", "de_BE", 1031 },
        LocaleCase { "UnitedStates", "en_US", 1033 }, LocaleCase { "JapanWithModifier", "ja_JP.UTF-8@cjknarrow", 1041 },
        LocaleCase { "CLocale", "C", 1033 }, LocaleCase { "Posix", "POSIX", 1033 }, LocaleCase { "Empty", "", 1033 },
        LocaleCase { "UnofferedLanguage", "pt_BR", 1033 }),
    [](const testing::TestParamInfo<LocaleCase>& rowInfo) { return std::string(rowInfo.param.name); });

} // namespace
} // namespace tamb
