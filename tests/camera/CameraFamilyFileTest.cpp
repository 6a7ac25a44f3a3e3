#include "CameraModelFixture.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace tamb {
namespace {

using test::CameraModelFixture;
using N = CameraNumber;
using L = CameraList;

// One thing the user does in a camera dialog before pressing Generate.
struct Step
{
    enum class Kind : std::uint8_t
    {
        Select,
        Type,
        SetText,
        PressDefault,
    };
    Kind kind;
    L list = L::CameraMode;
    N number = N::VideoLength;
    CameraText text = CameraText::Clock;
    int index = 0;
    std::string value {};
};

Step Select(L list, int index)
{
    return Step { .kind = Step::Kind::Select, .list = list, .index = index };
}
Step Type(N number, std::string value)
{
    return Step { .kind = Step::Kind::Type, .number = number, .value = std::move(value) };
}
Step SetText(CameraText text, std::string value)
{
    return Step { .kind = Step::Kind::SetText, .text = text, .value = std::move(value) };
}
Step PressDefault()
{
    return Step { .kind = Step::Kind::PressDefault };
}

// The steps of one case, then Generate: the bytes the file must hold and what the edits must show.
struct FamilyFileCase
{
    std::string name;
    ModelId model;
    std::vector<Step> steps;
    std::vector<std::pair<std::size_t, int>> bytes; // offset, value
    std::vector<std::pair<N, std::string>> shown = {};
};

void PrintTo(const FamilyFileCase& fileCase, std::ostream* out)
{
    *out << fileCase.name << " (model " << fileCase.model << ")";
}

std::string CaseName(const ::testing::TestParamInfo<FamilyFileCase>& info)
{
    return info.param.name;
}

class CameraFamilyFileTest : public CameraModelFixture, public ::testing::TestWithParam<FamilyFileCase>
{
};

TEST_P(CameraFamilyFileTest, GenerateWritesWhatTheFamilyStores)
{
    const FamilyFileCase& fileCase = GetParam();
    CameraSettingsModel model = makeModel(fileCase.model);
    for (const Step& step : fileCase.steps) {
        switch (step.kind) {
        case Step::Kind::Select:
            ASSERT_LT(step.index, model.optionCount(step.list));
            (void)model.selectOption(step.list, step.index);
            break;
        case Step::Kind::Type:
            ASSERT_TRUE(model.hasNumber(step.number));
            (void)model.changeNumber(step.number, step.value);
            break;
        case Step::Kind::SetText:
            model.changeText(step.text, step.value);
            break;
        case Step::Kind::PressDefault:
            (void)model.restoreDefaults();
            break;
        }
    }
    for (const auto& [number, text] : fileCase.shown)
        EXPECT_EQ(model.editText(number), text) << KeyOf(number);
    const DialogOutcome outcome = model.generate();
    ASSERT_EQ(outcome.messages.size(), 1U);
    EXPECT_EQ(outcome.messages[0].id, model.data().generatedText);
    const std::vector<std::uint8_t> file = writtenFile();
    ASSERT_EQ(file.size(), kCameraRecordSize);
    for (const auto& [offset, value] : fileCase.bytes)
        EXPECT_EQ(file[offset], value) << "byte " << offset;
}

// Bytes 14..19 of the local time every test reads (2024-02-03 07:05:09).
const std::vector<std::pair<std::size_t, int>> kCapturedClock { { 14, 14 }, { 15, 2 }, { 16, 3 }, { 17, 7 }, { 18, 5 },
    { 19, 9 } };

constexpr auto kPassword = CameraText::WirelessPassword;

INSTANTIATE_TEST_SUITE_P(Q100, CameraFamilyFileTest,
    ::testing::Values(FamilyFileCase { "DefaultPasswordWrittenWithTheSwitchOff", 14, {},
                          { { 36, 7 }, { 37, 3 }, { 38, 9 }, { 39, 4 }, { 40, 0 }, { 9, 0 }, { 51, 0 } } },
        FamilyFileCase { "TwoDigitsLeaveTheLastTwoBytesZero", 14,
            { Select(L::WirelessPassword, 1), SetText(kPassword, "52") },
            { { 36, 5 }, { 37, 2 }, { 38, 0 }, { 39, 0 }, { 40, 1 } } },
        FamilyFileCase {
            "LetterCountsAsZero", 14, { SetText(kPassword, "7a94") }, { { 36, 7 }, { 37, 0 }, { 38, 9 }, { 39, 4 } } },
        FamilyFileCase { "FullWidthDigitCountsAsTheDigitItShows", 14,
            { SetText(kPassword,
                "\xEF\xBC\x93"
                "1") },
            { { 36, 3 }, { 37, 1 }, { 38, 0 }, { 39, 0 } } },
        FamilyFileCase { "MultiByteLetterTakesOnePlace", 14,
            { SetText(kPassword,
                "\xC3\xA9"
                "123") },
            { { 36, 0 }, { 37, 1 }, { 38, 2 }, { 39, 3 } } },
        FamilyFileCase {
            "TypedClockIsIgnored", 14, { SetText(CameraText::Clock, "12/31/2030 23:59:58") }, kCapturedClock }),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Q220, CameraFamilyFileTest,
    ::testing::Values(FamilyFileCase { "StartRecord", 6, {},
                          { { 1, 0 }, { 2, 0 }, { 4, 9 }, { 6, 1 }, { 9, 1 }, { 31, 0 }, { 35, 0 }, { 36, 0 },
                              { 47, 0 }, { 51, 0 } } },
        FamilyFileCase { "SidePirByteIsOneOnTheQ230Too", 9, {}, { { 9, 1 } } },
        FamilyFileCase { "DefaultKeepsIntervalAndTimer2TimesWithTimer2Off", 6,
            { Select(L::Timer2, 1), Type(N::Interval, "30"), Type(N::Timer2StartHour, "8"),
                Type(N::Timer2StartMinute, "15"), Type(N::Timer2StopHour, "17"), Type(N::Timer2StopMinute, "45"),
                PressDefault() },
            { { 6, 30 }, { 9, 1 }, { 31, 0 }, { 32, 8 }, { 33, 15 }, { 34, 17 }, { 35, 45 } },
            { { N::Interval, "30" }, { N::Timer2StartHour, "8" }, { N::Timer2StopMinute, "45" } } }),
    CaseName);

const std::vector<Step> kWestAndNorth { Select(L::LongitudeDirection, 1), Type(N::LongitudeDegrees, "8"),
    Type(N::LongitudeMinutes, "15"), Type(N::LongitudeSeconds, "30"), Select(L::LatitudeDirection, 1),
    Type(N::LatitudeDegrees, "52"), Type(N::LatitudeMinutes, "5"), Type(N::LatitudeSeconds, "0") };

INSTANTIATE_TEST_SUITE_P(Q300, CameraFamilyFileTest,
    ::testing::Values(FamilyFileCase { "DefaultPositionIsAllZero", 11, {},
                          { { 40, 0 }, { 41, 0 }, { 42, 0 }, { 43, 0 }, { 44, 0 }, { 45, 0 }, { 46, 0 }, { 47, 0 } } },
        FamilyFileCase { "LongitudeAbove180Clamps", 11,
            { Type(N::LongitudeMinutes, "20"), Type(N::LongitudeSeconds, "10"), Type(N::LongitudeDegrees, "200") },
            { { 41, 180 }, { 42, 0 }, { 43, 0 } }, { { N::LongitudeDegrees, "180" }, { N::LongitudeMinutes, "0" } } },
        FamilyFileCase { "MinutesAt180BecomeZero", 12,
            { Type(N::LongitudeDegrees, "180"), Type(N::LongitudeMinutes, "30") }, { { 41, 180 }, { 42, 0 } },
            { { N::LongitudeMinutes, "0" } } },
        FamilyFileCase { "MinutesAbove59Below180Become59", 13,
            { Type(N::LongitudeDegrees, "179"), Type(N::LongitudeMinutes, "75") }, { { 41, 179 }, { 42, 59 } },
            { { N::LongitudeMinutes, "59" } } },
        FamilyFileCase { "LatitudeAbove90Clamps", 17,
            { Type(N::LatitudeSeconds, "40"), Type(N::LatitudeDegrees, "91") }, { { 45, 90 }, { 46, 0 }, { 47, 0 } } },
        FamilyFileCase { "WestAndNorthStoredInOrder", 11, kWestAndNorth,
            { { 40, 1 }, { 41, 8 }, { 42, 15 }, { 43, 30 }, { 44, 1 }, { 45, 52 }, { 46, 5 }, { 47, 0 } } },
        FamilyFileCase { "ClockTextReadMonthFirst", 13, { SetText(CameraText::Clock, "06/30/2016 14:05:09") },
            { { 14, 6 }, { 15, 6 }, { 16, 30 }, { 17, 14 }, { 18, 5 }, { 19, 9 } } },
        FamilyFileCase {
            "EmptiedClockTextKeepsTheCapturedTime", 13, { SetText(CameraText::Clock, "") }, kCapturedClock },
        FamilyFileCase { "SidePirStoredTwice", 11, {}, { { 9, 1 }, { 51, 1 } } },
        FamilyFileCase { "SidePirOffOnTheQ230", 17, {}, { { 9, 0 }, { 51, 0 } } },
        FamilyFileCase { "RecycleKeptOverDefault", 11, { Select(L::SdCycle, 1), PressDefault() }, { { 36, 1 } } }),
    CaseName);

const std::vector<Step> kTimer2Morning { Select(L::Timer2, 1), Type(N::Timer2StartHour, "6"),
    Type(N::Timer2StartMinute, "30"), Type(N::Timer2StopHour, "18"), Type(N::Timer2StopMinute, "45") };
const std::vector<std::pair<std::size_t, int>> kTimer2MorningBytes { { 31, 1 }, { 32, 0 }, { 33, 1 }, { 34, 6 },
    { 35, 30 }, { 36, 18 }, { 37, 45 }, { 38, 0 }, { 47, 0 } };

INSTANTIATE_TEST_SUITE_P(Q400, CameraFamilyFileTest,
    ::testing::Values(FamilyFileCase { "StartFamilyArea", 2, {},
                          { { 1, 0 }, { 2, 1 }, { 9, 1 }, { 31, 1 }, { 32, 0 }, { 33, 0 }, { 37, 0 }, { 51, 0 } } },
        FamilyFileCase { "SidePirStartsOffOnTheQ430", 10, {}, { { 9, 0 } } },
        FamilyFileCase { "Timer2OnItsOwnBytes", 7, kTimer2Morning, kTimer2MorningBytes },
        FamilyFileCase {
            "BeepOffAndSdCycleOn", 4, { Select(L::BeepSound, 0), Select(L::SdCycle, 1) }, { { 31, 0 }, { 32, 1 } } },
        FamilyFileCase { "DefaultKeepsSdCycleAndTurnsBeepOn", 4,
            { Select(L::BeepSound, 0), Select(L::SdCycle, 1), PressDefault() }, { { 31, 1 }, { 32, 1 } } },
        FamilyFileCase {
            "ZeroSecondsIntervalIs128", 2, { Select(L::IntervalUnit, 0), Type(N::Interval, "0") }, { { 6, 128 } } }),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Q420, CameraFamilyFileTest,
    ::testing::Values(FamilyFileCase { "StartFamilyArea", 8, {},
                          { { 1, 0 }, { 2, 1 }, { 9, 0 }, { 31, 1 }, { 32, 0 }, { 33, 0 }, { 37, 0 }, { 51, 0 } } },
        FamilyFileCase { "Timer2OnItsOwnBytes", 8, kTimer2Morning, kTimer2MorningBytes },
        FamilyFileCase { "DefaultKeepsBeepSdCycleAndInterval", 8,
            { Select(L::BeepSound, 0), Select(L::SdCycle, 1), Type(N::Interval, "5"), PressDefault() },
            { { 2, 0 }, { 6, 5 }, { 31, 0 }, { 32, 1 } }, { { N::Interval, "5" } } }),
    CaseName);

class CameraSameRunTest : public CameraModelFixture, public ::testing::Test
{
};

TEST_F(CameraSameRunTest, Q230StartsOnItsOwnImageSizesAfterAQ300MgDialog)
{
    const CameraSettingsModel q300 = makeModel(13);
    EXPECT_EQ(q300.listItems(1014), (std::vector<std::string> { "5MP", "12MP", "1.3MP", "14MP" }));
    EXPECT_EQ(q300.selection(L::ImageSize), 3);
    const CameraSettingsModel q230 = makeModel(17);
    EXPECT_EQ(q230.listItems(1014), (std::vector<std::string> { "5MP", "12MP", "1.3MP" }));
    EXPECT_EQ(q230.selection(L::ImageSize), 1);
}

} // namespace
} // namespace tamb
