#include "camera/MenuFileLoad.h"

#include "CameraModelFixture.h"
#include "camera/CameraAssignments.h"
#include "common/Crc16.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <ranges>
#include <string>
#include <vector>

namespace tamb {
namespace {

using test::CameraModelFixture;

// Bytes that Generate takes afresh rather than from the dialog: the clock and the CRC over it.
bool TakenAfresh(std::size_t offset)
{
    return (offset >= 14 && offset < 20) || offset == kCrcLowOffset || offset == kCrcHighOffset;
}

// Settings that differ from the start values in every key the model offers: each key is set, one at a time, to a
// value picked from its range by `seed`; a value the dialog refuses in combination is left out.
void VarySettings(CameraSettingsModel& model, int seed)
{
    int k = seed;
    for (const CameraKeyHelp& key : DescribeCameraKeys(model)) {
        ++k;
        std::string value;
        if (key.key == "serialNumber")
            value = std::string { "A70Z" }.substr(0, 4 - static_cast<std::size_t>(seed % 2)) + (seed % 2 ? "9" : "");
        else if (key.key == "wirelessPassword")
            value = std::to_string(1000 + seed * 37 % 9000);
        else {
            // "LOW..HIGH" or "0..N (...)" opens every description.
            const auto dots = key.allowed.find("..");
            const int low = std::stoi(key.allowed.substr(0, dots));
            const int high = std::stoi(key.allowed.substr(dots + 2));
            value = std::to_string(low + (k * 7 + seed) % (high - low + 1));
        }
        const std::vector<CameraAssignment> one { { key.key, value } };
        static_cast<void>(ApplyCameraAssignments(model, one));
    }
}

struct RoundTrip
{
    ModelId model;
    int seed;
};

void PrintTo(const RoundTrip& trip, std::ostream* out)
{
    *out << "model " << trip.model << ", settings " << trip.seed;
}

class MenuFileRoundTripTest : public CameraModelFixture, public ::testing::TestWithParam<RoundTrip>
{
};

TEST_P(MenuFileRoundTripTest, LoadingThenGenerateWritesTheSameBytesApartFromTheClock)
{
    CameraSettingsModel original = makeModel(GetParam().model);
    const CameraSettingsRecord start = BuildCameraRecord(original.data().family, original.collect());
    VarySettings(original, GetParam().seed);
    const CameraSettingsRecord varied = BuildCameraRecord(original.data().family, original.collect());
    ASSERT_GE(std::ranges::count_if(std::views::iota(0U, 50U), [&](auto k) { return start[k] != varied[k]; }), 5)
        << "the settings hardly differ from the start values";
    ASSERT_EQ(original.generate().messages.size(), 1U);
    const std::vector<std::uint8_t> written = writtenFile();
    ASSERT_TRUE(CheckMenuFile(original, written).ok()) << CheckMenuFile(original, written).reason();

    m_localTime = { 2030, 12, 31, 23, 59, 58 };
    CameraSettingsModel loaded = makeModel(GetParam().model);
    const Status status = LoadMenuFile(loaded, written);
    ASSERT_TRUE(status.ok()) << status.reason();
    ASSERT_EQ(loaded.generate().messages.size(), 1U);
    const std::vector<std::uint8_t> again = writtenFile();
    ASSERT_EQ(again.size(), written.size());
    for (std::size_t offset = 0; offset < written.size(); ++offset) {
        if (!TakenAfresh(offset)) {
            EXPECT_EQ(again[offset], written[offset]) << "byte " << offset;
        }
    }
    EXPECT_EQ(again[14], 2030 - kClockYearBase) << "the clock is taken afresh";
}

std::vector<RoundTrip> EveryModelWithThreeSettings()
{
    std::vector<RoundTrip> trips;
    for (ModelId model = 1; model <= kModelCount; ++model) {
        for (const int seed : { 1, 2, 5 })
            trips.push_back({ model, seed });
    }
    return trips;
}

INSTANTIATE_TEST_SUITE_P(
    EveryModel, MenuFileRoundTripTest, ::testing::ValuesIn(EveryModelWithThreeSettings()), [](const auto& trip) {
        return "Model" + std::to_string(trip.param.model) + "Seed" + std::to_string(trip.param.seed);
    });

// A file the dialog writes only after a detour: values its handlers would correct when typed alone, and a clock
// text the calendar lacks. Loading makes them as the dialog held them, and Generate writes them again.
struct HeldValues
{
    std::string name;
    CameraFamily family;
    // An edit's new text, or (with `index`) a list's choice, or (neither) a button's click, by template identifier.
    struct Step
    {
        int control;
        std::optional<std::string> text;
        std::optional<int> index;
    };
    std::vector<Step> steps;
    std::size_t offset; // a byte the detour gives a value a plain typing would not
    std::uint8_t value;
};

void PrintTo(const HeldValues& row, std::ostream* out)
{
    *out << row.name;
}

class MenuFileHeldValuesTest : public CameraModelFixture, public ::testing::TestWithParam<HeldValues>
{
};

TEST_P(MenuFileHeldValuesTest, LoadsAndIsWrittenAgainAlike)
{
    ModelId model = 1;
    while (CameraFamilyFor(model) != GetParam().family)
        ++model;
    CameraSettingsModel original = makeModel(model);
    for (const HeldValues::Step& step : GetParam().steps) {
        if (step.text)
            (void)original.editChanged(step.control, *step.text);
        else if (step.index)
            (void)original.selectionChanged(step.control, *step.index);
        else
            (void)original.clicked(step.control);
    }
    ASSERT_EQ(original.generate().messages.front().id, original.data().generatedText);
    const std::vector<std::uint8_t> written = writtenFile();
    ASSERT_EQ(written[GetParam().offset], GetParam().value);

    CameraSettingsModel loaded = makeModel(model);
    const Status status = LoadMenuFile(loaded, written);
    ASSERT_TRUE(status.ok()) << status.reason();
    ASSERT_EQ(loaded.generate().messages.size(), 1U);
    const std::vector<std::uint8_t> again = writtenFile();
    for (std::size_t offset = 0; offset < written.size(); ++offset) {
        if (!TakenAfresh(offset)) {
            EXPECT_EQ(again[offset], written[offset]) << "byte " << offset;
        }
    }
}

constexpr int kVideoLengthEdit = 1002;
constexpr int kIntervalEdit = 1003;
constexpr int kIntervalUnitList = 1029;
constexpr int kLongitudeDegreesEdit = 1056;
constexpr int kLongitudeMinutesEdit = 1058;

INSTANTIATE_TEST_SUITE_P(Detours, MenuFileHeldValuesTest,
    ::testing::Values(HeldValues { "Q220IntervalOfZeroMinutesAfterDefault", CameraFamily::Q220,
                          { { kIntervalUnitList, std::nullopt, 0 }, { kIntervalEdit, "0", std::nullopt },
                              { kDefaultButtonId, std::nullopt, std::nullopt } },
                          6, 0 },
        HeldValues { "Q300LongitudeOf180WithMinutesTypedWhileASyncStopped", CameraFamily::Q300,
            { { kLongitudeMinutesEdit, "30", std::nullopt }, { kVideoLengthEdit, "", std::nullopt },
                { kLongitudeDegreesEdit, "180", std::nullopt }, { kVideoLengthEdit, "10", std::nullopt } },
            42, 30 }),
    [](const auto& row) { return row.param.name; });

// A record the dialog of model 1 writes, then one change that makes it a file that dialog could not have written.
struct Refusal
{
    std::string name;
    ModelId loadInto;
    std::size_t offset;
    std::optional<std::uint8_t> value; // none: the CRC is left wrong
    std::string reason;
};

void PrintTo(const Refusal& refusal, std::ostream* out)
{
    *out << refusal.name;
}

class MenuFileRefusalTest : public CameraModelFixture, public ::testing::TestWithParam<Refusal>
{
};

TEST_P(MenuFileRefusalTest, IsNotLoadedAndLeavesTheModelAsItWas)
{
    const Refusal& refusal = GetParam();
    CameraSettingsModel source = makeModel(1);
    ASSERT_EQ(source.generate().messages.size(), 1U);
    std::vector<std::uint8_t> bytes = writtenFile();
    if (refusal.value) {
        bytes[refusal.offset] = *refusal.value;
        const std::uint16_t crc
            = CameraRecordCrc(std::span<const std::uint8_t, kCameraRecordSize>(bytes.data(), kCameraRecordSize));
        bytes[kCrcLowOffset] = static_cast<std::uint8_t>(crc & 0xFFU);
        bytes[kCrcHighOffset] = static_cast<std::uint8_t>(crc >> 8U);
    } else {
        bytes[refusal.offset] ^= 1U;
    }

    CameraSettingsModel target = makeModel(refusal.loadInto);
    const CameraSettings before = target.collect();
    const Status status = LoadMenuFile(target, bytes);
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.reason().find(refusal.reason), std::string::npos) << status.reason();
    EXPECT_EQ(
        BuildCameraRecord(target.data().family, target.collect()), BuildCameraRecord(target.data().family, before));
}

INSTANTIATE_TEST_SUITE_P(Files, MenuFileRefusalTest,
    ::testing::Values(Refusal { "WrongCrc", 1, 3, std::nullopt, "CRC" },
        Refusal { "ImageSizeBeyondItsList", 1, 1, 40, "imageSize" }, Refusal { "UnusedByteSet", 1, 52, 1, "byte 52" },
        Refusal { "MonthThirteen", 1, 15, 13, "clock" }, Refusal { "HourTwentyFour", 1, 17, 24, "clock" },
        Refusal { "MinuteSixty", 1, 18, 60, "clock" }, Refusal { "SecondSixty", 1, 19, 60, "clock" },
        Refusal { "AnotherFamilysRecord", 8, 0, 0, "not written for this camera model" }),
    [](const auto& refusal) { return refusal.param.name; });

} // namespace
} // namespace tamb
