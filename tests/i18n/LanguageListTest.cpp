#include "i18n/LanguageList.h"

#include "i18n/LocalisedText.h"
#include "i18n/MainWindowTexts.h"
#include "i18n/Messages.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace tamb {
namespace {

// The user starts in `before`, picks list entry `picked`, and the main window refills its list.
struct PickCase
{
    std::string name;
    AppState before;
    int picked;
    LanguageId language;
    bool chineseRequested;
    LanguageId storedLanguage;
    std::string_view firstEntry;
    int selectedEntry;
    std::string_view caption;
    std::string_view message;
};

void PrintTo(const PickCase& row, std::ostream* stream)
{
    *stream << row.name << " picks entry " << row.picked;
}

AppState State(bool systemChinese, LanguageId language, bool chineseRequested = false)
{
    AppState state;
    state.systemChinese = systemChinese;
    state.language = language;
    state.chineseRequested = chineseRequested;
    return state;
}

class LanguagePick : public testing::TestWithParam<PickCase>
{
};

TEST_P(LanguagePick, SettlesLanguageListCaptionsMessagesAndFiles)
{
    const PickCase& c = GetParam();
    const AppState after = PickLanguageEntry(c.before, c.picked);

    EXPECT_EQ(after.language, c.language);
    EXPECT_EQ(after.chineseRequested, c.chineseRequested);
    EXPECT_EQ(after.fileLanguage(), c.storedLanguage);
    EXPECT_EQ(after.systemChinese, c.before.systemChinese);
    EXPECT_EQ(LanguageListFirstText(after), c.firstEntry);
    EXPECT_EQ(LanguageListTexts(after)[0], c.firstEntry);
    EXPECT_EQ(LanguageListEntryToSelect(after), c.selectedEntry);
    EXPECT_EQ(LocalisedText(CameraSetupText, 0, after), c.caption);
    EXPECT_EQ(MessageText(MessageId::MenuFileGenerated, after), c.message);
}

constexpr std::string_view kEnglishMessage = "Camera menu configuration file is generated";
constexpr std::string_view kChineseMessage = "相机菜单设置文件已经生成";
constexpr std::string_view kGermanMessage = "Die Konfigurationsdatei des Kameramenüs wurde erstellt";

INSTANTIATE_TEST_SUITE_P(Picks, LanguagePick,
    testing::Values(PickCase { "ChineseOnOtherSystem", State(false, kEnglish), 0, kEnglish, true, kChinese, "Chinese",
                        0, "Camera Setup", kEnglishMessage },
        PickCase { "EnglishOnChineseSystem", State(true, kChinese, true), 1, kEnglish, false, kEnglish, "Chinese", 1,
            "Camera Setup", kEnglishMessage },
        PickCase { "ChineseOnChineseSystem", State(true, kEnglish), 0, kChinese, true, kChinese, "中文", 0, "相机设置",
            kChineseMessage },
        PickCase { "GermanReadsGermanMessages", State(false, kEnglish), 2, 3, false, 3, "Chinese", 2,
            "Kamera Installation", kGermanMessage },
        PickCase { "JapaneseAfterRequestedChinese", State(false, kEnglish, true), 9, 10, false, 10, "Chinese", 9,
            "本体設定", "カメラメニューの設定ファイルを作成しました" },
        PickCase { "RussianLastEntry", State(false, kEnglish), 14, 15, false, 15, "Chinese", 14, "Настройки",
            "Файл настроек меню камеры создан" },
        PickCase { "EntryPastTheListIgnored", State(false, 3), 15, 3, false, 3, "Chinese", 2, "Kamera Installation",
            kGermanMessage },
        PickCase { "NegativeEntryIgnored", State(true, kChinese), -1, kChinese, false, kChinese, "中文", 0, "相机设置",
            kChineseMessage }),
    [](const testing::TestParamInfo<PickCase>& row) { return row.param.name; });

TEST(LanguageListTest, EntryToSelectAtStart)
{
    EXPECT_EQ(LanguageListEntryToSelect(State(false, kEnglish)), 1);
    EXPECT_EQ(LanguageListEntryToSelect(State(false, kEnglish, true)), 0);
    EXPECT_EQ(LanguageListEntryToSelect(State(true, kChinese)), 0);
    EXPECT_EQ(LanguageListEntryToSelect(State(false, 7)), 6);
    // A language number no list entry stands for selects English rather than an entry outside the list.
    EXPECT_EQ(LanguageListEntryToSelect(State(false, 42)), 1);
}

TEST(LanguageListTest, ChineseSystemShowsChineseNameOnlyWhileChineseIsOnScreen)
{
    EXPECT_EQ(LanguageListFirstText(State(true, kChinese)), "中文");
    EXPECT_EQ(LanguageListFirstText(State(true, 5)), "Chinese");
    EXPECT_EQ(LanguageListFirstText(State(false, kChinese)), "Chinese");
    EXPECT_EQ(LanguageListTexts(State(true, 5))[9], "Japanese");
}

} // namespace
} // namespace tamb
