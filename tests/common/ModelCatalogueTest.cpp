#include "common/ModelCatalogue.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace tamb {
namespace {

bool IsOneOf(ModelId model, std::initializer_list<ModelId> models)
{
    return std::find(models.begin(), models.end(), model) != models.end();
}

// The routing rules stated per dialog rather than per model, so that a wrong cell in the model table shows up.
SetupDialog ExpectedCameraDialog(ModelId model)
{
    if (IsOneOf(model, { 2, 4, 7, 10 })) {
        return SetupDialog::Q400Menu;
    }
    if (IsOneOf(model, { 6, 9 })) {
        return SetupDialog::Q220Menu;
    }
    if (model == 8) {
        return SetupDialog::Q420Menu;
    }
    if (IsOneOf(model, { 11, 12, 13, 17 })) {
        return SetupDialog::Q300Menu;
    }
    if (model == 14) {
        return SetupDialog::Q100Menu;
    }
    return SetupDialog::CameraMenu;
}

class ModelRoutingTest : public ::testing::TestWithParam<ModelId>
{
};

TEST_P(ModelRoutingTest, RoutesAndEnablesByTheRules)
{
    const ModelId model = GetParam();
    EXPECT_EQ(CameraDialogFor(model), ExpectedCameraDialog(model));
    EXPECT_EQ(MmsDialogFor(model),
        IsOneOf(model, { 2, 4, 7, 8, 10, 13, 15, 16, 17 }) ? SetupDialog::Q400Mms : SetupDialog::Mms);
    EXPECT_EQ(SmtpDialogFor(model),
        IsOneOf(model, { 4, 7, 8, 10, 13, 15, 16, 17 }) ? SetupDialog::Q400Smtp : SetupDialog::Q200Smtp);

    ButtonAvailability expected { true, true };
    if (IsOneOf(model, { 1, 2 })) {
        expected = { true, false };
    } else if (IsOneOf(model, { 11, 12, 14 })) {
        expected = { false, false };
    }
    EXPECT_EQ(ButtonsFor(model), expected);
}

INSTANTIATE_TEST_SUITE_P(EveryModelId, ModelRoutingTest, ::testing::Range(-1, kModelCount + 2), [](const auto& row) {
    return row.param < 0 ? std::string { "ModelMinus" } + std::to_string(-row.param)
                         : "Model" + std::to_string(row.param);
});

TEST(ModelCatalogueTest, TitlesOutsideTheListUseTheBrandCaption)
{
    EXPECT_EQ(ModelTitle(0), "Tamb Vorrel");
    EXPECT_EQ(ModelTitle(kModelCount + 1), "Tamb Vorrel");
    EXPECT_EQ(ModelTitle(-5), "Tamb Vorrel");
    EXPECT_EQ(ModelTitle(15), "Tamb Vorrel Q200 1080P");
    EXPECT_EQ(ModelTitle(17), "Tamb Vorrel Q230 1080P");
}

TEST(ModelCatalogueTest, FamiliesFollowTheCameraDialog)
{
    EXPECT_EQ(CameraFamilyFor(13), CameraFamily::Q300);
    EXPECT_EQ(CameraFamilyFor(8), CameraFamily::Q420);
    EXPECT_EQ(CameraFamilyFor(14), CameraFamily::Q100);
    EXPECT_EQ(CameraFamilyFor(9), CameraFamily::Q220);
    EXPECT_EQ(CameraFamilyFor(10), CameraFamily::Q400);
    EXPECT_EQ(CameraFamilyFor(0), CameraFamily::Generic);
    EXPECT_EQ(CameraFamilyFor(16), CameraFamily::Generic);
}

} // namespace
} // namespace tamb
