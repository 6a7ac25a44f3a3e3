#include "ui/BlockDevice.h"

#include "support/TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace tamb {
namespace {

namespace fs = std::filesystem;

// A block device as the kernel lays it out: its folder under devices/, reached from class/block/<name>.
struct DeviceCase
{
    const char* name;
    std::string devicePath; // under devices/, ending with the disk and, for a partition, the partition
    std::string removable; // the disk's "removable" flag
    std::string cardType; // the disk's device/type, empty when it has none
    bool expected;
};

void PrintTo(const DeviceCase& row, std::ostream* out)
{
    *out << row.name << " " << row.devicePath;
}

void WriteLine(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text << '\n';
}

class BlockDeviceTest : public ::testing::TestWithParam<DeviceCase>
{
protected:
    // Lays out the device of the row and returns the name of its /dev entry.
    [[nodiscard]] std::string layOut() const
    {
        const fs::path device = m_sysfs.path() / "devices" / GetParam().devicePath;
        const bool partition = device.parent_path().filename() != "block";
        const fs::path disk = partition ? device.parent_path() : device;
        fs::create_directories(device);
        if (partition) {
            WriteLine(device / "partition", "1");
        }
        WriteLine(disk / "removable", GetParam().removable);
        if (!GetParam().cardType.empty()) {
            WriteLine(disk / "device" / "type", GetParam().cardType);
        }
        fs::create_directories(m_sysfs.path() / "class" / "block");
        fs::create_directory_symlink(device, m_sysfs.path() / "class" / "block" / device.filename());
        return device.filename().string();
    }

    test::TempFolder m_sysfs;
};

TEST_P(BlockDeviceTest, TellsACardOrStickFromAFixedDisk)
{
    const auto name = layOut();
    EXPECT_EQ(IsRemovableBlockDevice(fs::path { "/nonexistent-dev" } / name, m_sysfs.path()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Devices, BlockDeviceTest,
    ::testing::Values(
        DeviceCase { .name = "UsbCardReaderPartition",
            .devicePath = "pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb/sdb1",
            .removable = "0",
            .cardType = "",
            .expected = true },
        DeviceCase { .name = "RemovableWholeDisk",
            .devicePath = "pci0000:00/0000:00:17.0/ata2/host1/target1:0:0/1:0:0:0/block/sdc",
            .removable = "1",
            .cardType = "",
            .expected = true },
        DeviceCase { .name = "SdCardInABuiltInReader",
            .devicePath = "pci0000:00/0000:00:1e.6/mmc_host/mmc0/mmc0:aaaa/block/mmcblk0/mmcblk0p1",
            .removable = "0",
            .cardType = "SD",
            .expected = true },
        DeviceCase { .name = "SolderedEmmc",
            .devicePath = "platform/fe310000.mmc/mmc_host/mmc1/mmc1:0001/block/mmcblk1/mmcblk1p2",
            .removable = "0",
            .cardType = "MMC",
            .expected = false },
        DeviceCase { .name = "SataSystemDisk",
            .devicePath = "pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda/sda2",
            .removable = "0",
            .cardType = "",
            .expected = false }),
    [](const auto& row) { return std::string { row.param.name }; });

TEST(BlockDeviceTest, ADeviceTheKernelDoesNotListIsNotRemovable)
{
    const test::TempFolder sysfs;
    EXPECT_FALSE(IsRemovableBlockDevice("/dev/mapper/root", sysfs.path()));
    EXPECT_FALSE(IsRemovableBlockDevice("", sysfs.path()));
}

} // namespace
} // namespace tamb
