#include "startup/Startup.h"

#include "startup/InMemoryPreferenceStore.h"
#include "support/SystemLanguages.h"

#include <functional>
#include <gtest/gtest.h>

namespace tamb {
namespace {

using test::kChinaPrc;
using test::kEnglishUs;
using test::kGermanGermany;
using test::kGermanLiechtenstein;

// A key that holds every value, as after an earlier run.
void CompleteKey(InMemoryPreferenceStore& store)
{
    store.setKeyPresent(true);
    store.putNumber("language", 2);
    store.putNumber("model", 3);
    store.putNumber("TvMode", 0);
    store.putText("Company", "Tamb Vorrel Electronics Co., Ltd");
}

struct StartupCase
{
    std::string name;
    std::uint16_t systemLanguageId;
    std::function<void(InMemoryPreferenceStore&)> prepare;
    AppState expected;
    std::vector<std::string> expectedWrites;
};

void PrintTo(const StartupCase& row, std::ostream* stream)
{
    *stream << row.name;
}

AppState StartupState(
    LanguageId language, ModelId model, std::uint32_t tvMode, bool systemChinese, bool chineseRequested)
{
    AppState result;
    result.language = language;
    result.model = model;
    result.tvMode = tvMode;
    result.systemChinese = systemChinese;
    result.chineseRequested = chineseRequested;
    return result;
}

class StartupTest : public ::testing::TestWithParam<StartupCase>
{
};

TEST_P(StartupTest, SettlesTheStateAndStoresOnlyWhatIsMissing)
{
    const auto& row = GetParam();
    InMemoryPreferenceStore store { row.systemLanguageId };
    row.prepare(store);

    const auto result = RunStartup(store, row.systemLanguageId);

    EXPECT_EQ(result.language, row.expected.language);
    EXPECT_EQ(result.model, row.expected.model);
    EXPECT_EQ(result.tvMode, row.expected.tvMode);
    EXPECT_EQ(result.systemChinese, row.expected.systemChinese);
    EXPECT_EQ(result.chineseRequested, row.expected.chineseRequested);
    EXPECT_EQ(store.writes(), row.expectedWrites);
}

const std::vector<std::string> kFirstRunWrites { "language", "model", "TvMode", "Company" };

INSTANTIATE_TEST_SUITE_P(
    Startup, StartupTest,
    ::testing::Values(
        StartupCase{"FirstRunOnChineseSystem", kChinaPrc, [](auto&) {}, StartupState(1, 1, 0, true, false), kFirstRunWrites},
        StartupCase{"FirstRunOnLiechtensteinGerman", kGermanLiechtenstein, [](auto&) {}, StartupState(3, 1, 0, false, false),
                    kFirstRunWrites},
        StartupCase{"FirstRunOnGermanyGermanIsEnglish", kGermanGermany, [](auto&) {}, StartupState(2, 1, 0, false, false),
                    kFirstRunWrites},
        StartupCase{"KeyWithoutLanguageTakesSystemAndWritesNothing", kGermanLiechtenstein,
                    [](auto& store) { store.setKeyPresent(true); },
                    StartupState(3, 1, 0, false, false), {"model", "TvMode", "Company"}},
        StartupCase{"StoredChineseOnEnglishSystem", kEnglishUs,
                    [](auto& store) {
                        CompleteKey(store);
                        store.putNumber("language", 1);
                    },
                    StartupState(2, 3, 0, false, true), {}},
        StartupCase{"StoredChineseOnChineseSystem", kChinaPrc,
                    [](auto& store) {
                        CompleteKey(store);
                        store.putNumber("language", 1);
                    },
                    StartupState(1, 3, 0, true, false), {}},
        StartupCase{"StoredLanguageUsesLowSixteenBits", kEnglishUs,
                    [](auto& store) {
                        CompleteKey(store);
                        store.putNumber("language", 0x10005);
                    },
                    StartupState(5, 3, 0, false, false), {}},
        StartupCase{"StoredLanguageAboveFifteenTakesSystem", kGermanLiechtenstein,
                    [](auto& store) {
                        CompleteKey(store);
                        store.putNumber("language", 16);
                    },
                    StartupState(3, 3, 0, false, false), {}},
        StartupCase{"StoredLanguageZeroTakesSystem", kChinaPrc,
                    [](auto& store) {
                        CompleteKey(store);
                        store.putNumber("language", 0);
                    },
                    StartupState(1, 3, 0, true, false), {}},
        StartupCase{"StoredModelPastTheLastGivesOne", kEnglishUs,
                    [](auto& store) {
                        CompleteKey(store);
                        store.putNumber("model", kModelCount + 1);
                    },
                    StartupState(2, 1, 0, false, false), {}},
        StartupCase{"StoredModelZeroGivesOne", kEnglishUs,
                    [](auto& store) {
                        CompleteKey(store);
                        store.putNumber("model", 0);
                    },
                    StartupState(2, 1, 0, false, false), {}},
        StartupCase{"StoredLastModelStays", kEnglishUs,
                    [](auto& store) {
                        CompleteKey(store);
                        store.putNumber("model", kModelCount);
                    },
                    StartupState(2, kModelCount, 0, false, false), {}},
        StartupCase{"StoredTvModeKeepsSixteenBits", kEnglishUs,
                    [](auto& store) {
                        CompleteKey(store);
                        store.putNumber("TvMode", 0xABC0102);
                    },
                    StartupState(2, 3, 0x0102, false, false), {}},
        StartupCase{"MissingCompanyIsWritten", kEnglishUs,
                    [](auto& store) {
                        store.setKeyPresent(true);
                        store.putNumber("language", 2);
                        store.putNumber("model", 3);
                        store.putNumber("TvMode", 0);
                    },
                    StartupState(2, 3, 0, false, false), {"Company"}},
        StartupCase{"KeyThatCannotBeCreatedStoresNothing", kChinaPrc,
                    [](auto& store) { store.setKeyCreatable(false); }, StartupState(1, 1, 0, true, false), {}}),
    [](const auto& row) { return row.param.name; });

TEST(StartupTest, FirstRunLeavesEveryValueStored)
{
    InMemoryPreferenceStore store { kChinaPrc };
    static_cast<void>(RunStartup(store, kChinaPrc));

    EXPECT_EQ(store.number("language"), 1u);
    EXPECT_EQ(store.number("model"), 1u);
    EXPECT_EQ(store.number("TvMode"), 0u);
    EXPECT_EQ(store.text("Company"), std::string { "Tamb Vorrel Electronics Co., Ltd" });
}

TEST(StartupTest, LanguageFromSystemMapsOnlyTheTwoIdentifiers)
{
    EXPECT_EQ(LanguageFromSystem(2052), 1);
    EXPECT_EQ(LanguageFromSystem(5127), 3);
    for (const std::uint16_t other : { 0, 1028, 1031, 1033, 2055, 3079, 4103, 4100, 65535 }) {
        EXPECT_EQ(LanguageFromSystem(other), 2) << other;
    }
}

TEST(StartupTest, MainWindowRereadsTheModelWithinTheList)
{
    InMemoryPreferenceStore store { kEnglishUs };
    EXPECT_EQ(ReadModelPreference(store), 1) << "no key";
    store.setKeyPresent(true);
    EXPECT_EQ(ReadModelPreference(store), 1) << "no value";
    for (const auto& [stored, expected] : std::vector<std::pair<std::uint32_t, ModelId>> {
             { 0, 1 }, { 1, 1 }, { 9, 9 }, { 17, 17 }, { 18, 1 }, { 0x10009, 9 } }) {
        store.putNumber("model", stored);
        EXPECT_EQ(ReadModelPreference(store), expected) << stored;
    }
}

TEST(PreferenceStoreTest, CompanyBlockIsTheTextInUtf16PaddedWithZeros)
{
    const auto block = CompanyBlock();
    const std::string text = "Tamb Vorrel Electronics Co., Ltd";
    for (std::size_t i = 0; i < text.size(); ++i) {
        EXPECT_EQ(block[2 * i], static_cast<std::uint8_t>(text[i]));
        EXPECT_EQ(block[2 * i + 1], 0);
    }
    for (std::size_t i = 2 * text.size(); i < block.size(); ++i) {
        EXPECT_EQ(block[i], 0) << i;
    }
}

} // namespace
} // namespace tamb
