#include "i18n/LocalisedText.h"

#include "i18n/CameraOptionTexts.h"
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

struct ExactTextCase
{
    std::string name;
    std::string_view actual;
    std::string_view expected;
};

void PrintTo(const ExactTextCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class ExactText : public testing::TestWithParam<ExactTextCase>
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
    testing::Values(ExactTextCase { "JapaneseExit", LocalisedText(ExitText, 0, kJapanese), "終了" },
        ExactTextCase { "JapaneseStop", LocalisedText(StopText, 0, kJapanese), "終了" },
        ExactTextCase { "JapaneseDateFormat0", LocalisedText(DateFormatOptions, 0, kJapanese), "YYMMDD" },
        ExactTextCase { "JapaneseDateFormat1", LocalisedText(DateFormatOptions, 1, kJapanese), "MMDDYY" },
        ExactTextCase { "JapaneseDateFormat2", LocalisedText(DateFormatOptions, 2, kJapanese), "DDMMYY" },
        ExactTextCase { "ChineseOffOn0", LocalisedText(OffOnOptions, 0, kChinese), "关闭" },
        ExactTextCase { "ChineseOffOn1", LocalisedText(OffOnOptions, 1, kChinese), "开" },
        ExactTextCase { "ChineseOnOff0", LocalisedText(OnOffOptions, 0, kChinese), "开" },
        ExactTextCase { "ChineseOnOff1", LocalisedText(OnOffOptions, 1, kChinese), "关闭" },
        ExactTextCase { "LastLanguageLastEntry", LocalisedText(SensitivityOptions, 3, 15), "Выкл" },
        ExactTextCase { "GermanVersionTrailingBlank", LocalisedText(VersionText, 0, kGerman), "Programmversion " },
        ExactTextCase { "RussianSensorTrailingBlank", LocalisedText(SensorLevelText, 0, 15), "Чувст. PIR " },
        ExactTextCase { "FullWidthColon", LocalisedText(UnlimitedNoteText, 0, kEnglish), "Note\uFF1A0=Unlimited" },
        ExactTextCase { "RussianEmailTwoBlanks", LocalisedText(Email01Text, 0, 15), "E-mail  01" },
        ExactTextCase { "FinnishNoBreakSpace", LocalisedText(SmsRemoteControlText, 0, 4), "SMS\u00A0kauko-ohjain" },
        ExactTextCase {
            "ItalianNoBreakSpaces", LocalisedText(SmsRemoteControlText, 0, 5), "Controllo\u00A0remoto\u00A0SMS" },
        ExactTextCase { "FrenchNoBreakSpaces", LocalisedText(SmsRemoteControlText, 0, 6),
            "Contr\u00F4le\u00A0\u00E0\u00A0distance\u00A0SMS" },
        ExactTextCase { "HungarianPlainSpace", LocalisedText(SmsRemoteControlText, 0, 7), "SMS távirányító" },
        ExactTextCase { "FrenchSmtpStatus", LocalisedText(SmtpStatusText, 0, 6), "Statut\u00A0de\u00A0SMTP" },
        ExactTextCase { "PolishSmtpStatus", LocalisedText(SmtpStatusText, 0, 12), "Stanu\u00A0SMTP" },
        ExactTextCase { "CoordinateSecondFirst", LocalisedText(CoordinateUnitText, 0, kChinese), "秒" },
        ExactTextCase { "CoordinateMinuteSecond", LocalisedText(CoordinateUnitText, 1, kChinese), "分" },
        ExactTextCase { "SlovenianEast", LocalisedText(EastText, 0, 8), "V" },
        ExactTextCase { "ChineseChina", CountryName(kChinese, 0), "中国" },
        ExactTextCase { "ChineseBosnia", CountryName(kChinese, 43), "波斯尼亚和黑塞哥维那" },
        ExactTextCase { "EnglishAustria", CountryName(kEnglish, 22), "Oesterreich" },
        ExactTextCase { "SlovenianSlovenia", CountryName(8, 6), "Slovenija" },
        ExactTextCase { "UkrainianIsrael", CountryName(14, 42), "Ізраїль" },
        ExactTextCase { "UkrainianSlovenia", CountryName(14, 6), "Slovenia" },
        ExactTextCase { "EmptyLastSlot", CountryName(kGerman, 44), "" },
        ExactTextCase { "SdCycleElementZero", LocalisedText(SdCycleText, 0), "SD Cycle" },
        ExactTextCase { "SdCycleChinese", LocalisedText(SdCycleText, kChinese), "循环存储" },
        ExactTextCase { "SidePirJapanese", LocalisedText(SidePirText, kJapanese), "サイドセンサー" },
        ExactTextCase { "ChinaMobileInChinese", ChinaOperatorNamesZh[0], "中国移动" }),
    [](const testing::TestParamInfo<ExactTextCase>& row) { return row.param.name; });

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
    testing::Values(SharedTextCase { "OffOnStartsWithOff", ViewOf(OffOnOptions), 0, ViewOf(OnOffOptions), 1 },
        SharedTextCase { "OffOnEndsWithOn", ViewOf(OffOnOptions), 1, ViewOf(OnOffOptions), 0 },
        SharedTextCase { "SensitivityOff", ViewOf(SensitivityOptions), 3, ViewOf(OnOffOptions), 1 },
        SharedTextCase { "RemoteHourOff", ViewOf(HourOffText), 0, ViewOf(OnOffOptions), 1 },
        SharedTextCase { "MmsStatusOff", ViewOf(MmsStatusOptions), 0, ViewOf(OnOffOptions), 1 },
        SharedTextCase { "MmsStatusShortOff", ViewOf(MmsStatusShortOptions), 0, ViewOf(OnOffOptions), 1 },
        SharedTextCase { "SmtpStatusOff", ViewOf(SmtpStatusOptions), 0, ViewOf(OnOffOptions), 1 },
        SharedTextCase { "MmsStatusShortSms", ViewOf(MmsStatusShortOptions), 2, ViewOf(MmsStatusOptions), 3 },
        SharedTextCase { "SmtpStatusSms", ViewOf(SmtpStatusOptions), 2, ViewOf(MmsStatusOptions), 3 },
        SharedTextCase { "SmtpModeAuto", ViewOf(SmtpModeOptions), 0, ViewOf(MmsModeOptions), 0 },
        SharedTextCase { "SmtpModeManual", ViewOf(SmtpModeOptions), 1, ViewOf(MmsModeOptions), 1 },
        SharedTextCase { "RemoteHourCaption", ViewOf(RemoteHourText), 0, ViewOf(HourText), 0 },
        SharedTextCase { "IntervalSecond", ViewOf(IntervalUnitOptions), 0, ViewOf(SecondText), 0 },
        SharedTextCase { "IntervalMinute", ViewOf(IntervalUnitOptions), 1, ViewOf(MinuteText), 0 }),
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
