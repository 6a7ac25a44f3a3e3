#include "camera/CameraAssignments.h"

#include "CameraModelFixture.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace tamb {
namespace {

using test::CameraModelFixture;

struct RejectionCase
{
    std::string name;
    ModelId model;
    std::vector<CameraAssignment> assignments;
    std::string reasonPart; // the message must name the key and what is allowed
};

void PrintTo(const RejectionCase& row, std::ostream* stream)
{
    *stream << row.name << " model " << row.model;
}

class CameraRejectionTest : public CameraModelFixture, public ::testing::TestWithParam<RejectionCase>
{
};

TEST_P(CameraRejectionTest, RefusesWithAMessageAndChangesNothing)
{
    CameraSettingsModel model = makeModel(GetParam().model);
    const CameraSettings before = model.collect();
    const Status applied = ApplyCameraAssignments(model, GetParam().assignments);
    ASSERT_FALSE(applied.ok());
    EXPECT_NE(applied.reason().find(GetParam().reasonPart), std::string::npos) << applied.reason();
    const CameraSettings after = model.collect();
    EXPECT_EQ(after.videoLength, before.videoLength);
    EXPECT_EQ(after.cameraMode, before.cameraMode);
    EXPECT_EQ(after.interval, before.interval);
}

INSTANTIATE_TEST_SUITE_P(Assignments, CameraRejectionTest,
    ::testing::Values(RejectionCase { "UnknownKey", 1, { { "flash", "1" } }, "flash=1: unknown key" },
        RejectionCase {
            "KeyOfAnotherFamily", 6, { { "sidePir", "1" } }, "sidePir=1: the camera dialog of model 6 has no" },
        RejectionCase { "HiddenSdCycleRow", 3, { { "sdCycle", "1" } }, "sdCycle=1: the camera dialog of model 3" },
        RejectionCase {
            "ListIndexPastTheEnd", 1, { { "cameraMode", "3" } }, "allowed 0..2 (0 Camera, 1 Video, 2 Camera+Video)" },
        RejectionCase {
            "ModelSpecificSizes", 13, { { "imageSize", "4" } }, "allowed 0..3 (0 5MP, 1 12MP, 2 1.3MP, 3 14MP)" },
        RejectionCase { "NotANumber", 1, { { "senseLevel", "high" } }, "senseLevel=high: allowed 0..3" },
        RejectionCase {
            "VideoLengthZero", 1, { { "videoLength", "0" } }, "videoLength=0: allowed a whole number from 1 to 60" },
        RejectionCase { "HourAbove23", 2, { { "timer2StopHour", "24" } }, "from 0 to 23" },
        RejectionCase { "ZeroMinutes", 1, { { "interval", "0" } }, "interval=0" },
        RejectionCase { "LatitudeAt90WithMinutes", 11, { { "latitudeDegrees", "90" }, { "latitudeMinutes", "1" } },
            "latitudeMinutes=1: must be 0 when latitudeDegrees is 90" },
        RejectionCase { "SerialTooShort", 1, { { "serialNumber", "A7" } }, "four characters from 0-9 and A-Z" },
        RejectionCase { "SerialWithABlank", 1, { { "serialNumber", "A7 Z" } }, "serialNumber=A7 Z" },
        RejectionCase { "PasswordWithALetter", 14, { { "wirelessPassword", "12a" } }, "up to four digits" },
        RejectionCase {
            "LaterBadKeyStopsEarlierGoodOnes", 1, { { "videoLength", "30" }, { "cameraMode", "9" } }, "cameraMode=9" }),
    [](const ::testing::TestParamInfo<RejectionCase>& row) { return row.param.name; });

class CameraAssignmentTest : public CameraModelFixture, public ::testing::Test
{
};

TEST_F(CameraAssignmentTest, AcceptedSettingsReachTheRecordAsTheDialogWouldWriteThem)
{
    CameraSettingsModel model = makeModel(13);
    const std::vector<CameraAssignment> assignments {
        { "interval", "0" },
        { "intervalUnit", "0" },
        { "serialNumber", "a70Z" },
        { "longitudeDirection", "1" },
        { "longitudeDegrees", "8" },
        { "longitudeMinutes", "15" },
        { "longitudeSeconds", "30" },
        { "latitudeDegrees", "90" },
        { "timer1Enabled", "1" },
        { "timer1StartHour", "6" },
        { "videoLength", "60" },
    };
    ASSERT_TRUE(ApplyCameraAssignments(model, assignments).ok());
    const CameraSettings settings = model.collect();
    EXPECT_EQ(settings.interval, 128);
    EXPECT_EQ(settings.serialNumber, (std::array<std::int32_t, 4> { 10, 7, 0, 35 }));
    EXPECT_EQ(settings.longitudeDirection, 1);
    EXPECT_EQ(settings.longitudeSeconds, 30);
    EXPECT_EQ(settings.latitudeDegrees, 90);
    EXPECT_EQ(settings.timer1StartHour, 6);
    EXPECT_EQ(settings.videoLength, 59);
    EXPECT_FALSE(model.isReadOnly(CameraNumber::Timer1StartHour));
}

// Each checked key is the control's own event, as in the dialog: a locked edit keeps the value for when its switch
// unlocks it, and picking the entry a list already shows runs its handler again.
TEST_F(CameraAssignmentTest, EachKeyIsTheControlsEventEvenWhereNothingSeemsToChange)
{
    CameraSettingsModel locked = makeModel(1);
    ASSERT_TRUE(ApplyCameraAssignments(locked, std::vector<CameraAssignment> { { "timer1StartHour", "5" } }).ok());
    EXPECT_TRUE(locked.isReadOnly(CameraNumber::Timer1StartHour));
    EXPECT_EQ(locked.collect().timer1StartHour, 5);

    // An interval of 0 held under the unit Minute, as a file may hold it: picking Minute again corrects it to 1.
    CameraSettingsModel held = makeModel(1);
    ASSERT_TRUE(
        LoadCameraAssignments(held, std::vector<CameraAssignment> { { "intervalUnit", "1" }, { "interval", "0" } })
            .ok());
    ASSERT_EQ(held.value(CameraNumber::Interval), 0);
    ASSERT_TRUE(ApplyCameraAssignments(held, std::vector<CameraAssignment> { { "intervalUnit", "1" } }).ok());
    EXPECT_EQ(held.value(CameraNumber::Interval), 1);
}

// The help must name every key the model takes and no other: each key is given the value "x", which a key the
// model takes refuses as a value and any other key refuses as a key.
class CameraKeyHelpTest : public CameraModelFixture, public ::testing::TestWithParam<ModelId>
{
};

TEST_P(CameraKeyHelpTest, DescribesExactlyTheKeysTheModelTakes)
{
    CameraSettingsModel model = makeModel(GetParam());
    std::set<std::string> described;
    for (const CameraKeyHelp& help : DescribeCameraKeys(model)) {
        EXPECT_TRUE(described.insert(help.key).second) << help.key << " is described twice";
        EXPECT_FALSE(help.allowed.empty()) << help.key;
    }
    std::set<std::string> everyKey { kCameraListKeys.begin(), kCameraListKeys.end() };
    everyKey.insert(kCameraNumberKeys.begin(), kCameraNumberKeys.end());
    everyKey.insert("wirelessPassword");
    for (const std::string& key : everyKey) {
        const Status applied = ApplyCameraAssignments(model, std::vector<CameraAssignment> { { key, "x" } });
        ASSERT_FALSE(applied.ok()) << key;
        EXPECT_EQ(applied.reason().starts_with(key + "=x: allowed"), described.contains(key)) << applied.reason();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryModel, CameraKeyHelpTest, ::testing::Range(1, kModelCount + 1),
    [](const ::testing::TestParamInfo<ModelId>& row) { return "Model" + std::to_string(row.param); });

} // namespace
} // namespace tamb
