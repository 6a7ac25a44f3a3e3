#include "CameraModelFixture.h"

#include <map>
#include <ostream>

namespace tamb {
namespace {

using test::CameraModelFixture;

struct FamilyModel
{
    const char* name;
    ModelId model;
};

void PrintTo(const FamilyModel& row, std::ostream* out)
{
    *out << row.name << " (model " << row.model << ")";
}

class CameraSyncOrderTest : public CameraModelFixture, public ::testing::TestWithParam<FamilyModel>
{
};

// A value inside the edit's range that differs from its start value.
int OtherValue(const NumberBinding& binding)
{
    return binding.start < binding.maximum ? binding.start + 1 : binding.start - 1;
}

// Pins each family's binding order: with one numeric edit emptied, every sync stops there, so the values
// before it in the order take what was typed and those after it keep their start values.
TEST_P(CameraSyncOrderTest, ASyncStoppedAtAnEditKeepsTheValuesBeforeItAndNoneAfterIt)
{
    const CameraFamilyData& data = FamilyData(CameraFamilyFor(GetParam().model));
    std::vector<CameraNumber> order;
    for (const SyncStep& step : data.syncOrder) {
        if (step.kind == SyncStep::Kind::Number)
            order.push_back(step.number);
    }
    for (std::size_t failing = 0; failing < order.size(); ++failing) {
        CameraSettingsModel model = makeModel(GetParam().model);
        const DialogOutcome emptied = model.changeNumber(order[failing], "");
        ASSERT_EQ(emptied.focusControl, FindNumber(data, order[failing])->controlId);
        for (std::size_t other = 0; other < order.size(); ++other) {
            if (other != failing)
                (void)model.changeNumber(order[other], std::to_string(OtherValue(*FindNumber(data, order[other]))));
        }
        for (std::size_t other = 0; other < order.size(); ++other) {
            const NumberBinding& binding = *FindNumber(data, order[other]);
            const int expected = other < failing ? OtherValue(binding) : binding.start;
            EXPECT_EQ(model.value(order[other]), expected)
                << KeyOf(order[other]) << " with " << KeyOf(order[failing]) << " emptied";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Families, CameraSyncOrderTest,
    ::testing::Values(FamilyModel { "Generic", 1 }, FamilyModel { "Q100", 14 }, FamilyModel { "Q220", 6 },
        FamilyModel { "Q300", 11 }, FamilyModel { "Q400", 2 }, FamilyModel { "Q420", 8 }),
    [](const ::testing::TestParamInfo<FamilyModel>& row) { return std::string { row.param.name }; });

} // namespace
} // namespace tamb
