#include "ui/MountedVolumes.h"

#include "common/Paths.h"
#include "ui/BlockDevice.h"

#include <QDir>
#include <QStorageInfo>
#include <QString>
#include <algorithm>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tamb {
namespace {

bool IsRemovable([[maybe_unused]] const QStorageInfo& storage)
{
#if defined(_WIN32)
    const auto root = QDir::toNativeSeparators(storage.rootPath()).toStdWString();
    return GetDriveTypeW(root.c_str()) == DRIVE_REMOVABLE;
#elif defined(__linux__)
    const QByteArray device = storage.device();
    return device.startsWith("/dev/") && IsRemovableBlockDevice(std::filesystem::path { device.toStdString() });
#else
    return false;
#endif
}

bool HoldsAny(const std::string& root, std::span<const std::string_view> names)
{
    const auto folder = PathFromUtf8(root);
    return std::any_of(names.begin(), names.end(), [&](std::string_view name) {
        std::error_code error;
        return std::filesystem::exists(folder / PathFromUtf8(name), error);
    });
}

} // namespace

std::vector<Volume> MountedVolumes(std::span<const std::string_view> cameraFileNames)
{
    std::vector<Volume> volumes;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (!storage.isValid() || !storage.isReady()) {
            continue;
        }
        Volume volume;
        volume.root = QDir::toNativeSeparators(storage.rootPath()).toStdString();
        volume.removable = IsRemovable(storage);
        // Only removable media are looked into: a network drive could keep the dialog waiting.
        volume.holdsCameraFiles = volume.removable && HoldsAny(volume.root, cameraFileNames);
        volumes.push_back(std::move(volume));
    }
    return volumes;
}

} // namespace tamb
