#include "i18n/LocalisedText.h"

#include "i18n/CameraOptions.h"
#include "i18n/CameraTexts.h"
#include "i18n/CoordinateTexts.h"
#include "i18n/CountryTexts.h"
#include "i18n/MainWindowTexts.h"
#include "i18n/MmsTexts.h"
#include "i18n/RemoteHourList.h"
#include "i18n/SmtpTexts.h"
#include "i18n/TableRegistry.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace tamb {
namespace {

struct TextCase
{
    std::string name;
    std::string_view actual;
    std::string_view expected;
};

void PrintTo(const TextCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class ExactText : public testing::TestWithParam<TextCase>
{
};

TEST_P(ExactText, MatchesCharacterForCharacter)
{
    EXPECT_EQ(GetParam().actual, GetParam().expected);
}

constexpr LanguageId kGerman = 3;
constexpr LanguageId kJapanese = 10;

// Cells whose language row or index is easy to get wrong, and texts whose blanks and punctuation are invisible.
INSTANTIATE_TEST_SUITE_P(Tables, ExactText,
    testing::Values(TextCase { "JapaneseExit", LocalisedText(ExitText, 0, kJapanese), "終了" },
        TextCase { "JapaneseStop", LocalisedText(StopText, 0, kJapanese), "終了" },
        TextCase { "JapaneseDateFormat0", LocalisedText(DateFormatOptions, 0, kJapanese), "YYMMDD" },
        TextCase { "JapaneseDateFormat1", LocalisedText(DateFormatOptions, 1, kJapanese), "MMDDYY" },
        TextCase { "JapaneseDateFormat2", LocalisedText(DateFormatOptions, 2, kJapanese), "DDMMYY" },
        TextCase { "ChineseOffOn0", LocalisedText(OffOnOptions, 0, kChinese), "关闭" },
        TextCase { "ChineseOffOn1", LocalisedText(OffOnOptions, 1, kChinese), "开" },
        TextCase { "ChineseOnOff0", LocalisedText(OnOffOptions, 0, kChinese), "开" },
        TextCase { "ChineseOnOff1", LocalisedText(OnOffOptions, 1, kChinese), "关闭" },
        TextCase { "LastLanguageLastEntry", LocalisedText(SensitivityOptions, 3, 15), "Выкл" },
        TextCase { "GermanVersionTrailingBlank", LocalisedText(VersionText, 0, kGerman), "Programmversion " },
        TextCase { "RussianSensorTrailingBlank", LocalisedText(SensorLevelText, 0, 15), "Чувст. PIR " },
        TextCase { "FullWidthColon", LocalisedText(UnlimitedNoteText, 0, kEnglish), "Note\uFF1A0=Unlimited" },
        TextCase { "RussianEmailTwoBlanks", LocalisedText(Email01Text, 0, 15), "E-mail  01" },
        TextCase { "FinnishNoBreakSpace", LocalisedText(SmsRemoteControlText, 0, 4), "SMS\u00A0kauko-ohjain" },
        TextCase {
            "ItalianNoBreakSpaces", LocalisedText(SmsRemoteControlText, 0, 5), "Controllo\u00A0remoto\u00A0SMS" },
        TextCase { "FrenchNoBreakSpaces", LocalisedText(SmsRemoteControlText, 0, 6),
            "Contr\u00F4le\u00A0\u00E0\u00A0distance\u00A0SMS" },
        TextCase { "HungarianPlainSpace", LocalisedText(SmsRemoteControlText, 0, 7), "SMS távirányító" },
        TextCase { "FrenchSmtpStatus", LocalisedText(SmtpStatusText, 0, 6), "Statut\u00A0de\u00A0SMTP" },
        TextCase { "PolishSmtpStatus", LocalisedText(SmtpStatusText, 0, 12), "Stanu\u00A0SMTP" },
        TextCase { "CoordinateSecondFirst", LocalisedText(CoordinateUnitText, 0, kChinese), "秒" },
        TextCase { "CoordinateMinuteSecond", LocalisedText(CoordinateUnitText, 1, kChinese), "分" },
        TextCase { "SlovenianEast", LocalisedText(EastText, 0, 8), "V" },
        TextCase { "ChineseChina", CountryName(kChinese, 0), "中国" },
        TextCase { "ChineseBosnia", CountryName(kChinese, 43), "波斯尼亚和黑塞哥维那" },
        TextCase { "EnglishAustria", CountryName(kEnglish, 22), "Oesterreich" },
        TextCase { "SlovenianSlovenia", CountryName(8, 6), "Slovenija" },
        TextCase { "UkrainianIsrael", CountryName(14, 42), "Ізраїль" },
        TextCase { "UkrainianSlovenia", CountryName(14, 6), "Slovenia" },
        TextCase { "EmptyLastSlot", CountryName(kGerman, 44), "" },
        TextCase { "SdCycleElementZero", LocalisedText(SdCycleText, 0), "SD Cycle" },
        TextCase { "SdCycleChinese", LocalisedText(SdCycleText, kChinese), "循环存储" },
        TextCase { "SidePirJapanese", LocalisedText(SidePirText, kJapanese), "サイドセンサー" },
        TextCase { "ChinaMobileInChinese", ChinaOperatorNamesZh[0], "中国移动" }),
    [](const testing::TestParamInfo<TextCase>& row) { return row.param.name; });

// Texts that stand in several tables must read the same in every language: a list that says "Off" differently
// from the on/off list beside it, or an OffOn list that is not the exact reverse of OnOff, is a typo in one copy.
struct SharedTextCase
{
    std::string name;
    TableView first;
    std::size_t firstIndex;
    TableView second;
    std::size_t secondIndex;
};

void PrintTo(const SharedTextCase& row, std::ostream* stream)
{
    *stream << row.name;
}

template <std::size_t W> TableView View(const LocalisedTable<W>& table)
{
    return TableView { table.name, W, kFirstLanguage, table.texts };
}

class SharedText : public testing::TestWithParam<SharedTextCase>
{
};

TEST_P(SharedText, SameInEveryLanguage)
{
    const SharedTextCase& c = GetParam();
    for (LanguageId language = kFirstLanguage; language <= kLastLanguage; ++language) {
        EXPECT_EQ(c.first.text(language, c.firstIndex), c.second.text(language, c.secondIndex))
            << "language " << language;
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, SharedText,
    testing::Values(SharedTextCase { "OffOnStartsWithOff", View(OffOnOptions), 0, View(OnOffOptions), 1 },
        SharedTextCase { "OffOnEndsWithOn", View(OffOnOptions), 1, View(OnOffOptions), 0 },
        SharedTextCase { "SensitivityOff", View(SensitivityOptions), 3, View(OnOffOptions), 1 },
        SharedTextCase { "RemoteHourOff", View(HourOffText), 0, View(OnOffOptions), 1 },
        SharedTextCase { "MmsStatusOff", View(MmsStatusOptions), 0, View(OnOffOptions), 1 },
        SharedTextCase { "MmsStatusShortOff", View(MmsStatusShortOptions), 0, View(OnOffOptions), 1 },
        SharedTextCase { "SmtpStatusOff", View(SmtpStatusOptions), 0, View(OnOffOptions), 1 },
        SharedTextCase { "MmsStatusShortSms", View(MmsStatusShortOptions), 2, View(MmsStatusOptions), 3 },
        SharedTextCase { "SmtpStatusSms", View(SmtpStatusOptions), 2, View(MmsStatusOptions), 3 },
        SharedTextCase { "SmtpModeAuto", View(SmtpModeOptions), 0, View(MmsModeOptions), 0 },
        SharedTextCase { "SmtpModeManual", View(SmtpModeOptions), 1, View(MmsModeOptions), 1 },
        SharedTextCase { "RemoteHourCaption", View(RemoteHourText), 0, View(HourText), 0 },
        SharedTextCase { "IntervalSecond", View(IntervalUnitOptions), 0, View(SecondText), 0 },
        SharedTextCase { "IntervalMinute", View(IntervalUnitOptions), 1, View(MinuteText), 0 }),
    [](const testing::TestParamInfo<SharedTextCase>& row) { return row.param.name; });

// A language or index that no table holds must never read outside the table.
TEST(LocalisedTextTest, StrayLanguageReadsEnglishAndStrayIndexReadsNothing)
{
    EXPECT_EQ(LocalisedText(CameraSetupText, 0, 0), "Camera Setup");
    EXPECT_EQ(LocalisedText(CameraSetupText, 0, 16), "Camera Setup");
    EXPECT_EQ(LocalisedText(OnOffOptions, 2, kEnglish), "");
    EXPECT_EQ(LocalisedText(SidePirText, -1), "Side PIR");
    EXPECT_EQ(LocalisedText(SidePirText, 16), "Side PIR");
}

TEST(LocalisedTextTest, StateLookupFollowsTheLanguageOnScreen)
{
    AppState state;
    state.language = kGerman;
    EXPECT_EQ(LocalisedText(CameraSetupText, 0, state), "Kamera Installation");
    EXPECT_EQ(UiText("中文", "English", state), "English");
    state.language = kChinese;
    EXPECT_EQ(LocalisedText(CameraSetupText, 0, state), "相机设置");
    EXPECT_EQ(UiText("中文", "English", state), "中文");
}

TEST(LocalisedTextTest, RowListsTheEntriesOfOneLanguage)
{
    const auto row = ImageSizeText.row(kJapanese);
    ASSERT_EQ(row.size(), 1U);
    EXPECT_EQ(row[0], "静止画解像度");
    const auto statuses = MmsStatusOptions.row(kChinese);
    EXPECT_EQ(statuses[3], "短信");
}

TEST(RemoteHourListTest, HoursThenOffInTheLanguageOnScreen)
{
    const auto german = RemoteHourListTexts(kGerman);
    EXPECT_EQ(german[0], "0");
    EXPECT_EQ(german[24], "24");
    EXPECT_EQ(german[kRemoteHourOff], "Aus");
    EXPECT_EQ(RemoteHourListTexts(kChinese)[kRemoteHourOff], "关闭");
}

} // namespace
} // namespace tamb
