#include "cellular/SetupFile.h"

#include "common/Crc16.h"
#include "support/CellularFileBytes.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <span>
#include <string>

namespace tamb {
namespace {

using test::TempFolder;

using test::kUsPage;
using test::UnscrambledRecord;

std::uint16_t StoredSum(const std::vector<std::uint8_t>& file)
{
    return static_cast<std::uint16_t>(file[660 + 56] | (file[660 + 57] << 8));
}

MmsSettings SampleMmsSettings()
{
    MmsSettings settings;
    settings.url = "http://mmsc.monternet.com";
    settings.apn = "cmwap";
    settings.gateway = "10.0.0.172";
    settings.port = "80";
    settings.phone1 = "13800138000";
    settings.email = "owner@example.com";
    settings.password = "secret";
    return settings;
}

TEST(MmsHeaderTest, PlacesEveryValueInItsByte)
{
    MmsSettings settings;
    settings.mmsStatusCode = 3;
    settings.mmsStatusIndex = 2;
    settings.linkType = LinkType::Csd;
    settings.picturesPerDay = 37;
    settings.phoneScope = PhoneScope::International;
    settings.countryIndex = 42;
    settings.operatorIndex = 0;
    settings.remoteControlHour = 7;
    settings.autoMode = true;
    AppState app;
    app.language = kEnglish;
    app.chineseRequested = true;
    app.tvMode = 0x0101;

    Record expected {};
    const std::uint8_t head[] = { 3, 3, 1, 3, 7, 1, 1, 1, 42, 0, 7 };
    std::copy(std::begin(head), std::end(head), expected.begin());
    expected[55] = 1;
    expected[58] = '\r';
    expected[59] = '\n';
    EXPECT_EQ(BuildMmsHeader(settings, app), expected);

    settings.autoMode = false;
    app.chineseRequested = false;
    app.language = 13;
    const auto manual = BuildMmsHeader(settings, app);
    EXPECT_EQ(manual[55], 0);
    EXPECT_EQ(manual[5], 13);
}

struct ScopeCase
{
    const char* name;
    PhoneScope scope;
    std::uint16_t bias;
};

void PrintTo(const ScopeCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class SetupFileWriteTest : public ::testing::TestWithParam<ScopeCase>
{
};

TEST_P(SetupFileWriteTest, WritesTwelveRecordsWithTheBiasedChecksum)
{
    const TempFolder folder;
    auto settings = SampleMmsSettings();
    settings.phoneScope = GetParam().scope;

    const auto status = WriteSetupFile(folder.text(), settings, AppState {}, kUsPage);
    ASSERT_TRUE(status.ok()) << status.reason();

    EXPECT_EQ(folder.names(), std::vector<std::string> { "setup.dat" });
    const auto file = folder.read("setup.dat");
    ASSERT_EQ(file.size(), 720u);
    for (std::size_t k = 0; k < 12; ++k) {
        EXPECT_EQ(file[k * 60 + 58], '\r') << "record " << k;
        EXPECT_EQ(file[k * 60 + 59], '\n') << "record " << k;
    }
    const auto crc = Crc16(0, std::span(file).first(660));
    EXPECT_EQ(StoredSum(file), static_cast<std::uint16_t>(crc + GetParam().bias));
    EXPECT_TRUE(std::all_of(file.begin() + 660, file.begin() + 716, [](auto b) { return b == 0; }));

    // The text records in their order, each readable again after unscrambling.
    const std::string order[] = { settings.url, settings.apn, settings.gateway, settings.port, settings.phone1,
        settings.email, settings.account, settings.password, settings.phone2, settings.phone3 };
    for (std::size_t k = 1; k <= 10; ++k) {
        EXPECT_EQ(UnscrambledRecord(file, k), EncodeTextRecord(order[k - 1], kUsPage)) << "record " << k;
    }
    EXPECT_EQ(UnscrambledRecord(file, 0)[7], static_cast<std::uint8_t>(GetParam().scope));
}

INSTANTIATE_TEST_SUITE_P(Scopes, SetupFileWriteTest,
    ::testing::Values(
        ScopeCase { "China", PhoneScope::China, 0 }, ScopeCase { "International", PhoneScope::International, 18 }),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SetupFileTest, AnEmptyTextIsStoredAsFfThenZerosThenCrLf)
{
    const TempFolder folder;
    ASSERT_TRUE(WriteSetupFile(folder.text(), MmsSettings {}, AppState {}, kUsPage).ok());
    const auto file = folder.read("setup.dat");
    const auto url = std::span(file).subspan(60, 60);
    EXPECT_TRUE(std::all_of(url.begin(), url.begin() + 50, [](auto b) { return b == 0xFF; }));
    EXPECT_TRUE(std::all_of(url.begin() + 50, url.begin() + 58, [](auto b) { return b == 0; }));
    EXPECT_EQ(url[58], '\r');
    EXPECT_EQ(url[59], '\n');
}

TEST(SetupFileTest, ReplacesALongerFileAndRemovesAnOldWorkingFile)
{
    const TempFolder folder;
    folder.write("setup.dat", std::vector<std::uint8_t>(2000, 0xAA));
    folder.write("mms.dat", std::vector<std::uint8_t>(660, 0x41));

    ASSERT_TRUE(WriteSetupFile(folder.text(), SampleMmsSettings(), AppState {}, kUsPage).ok());

    EXPECT_EQ(folder.names(), std::vector<std::string> { "setup.dat" });
    EXPECT_EQ(folder.read("setup.dat").size(), 720u);
}

struct FaultCase
{
    const char* name;
    ScrambledFileFaults faults;
};

void PrintTo(const FaultCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class SetupFileFaultTest : public ::testing::TestWithParam<FaultCase>
{
};

TEST_P(SetupFileFaultTest, LeavesThePreviousFileAndNoWorkingFile)
{
    const TempFolder folder;
    const std::vector<std::uint8_t> previous(720, 0x5A);
    folder.write("setup.dat", previous);
    folder.write("mms.dat", std::vector<std::uint8_t>(10, 0x41));

    const auto status = WriteSetupFile(folder.text(), SampleMmsSettings(), AppState {}, kUsPage, GetParam().faults);

    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.reason().empty());
    EXPECT_EQ(folder.names(), std::vector<std::string> { "setup.dat" }) << "no working or temporary file is left";
    EXPECT_EQ(folder.read("setup.dat"), previous);
}

INSTANTIATE_TEST_SUITE_P(Faults, SetupFileFaultTest,
    ::testing::Values(FaultCase { "AfterTheWorkingFile", ScrambledFileFaults { .failAfterWorkingFile = true } },
        FaultCase { "InsideTheWorkingFile", ScrambledFileFaults { .workingFile = { .failAfterBytes = 100 } } },
        FaultCase { "BeforeTheChecksumRecord", ScrambledFileFaults { .finalFile = { .failAfterBytes = 660 } } },
        FaultCase { "AtTheFirstFinalByte", ScrambledFileFaults { .finalFile = { .failAfterBytes = 0 } } }),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SetupFileTest, AMissingFolderIsReportedAndNothingIsCreated)
{
    const TempFolder folder;
    const auto missing = (folder.path() / "no-such-card").string();
    const auto status = WriteSetupFile(missing, SampleMmsSettings(), AppState {}, kUsPage);
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.reason().find("no-such-card"), std::string::npos) << status.reason();
    EXPECT_TRUE(folder.names().empty());
}

struct DamageCase
{
    const char* name;
    std::size_t offset; // a byte to flip, or the length to cut the file to when `cut` is set
    bool cut;
};

void PrintTo(const DamageCase& row, std::ostream* stream)
{
    *stream << row.name << (row.cut ? " cut to " : " byte ") << row.offset;
}

class ScrambledFileReadTest : public ::testing::TestWithParam<DamageCase>
{
};

TEST_P(ScrambledFileReadTest, ASoundFilePassesAndADamagedOneIsCaught)
{
    auto settings = SampleMmsSettings();
    settings.phoneScope = PhoneScope::International;
    auto bytes = BuildScrambledSettingsBytes(BuildSetupRecords(settings, AppState {}, kUsPage), 18);

    auto sound = ReadScrambledSettingsFile(bytes);
    CheckScrambledSum(sound, 18);
    EXPECT_TRUE(sound.problems.empty());
    EXPECT_EQ(sound.records[2], EncodeTextRecord("cmwap", kUsPage));

    if (GetParam().cut) {
        bytes.resize(GetParam().offset);
    } else {
        bytes[GetParam().offset] ^= 0x01;
    }
    auto damaged = ReadScrambledSettingsFile(bytes);
    CheckScrambledSum(damaged, 18);
    EXPECT_FALSE(damaged.problems.empty());
}

INSTANTIATE_TEST_SUITE_P(Damage, ScrambledFileReadTest,
    ::testing::Values(DamageCase { "HeaderByte", 7, false }, DamageCase { "TextByte", 125, false },
        DamageCase { "UnscrambledTail", 112, false }, DamageCase { "LineFeed", 179, false },
        DamageCase { "ChecksumLow", 716, false }, DamageCase { "ChecksumHigh", 717, false },
        DamageCase { "CutShort", 700, true }, DamageCase { "Empty", 0, true }),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace tamb
