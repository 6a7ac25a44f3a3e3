#include "camera/CameraRecord.h"

#include "common/AppState.h"
#include "common/Crc16.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace tamb {
namespace {

// A byte offset and the value the record must hold there.
using ExpectedBytes = std::map<std::size_t, std::uint8_t>;

struct RecordCase
{
    std::string name;
    CameraFamily family;
    std::function<void(CameraSettings&)> fill;
    ExpectedBytes expected;
};

void PrintTo(const RecordCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class RecordCaseTest : public ::testing::TestWithParam<RecordCase>
{
};

TEST_P(RecordCaseTest, StoresTheCollectedValueWhereTheCameraReadsIt)
{
    const auto& param = GetParam();
    CameraSettings settings;
    param.fill(settings);

    const auto record = BuildCameraRecord(param.family, settings);

    for (const auto& [offset, value] : param.expected) {
        EXPECT_EQ(record[offset], value) << "byte " << offset;
    }
    EXPECT_TRUE(CameraRecordProblems(record).empty());
}

const RecordCase kRecordCases[] = {
    { "IntervalThirtySeconds", CameraFamily::Generic, [](auto& s) { s.interval = IntervalField(30, 0); },
        { { 6, 158 } } },
    { "IntervalFiveMinutes", CameraFamily::Generic, [](auto& s) { s.interval = IntervalField(5, 1); }, { { 6, 5 } } },
    { "VideoLengthTen", CameraFamily::Q400, [](auto& s) { s.videoLength = VideoLengthField(10); }, { { 4, 9 } } },
    { "VideoLengthSixty", CameraFamily::Q300, [](auto& s) { s.videoLength = VideoLengthField(60); }, { { 4, 59 } } },
    { "Year2035IsLimitedTo2031", CameraFamily::Generic, [](auto& s) { s.clock.year = 2035; }, { { 14, 21 } } },
    { "Year2009IsLimitedTo2010", CameraFamily::Q100, [](auto& s) { s.clock.year = 2009; }, { { 14, 0 } } },
    { "Year2024", CameraFamily::Q220, [](auto& s) { s.clock.year = 2024; }, { { 14, 14 } } },
    { "ClockParts", CameraFamily::Q420,
        [](auto& s) {
            s.clock = ClockReading { 2030, 12, 31, 23, 59, 58 };
        },
        { { 14, 20 }, { 15, 12 }, { 16, 31 }, { 17, 23 }, { 18, 59 }, { 19, 58 } } },
    { "ClockPartsAreNotLimitedOnlyTruncated", CameraFamily::Q300,
        [](auto& s) {
            s.clock = ClockReading { 6, 30, 2016, 14, 5, 9 };
        },
        { { 14, 0 }, { 15, 30 }, { 16, 224 }, { 17, 14 } } },
    { "SerialA70Z", CameraFamily::Generic,
        [](auto& s) {
            s.serialNumber = { *SerialCharacterIndex('A'), *SerialCharacterIndex('7'), *SerialCharacterIndex('0'),
                *SerialCharacterIndex('Z') };
        },
        { { 25, 10 }, { 26, 7 }, { 27, 0 }, { 28, 35 } } },
    { "Q100PasswordFourDigits", CameraFamily::Q100,
        [](auto& s) { s.wirelessPassword = WirelessPasswordDigits("9305"); },
        { { 36, 9 }, { 37, 3 }, { 38, 0 }, { 39, 5 } } },
    { "Q100PasswordTwoDigitsLeavesTheRestZero", CameraFamily::Q100,
        [](auto& s) { s.wirelessPassword = WirelessPasswordDigits("47"); },
        { { 36, 4 }, { 37, 7 }, { 38, 0 }, { 39, 0 } } },
    { "Q100PasswordFullWidthDigitsCountAsTheirValue", CameraFamily::Q100,
        [](auto& s) { s.wirelessPassword = WirelessPasswordDigits("\uFF19\uFF13\uFF10\uFF15"); },
        { { 36, 9 }, { 37, 3 }, { 38, 0 }, { 39, 5 } } },
    { "Q100PasswordLetterGivesZero", CameraFamily::Q100,
        [](auto& s) { s.wirelessPassword = WirelessPasswordDigits("1a3Z8"); },
        { { 36, 1 }, { 37, 0 }, { 38, 3 }, { 39, 0 }, { 40, 0 } } },
    { "Q220SidePirAlwaysOne", CameraFamily::Q220, [](auto& s) { s.sidePir = 0; }, { { 9, 1 }, { 51, 0 } } },
    { "Q100SidePirAlwaysZero", CameraFamily::Q100, [](auto& s) { s.sidePir = 1; }, { { 9, 0 }, { 51, 0 } } },
    { "Q420SidePirAlwaysZero", CameraFamily::Q420, [](auto& s) { s.sidePir = 1; }, { { 9, 0 }, { 51, 0 } } },
    { "Q400SidePirFromListNoCopy", CameraFamily::Q400, [](auto& s) { s.sidePir = 1; }, { { 9, 1 }, { 51, 0 } } },
    { "GenericSidePirCopied", CameraFamily::Generic, [](auto& s) { s.sidePir = 1; }, { { 9, 1 }, { 51, 1 } } },
    { "Q300SidePirCopied", CameraFamily::Q300, [](auto& s) { s.sidePir = 1; }, { { 9, 1 }, { 51, 1 } } },
    { "ChineseRequestedCarriesLanguageOne", CameraFamily::Generic,
        [](auto& s) {
            AppState state;
            state.language = kEnglish;
            state.chineseRequested = true;
            s.language = state.fileLanguage();
        },
        { { 29, 1 } } },
    { "TvModeLowByte", CameraFamily::Generic, [](auto& s) { s.tvMode = 0x0102; }, { { 30, 2 } } },
    { "ValuesAreTruncatedToEightBits", CameraFamily::Generic,
        [](auto& s) {
            s.timeLapseHour = 300;
            s.timer1StartHour = -1;
        },
        { { 11, 44 }, { 20, 255 } } },
    { "DateFormatAndEveryCommonByte", CameraFamily::Q400,
        [](auto& s) {
            s.cameraMode = 2;
            s.imageSize = 3;
            s.videoSize = 4;
            s.pictureCount = 5;
            s.timeStamp = 6;
            s.senseLevel = 7;
            s.timer1Enabled = 8;
            s.timeLapseEnabled = 9;
            s.timeLapseMinute = 10;
            s.timeLapseSecond = 11;
            s.timer1StartMinute = 12;
            s.timer1StopHour = 13;
            s.timer1StopMinute = 14;
            s.serialNumberEnabled = 15;
            s.dateFormat = 2;
        },
        { { 0, 2 }, { 1, 3 }, { 2, 4 }, { 3, 5 }, { 5, 6 }, { 7, 7 }, { 8, 8 }, { 10, 9 }, { 12, 10 }, { 13, 11 },
            { 21, 12 }, { 22, 13 }, { 23, 14 }, { 24, 15 }, { 48, 2 }, { 49, 0 }, { 50, 0 } } },
};

INSTANTIATE_TEST_SUITE_P(
    Records, RecordCaseTest, ::testing::ValuesIn(kRecordCases), [](const auto& row) { return row.param.name; });

// Every family field gets its own value, so a byte in the wrong place shows up as a wrong number.
CameraSettings DistinctFamilyFields()
{
    CameraSettings s;
    s.timer2Enabled = 1;
    s.timer2StartHour = 2;
    s.timer2StartMinute = 3;
    s.timer2StopHour = 4;
    s.timer2StopMinute = 5;
    s.sdCycle = 6;
    s.beepSound = 7;
    s.wirelessPassword = { 8, 9, 10, 11 };
    s.wirelessPasswordEnabled = 12;
    s.longitudeDirection = 13;
    s.longitudeDegrees = 14;
    s.longitudeMinutes = 15;
    s.longitudeSeconds = 16;
    s.latitudeDirection = 17;
    s.latitudeDegrees = 18;
    s.latitudeMinutes = 19;
    s.latitudeSeconds = 20;
    s.sidePir = 21;
    return s;
}

struct FamilyAreaCase
{
    std::string name;
    CameraFamily family;
    std::uint8_t sidePir;
    std::array<std::uint8_t, 17> area; // bytes 31..47
    std::uint8_t sidePirCopy;
};

void PrintTo(const FamilyAreaCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class FamilyAreaTest : public ::testing::TestWithParam<FamilyAreaCase>
{
};

TEST_P(FamilyAreaTest, LaysOutTheFamilyArea)
{
    const auto& param = GetParam();
    const auto record = BuildCameraRecord(param.family, DistinctFamilyFields());

    EXPECT_EQ(record[9], param.sidePir);
    std::array<std::uint8_t, 17> area {};
    std::copy(record.begin() + 31, record.begin() + 48, area.begin());
    EXPECT_EQ(area, param.area);
    EXPECT_EQ(record[51], param.sidePirCopy);
    for (std::size_t offset : { 49u, 50u, 52u, 53u, 54u, 55u }) {
        EXPECT_EQ(record[offset], 0) << "byte " << offset;
    }
}

INSTANTIATE_TEST_SUITE_P(Families, FamilyAreaTest,
    ::testing::Values(FamilyAreaCase { "Generic", CameraFamily::Generic, 21,
                          { 1, 2, 3, 4, 5, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 }, 21 },
        FamilyAreaCase { "Q100", CameraFamily::Q100, 0, { 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 0, 0, 0, 0, 0, 0, 0 }, 0 },
        FamilyAreaCase { "Q220", CameraFamily::Q220, 1, { 1, 2, 3, 4, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 }, 0 },
        FamilyAreaCase {
            "Q300", CameraFamily::Q300, 21, { 1, 2, 3, 4, 5, 6, 0, 0, 0, 13, 14, 15, 16, 17, 18, 19, 20 }, 21 },
        FamilyAreaCase { "Q400", CameraFamily::Q400, 21, { 7, 6, 1, 2, 3, 4, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 }, 0 },
        FamilyAreaCase { "Q420", CameraFamily::Q420, 0, { 7, 6, 1, 2, 3, 4, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 }, 0 }),
    [](const auto& row) { return row.param.name; });

TEST(CameraRecordTest, FactoryResetRecordHasTheFixedBytes)
{
    CameraSettingsRecord expected {};
    expected.fill(0);
    for (std::size_t i = 0; i < 4; ++i) {
        expected[i] = 0xFF;
    }
    expected[48] = 0x01;
    expected[56] = 0xA1;
    expected[57] = 0xBB;
    expected[58] = 0x0D;
    expected[59] = 0x0A;

    EXPECT_EQ(FactoryResetRecord(), expected);
}

TEST(CameraRecordTest, CrcCoversBytesZeroToFortyNineOnly)
{
    CameraSettings settings = DistinctFamilyFields();
    settings.cameraMode = 1;
    const auto record = BuildCameraRecord(CameraFamily::Generic, settings);
    const std::uint16_t crc = Crc16(0, std::span { record }.first(50));
    EXPECT_EQ(record[56], crc & 0xFF);
    EXPECT_EQ(record[57], crc >> 8);
    EXPECT_EQ(record[58], 13);
    EXPECT_EQ(record[59], 10);

    auto changedCopy = record;
    changedCopy[51] ^= 0x5A;
    EXPECT_TRUE(CameraRecordProblems(changedCopy).empty()) << "byte 51 lies outside the CRC";

    auto changedField = record;
    changedField[49] ^= 0x01;
    EXPECT_EQ(CameraRecordProblems(changedField).size(), 1u) << "byte 49 lies inside the CRC";
}

TEST(CameraRecordTest, ProblemsNameWhatIsWrong)
{
    const std::vector<std::uint8_t> shortFile(59, 0);
    const auto tooShort = CameraRecordProblems(shortFile);
    ASSERT_EQ(tooShort.size(), 1u);
    EXPECT_NE(tooShort[0].find("59"), std::string::npos);

    auto noLineEnd = FactoryResetRecord();
    noLineEnd[58] = '\n';
    noLineEnd[56] ^= 1;
    EXPECT_EQ(CameraRecordProblems(noLineEnd).size(), 2u);
}

TEST(CameraRecordTest, SerialCharactersRoundTrip)
{
    for (std::int32_t index = 0; index < 36; ++index) {
        EXPECT_EQ(SerialCharacterIndex(SerialCharacter(index)), index);
    }
    EXPECT_FALSE(SerialCharacterIndex('a'));
    EXPECT_FALSE(SerialCharacterIndex('-'));
    EXPECT_EQ(SerialCharacter(36), '?');
    EXPECT_EQ(SerialCharacter(-1), '?');
}

} // namespace
} // namespace tamb
