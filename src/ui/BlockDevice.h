#pragma once

#include <filesystem>

namespace tamb {

// True when the Linux block device `device` (such as /dev/sdb1, or a whole disk such as /dev/sdc) is a medium
// that can be taken out, as the kernel's device tree under `sysfs` describes it: its disk says "removable", the
// disk sits behind USB (a card reader or a stick, which often claim to be fixed), or it is an SD card in a
// built-in reader. False for anything else, and for a device the tree does not know.
[[nodiscard]] bool IsRemovableBlockDevice(
    const std::filesystem::path& device, const std::filesystem::path& sysfs = std::filesystem::path { "/sys" });

} // namespace tamb
