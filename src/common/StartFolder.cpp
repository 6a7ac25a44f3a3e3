#include "common/StartFolder.h"

#include "common/Paths.h"
#include "common/Utf8Text.h"

#include <algorithm>

namespace tamb {

std::string ChooseStartFolder(std::span<const Volume> volumes, std::string_view fallback)
{
    const auto usable
        = [](const Volume& volume) { return volume.removable && Utf16Length(volume.root) <= kFolderTextLimit; };
    const auto camera = std::find_if(volumes.begin(), volumes.end(),
        [&](const Volume& volume) { return usable(volume) && volume.holdsCameraFiles; });
    if (camera != volumes.end()) {
        return camera->root;
    }
    const auto first = std::find_if(volumes.begin(), volumes.end(), usable);
    return first != volumes.end() ? first->root : std::string { fallback };
}

} // namespace tamb
