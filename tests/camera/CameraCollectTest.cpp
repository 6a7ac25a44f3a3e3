#include "camera/CameraModelFixture.h"
#include "camera/CameraRecord.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace tamb {
namespace {

// The offset of the byte of `family` named `name`, if the record has one.
std::optional<std::size_t> OffsetOf(CameraFamily family, std::string_view name)
{
    for (const auto table : { CommonRecordBytes(), FamilyRecordBytes(family) }) {
        const auto byte = std::ranges::find(table, name, &RecordByte::name);
        if (byte != table.end())
            return byte->offset;
    }
    return std::nullopt;
}

class CameraCollectTest : public test::CameraModelFixture, public ::testing::TestWithParam<ModelId>
{
};

// Every list and number a dialog shows reaches the record byte its key names, so a setting added to a family's
// table but forgotten in the record fails here instead of being written as 0.
TEST_P(CameraCollectTest, EverySettingOfTheDialogReachesTheByteItsKeyNames)
{
    CameraSettingsModel model = makeModel(GetParam());
    const CameraFamily family = model.data().family;
    for (const ListBinding& binding : model.data().lists) {
        if (!model.isListShown(binding.list) || binding.list == CameraList::IntervalUnit
            || std::ranges::find(kSerialCharacterLists, binding.list) != kSerialCharacterLists.end())
            continue;
        const std::optional<std::size_t> offset = OffsetOf(family, KeyOf(binding.list));
        ASSERT_TRUE(offset) << KeyOf(binding.list) << " reaches no byte of the record";
        const int last = model.optionCount(binding.list) - 1;
        (void)model.selectOption(binding.list, last);
        EXPECT_EQ(BuildCameraRecord(family, model.collect())[*offset], last) << KeyOf(binding.list);
    }
    for (const NumberBinding& binding : model.data().numbers) {
        const std::optional<std::size_t> offset = OffsetOf(family, KeyOf(binding.number));
        ASSERT_TRUE(offset) << KeyOf(binding.number) << " reaches no byte of the record";
        (void)model.changeNumber(binding.number, std::to_string(binding.maximum - 1));
        std::int32_t expected = binding.maximum - 1;
        if (binding.number == CameraNumber::VideoLength)
            expected = VideoLengthField(expected);
        if (binding.number == CameraNumber::Interval)
            expected = IntervalField(expected, model.selection(CameraList::IntervalUnit));
        EXPECT_EQ(BuildCameraRecord(family, model.collect())[*offset], expected) << KeyOf(binding.number);
    }
}

INSTANTIATE_TEST_SUITE_P(Models, CameraCollectTest, ::testing::Range<ModelId>(1, kModelCount + 1),
    [](const ::testing::TestParamInfo<ModelId>& row) { return "Model" + std::to_string(row.param); });

TEST(CameraRecordConversionTest, TheRecordFormsOfIntervalAndVideoLengthReadBack)
{
    for (std::int32_t value = 0; value <= 60; ++value) {
        for (const std::int32_t unit : { 0, 1 }) {
            EXPECT_EQ(IntervalValue(IntervalField(value, unit)), value);
            EXPECT_EQ(IntervalUnitIndex(IntervalField(value, unit)), unit);
        }
        EXPECT_EQ(VideoLengthSeconds(VideoLengthField(value + 1)), value + 1);
    }
}

} // namespace
} // namespace tamb
