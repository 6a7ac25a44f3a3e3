#include "common/StartFolder.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace tamb {
namespace {

constexpr std::string_view kHome = "/home/owner";

struct VolumeCase
{
    const char* name;
    std::vector<Volume> volumes;
    std::string expected;
};

void PrintTo(const VolumeCase& row, std::ostream* out)
{
    *out << row.name << " -> " << row.expected;
}

class StartFolderTest : public ::testing::TestWithParam<VolumeCase>
{
};

TEST_P(StartFolderTest, StartsOnTheCameraCard)
{
    EXPECT_EQ(ChooseStartFolder(GetParam().volumes, kHome), GetParam().expected);
}

const Volume kSystemDisk { .root = "/", .removable = false, .holdsCameraFiles = false };
const Volume kStick { .root = "/media/owner/STICK", .removable = true, .holdsCameraFiles = false };
const Volume kCard { .root = "/media/owner/CARD", .removable = true, .holdsCameraFiles = true };
const Volume kFixedWithPictures { .root = "/mnt/photos", .removable = false, .holdsCameraFiles = true };
const Volume kDeepMount { .root = "/media/" + std::string(80, 'x'), .removable = true, .holdsCameraFiles = true };

INSTANTIATE_TEST_SUITE_P(Volumes, StartFolderTest,
    ::testing::Values(VolumeCase { "NothingMounted", {}, std::string { kHome } },
        VolumeCase { "NoRemovableVolume", { kSystemDisk, kFixedWithPictures }, std::string { kHome } },
        VolumeCase { "OneRemovable", { kSystemDisk, kStick }, kStick.root },
        VolumeCase { "SeveralTakeTheFirst", { kStick, { .root = "E:\\", .removable = true } }, kStick.root },
        VolumeCase { "SeveralTakeTheOneWithCameraFiles", { kSystemDisk, kStick, kCard }, kCard.root },
        VolumeCase { "CameraFilesOnAFixedDiskDoNotCount", { kFixedWithPictures, kStick }, kStick.root },
        VolumeCase { "ARootTooLongForTheDialogIsPassedOver", { kDeepMount, kStick }, kStick.root }),
    [](const auto& row) { return std::string { row.param.name }; });

} // namespace
} // namespace tamb
