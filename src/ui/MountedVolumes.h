#pragma once

#include "common/StartFolder.h"

#include <span>
#include <string_view>
#include <vector>

namespace tamb {

// Every mounted volume that is ready, with the system's word on whether its medium can be taken out (the drive
// type on Windows, the kernel's device tree on Linux; nowhere else). A removable volume holds camera files when
// its root has an entry with one of `cameraFileNames`.
[[nodiscard]] std::vector<Volume> MountedVolumes(std::span<const std::string_view> cameraFileNames);

} // namespace tamb
