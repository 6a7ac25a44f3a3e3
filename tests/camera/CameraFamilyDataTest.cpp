#include "camera/CameraFamilyData.h"

#include "camera/CameraOptions.h"
#include "common/ModelCatalogue.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace tamb {
namespace {

struct FamilyCase
{
    std::string name;
    CameraFamily family;
};

void PrintTo(const FamilyCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class CameraFamilyTableTest : public ::testing::TestWithParam<FamilyCase>
{
protected:
    [[nodiscard]] const CameraFamilyData& data() const { return FamilyData(GetParam().family); }
};

// The sync must visit every numeric edit once, and the clock and folder texts once each.
TEST_P(CameraFamilyTableTest, SyncOrderVisitsEveryEditOnce)
{
    std::multiset<CameraNumber> visited;
    int clockSteps = 0;
    int folderSteps = 0;
    for (const SyncStep& step : data().syncOrder) {
        if (step.kind == SyncStep::Kind::Number)
            visited.insert(step.number);
        clockSteps += step.kind == SyncStep::Kind::ClockText ? 1 : 0;
        folderSteps += step.kind == SyncStep::Kind::FolderText ? 1 : 0;
    }
    EXPECT_EQ(clockSteps, 1);
    EXPECT_EQ(folderSteps, 1);
    EXPECT_EQ(visited.size(), data().numbers.size());
    for (const NumberBinding& binding : data().numbers)
        EXPECT_EQ(visited.count(binding.number), 1U) << KeyOf(binding.number);
}

// One control per identifier, and no setting bound twice.
TEST_P(CameraFamilyTableTest, ControlsAndSettingsAreUnique)
{
    std::set<int> ids { kClockEditId, kFolderEditId };
    std::set<CameraList> lists;
    std::set<CameraNumber> numbers;
    for (const ListBinding& binding : data().lists) {
        EXPECT_TRUE(ids.insert(binding.controlId).second) << binding.controlId;
        EXPECT_TRUE(lists.insert(binding.list).second) << KeyOf(binding.list);
    }
    for (const NumberBinding& binding : data().numbers) {
        EXPECT_TRUE(ids.insert(binding.controlId).second) << binding.controlId;
        EXPECT_TRUE(numbers.insert(binding.number).second) << KeyOf(binding.number);
        EXPECT_GE(binding.start, binding.minimum);
        EXPECT_LE(binding.start, binding.maximum);
    }
}

// Start and Default selections exist in the lists of every model of the family, and Default names only
// settings the family has.
TEST_P(CameraFamilyTableTest, StartAndDefaultSelectionsLieInsideTheLists)
{
    for (const CameraModelVariant& variant : data().models) {
        for (const ListBinding& binding : data().lists) {
            const int count = OptionCount(binding.options, variant);
            int start = binding.start;
            if (start == kStartByModel) {
                start = binding.list == CameraList::ImageSize ? variant.imageSizeStart
                    : binding.list == CameraList::VideoSize   ? variant.videoSizeStart
                                                              : variant.sidePirStart;
            }
            EXPECT_GE(start, 0) << "model " << variant.model << " " << KeyOf(binding.list);
            EXPECT_LT(start, count) << "model " << variant.model << " " << KeyOf(binding.list);
        }
        for (const ListReset& reset : data().defaultLists) {
            const ListBinding* binding = FindList(data(), reset.list);
            ASSERT_NE(binding, nullptr) << KeyOf(reset.list);
            EXPECT_LT(reset.index, OptionCount(binding->options, variant)) << KeyOf(reset.list);
        }
    }
    for (const NumberReset& reset : data().defaultNumbers)
        EXPECT_NE(FindNumber(data(), reset.number), nullptr) << KeyOf(reset.number);
}

// Every model has its start values in the table of exactly the family that Camera Setup opens for it.
TEST(CameraFamilyDataTest, EachModelIsListedByTheFamilyItOpens)
{
    for (ModelId model = 1; model <= kModelCount; ++model) {
        int listings = 0;
        for (const CameraFamily family : { CameraFamily::Generic, CameraFamily::Q100, CameraFamily::Q220,
                 CameraFamily::Q300, CameraFamily::Q400, CameraFamily::Q420 }) {
            for (const CameraModelVariant& variant : FamilyData(family).models) {
                if (variant.model == model) {
                    ++listings;
                    EXPECT_EQ(family, CameraFamilyFor(model)) << "model " << model;
                }
            }
        }
        EXPECT_EQ(listings, 1) << "model " << model;
    }
}

INSTANTIATE_TEST_SUITE_P(Families, CameraFamilyTableTest,
    ::testing::Values(FamilyCase { "Generic", CameraFamily::Generic }, FamilyCase { "Q100", CameraFamily::Q100 },
        FamilyCase { "Q220", CameraFamily::Q220 }, FamilyCase { "Q300", CameraFamily::Q300 },
        FamilyCase { "Q400", CameraFamily::Q400 }, FamilyCase { "Q420", CameraFamily::Q420 }),
    [](const ::testing::TestParamInfo<FamilyCase>& row) { return row.param.name; });

} // namespace
} // namespace tamb
