#include "common/WriteErrorKind.h"

#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/statvfs.h>
#endif

namespace tamb {
namespace {

namespace fs = std::filesystem;

// A name that is there but is no folder (a file typed where a folder belongs) is not a card taken out.
bool FolderIsGone(const fs::path& folder)
{
    std::error_code error;
    const auto type = fs::status(folder, error).type();
    return type == fs::file_type::not_found || type == fs::file_type::none;
}

// A write-protected card often answers a write with a plain "access denied"; the volume's own flag tells the
// lock switch from a folder the user may not write.
bool VolumeIsReadOnly(const fs::path& folder)
{
#ifdef _WIN32
    const auto root = folder.root_path();
    DWORD flags = 0;
    return !root.empty() && GetVolumeInformationW(root.c_str(), nullptr, 0, nullptr, nullptr, &flags, nullptr, 0) != 0
        && (flags & FILE_READ_ONLY_VOLUME) != 0;
#else
    struct statvfs volume
    {
    };
    return ::statvfs(folder.c_str(), &volume) == 0 && (volume.f_flag & ST_RDONLY) != 0;
#endif
}

#ifdef _WIN32
FailureKind ClassifyWindowsError(int code)
{
    switch (code) {
    case ERROR_WRITE_PROTECT:
        return FailureKind::WriteProtected;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return FailureKind::Full;
    case ERROR_NOT_READY:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_DEVICE_NOT_CONNECTED:
        return FailureKind::Missing;
    default:
        return FailureKind::Other;
    }
}
#endif

FailureKind ClassifyErrno(int code)
{
    switch (code) {
    case EROFS:
        return FailureKind::WriteProtected;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return FailureKind::Full;
    case ENODEV:
    case ENXIO:
        return FailureKind::Missing;
    default:
        return FailureKind::Other;
    }
}

bool IsRefusal(std::error_code error)
{
#ifdef _WIN32
    if (error.category() == std::system_category() && error.value() == ERROR_ACCESS_DENIED) {
        return true;
    }
#endif
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted;
}

} // namespace

FailureKind ClassifyWriteError(std::error_code error, const fs::path& folder)
{
    if (!error) {
        return FailureKind::Other;
    }
#ifdef _WIN32
    if (error.category() == std::system_category()) {
        if (const auto kind = ClassifyWindowsError(error.value()); kind != FailureKind::Other) {
            return kind;
        }
    }
#endif
    if (const auto condition = error.default_error_condition(); condition.category() == std::generic_category()) {
        if (const auto kind = ClassifyErrno(condition.value()); kind != FailureKind::Other) {
            return kind;
        }
    }
    // A card taken out shows as "no such file", an input/output error or "not ready", depending on the moment;
    // the folder being gone is what they share.
    if (FolderIsGone(folder)) {
        return FailureKind::Missing;
    }
    if (IsRefusal(error) && VolumeIsReadOnly(folder)) {
        return FailureKind::WriteProtected;
    }
    return FailureKind::Other;
}

Status WriteErrorStatus(const std::string& context, std::error_code error, const fs::path& folder)
{
    return Status::failure(context + error.message(), ClassifyWriteError(error, folder));
}

} // namespace tamb
