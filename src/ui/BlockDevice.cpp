#include "ui/BlockDevice.h"

#include "common/SmallFile.h"

#include <algorithm>
#include <string>
#include <system_error>

namespace tamb {
namespace {

namespace fs = std::filesystem;

// The first line of a small sysfs attribute, or nothing.
std::string Attribute(const fs::path& path)
{
    constexpr std::size_t kAttributeLimit = 64;
    auto text = ReadSmallRegularFile(path, kAttributeLimit).value_or(std::string {});
    text.erase(std::find(text.begin(), text.end(), '\n'), text.end());
    return text;
}

bool BehindUsb(const fs::path& devicePath)
{
    return std::any_of(
        devicePath.begin(), devicePath.end(), [](const fs::path& part) { return part.string().starts_with("usb"); });
}

} // namespace

bool IsRemovableBlockDevice(const fs::path& device, const fs::path& sysfs)
{
    // A mount may name its device through a link (/dev/disk/by-uuid/...); the kernel knows it by its own name.
    std::error_code error;
    const auto resolved = fs::canonical(device, error);
    const auto name = (error ? device : resolved).filename();
    if (name.empty()) {
        return false;
    }
    const auto devicePath = fs::canonical(sysfs / "class" / "block" / name, error);
    if (error) {
        return false;
    }
    // A partition's flags belong to the disk that holds it.
    const auto disk = fs::exists(devicePath / "partition", error) ? devicePath.parent_path() : devicePath;
    return Attribute(disk / "removable") == "1" || BehindUsb(devicePath) || Attribute(disk / "device" / "type") == "SD";
}

} // namespace tamb
