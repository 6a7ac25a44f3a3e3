#include "common/OwnedFile.h"

#include <cerrno>
#include <new>
#include <utility>
#include <vector>

#ifdef _WIN32
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tamb {
namespace {

std::error_code LastError()
{
    return { errno, std::generic_category() };
}

#ifdef _WIN32

// A file whose removal is pending (another run removed it and still holds it) refuses to be opened, and so does
// a folder that refuses new files; only in the first case is the name still there.
bool NameTaken(const std::filesystem::path& path)
{
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return true;
    }
    const DWORD error = GetLastError();
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

HANDLE HandleOf(int descriptor)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
}

#else

bool SameFile(const struct stat& left, const struct stat& right)
{
    return left.st_dev == right.st_dev && left.st_ino == right.st_ino;
}

// True when `descriptor` is the file that `path` names right now (not a file that replaced it).
bool NamesFile(const std::filesystem::path& path, int descriptor)
{
    struct stat held
    {
    };
    struct stat named
    {
    };
    return ::fstat(descriptor, &held) == 0 && ::lstat(path.c_str(), &named) == 0 && SameFile(held, named);
}

// File systems without locks (some network and FUSE mounts) refuse flock; the file then goes unlocked.
bool LocksUnsupported(int error)
{
    return error == EOPNOTSUPP || error == ENOLCK || error == EINVAL;
}

bool LockWaiting(int descriptor)
{
    while (::flock(descriptor, LOCK_EX) != 0) {
        if (errno != EINTR) {
            return LocksUnsupported(errno);
        }
    }
    return true;
}

// Another run may find the new name before it is locked, take it for abandoned and remove it; so many tries are
// more than any real contention needs.
constexpr int kCreateAttempts = 100;

#endif

} // namespace

#ifdef _WIN32

namespace {

// The portable meaning of the Windows errors that creating a file meets; others keep their Windows code.
std::error_code WindowsError(DWORD error)
{
    switch (error) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return std::make_error_code(std::errc::file_exists);
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return std::make_error_code(std::errc::no_such_file_or_directory);
    case ERROR_ACCESS_DENIED:
        return std::make_error_code(std::errc::permission_denied);
    case ERROR_WRITE_PROTECT:
        return std::make_error_code(std::errc::read_only_file_system);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return std::make_error_code(std::errc::no_space_on_device);
    default:
        return { static_cast<int>(error), std::system_category() };
    }
}

} // namespace

OwnedFile OwnedFile::create(const std::filesystem::path& path, FileAccess, std::error_code& error)
{
    // Creating a new file fails on any existing name; sharing nothing is the lock on Windows. The handle may
    // delete and rename its file, so that the name is taken away or moved while the file is still held.
    const HANDLE handle = CreateFileW(
        path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        error = code == ERROR_ACCESS_DENIED && NameTaken(path) ? std::make_error_code(std::errc::file_exists)
                                                               : WindowsError(code);
        return {};
    }
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
    if (descriptor < 0) {
        error = LastError();
        FILE_DISPOSITION_INFO removal { TRUE };
        SetFileInformationByHandle(handle, FileDispositionInfo, &removal, sizeof removal);
        CloseHandle(handle);
        return {};
    }
    error.clear();
    return OwnedFile { path, descriptor };
}

#else

OwnedFile OwnedFile::create(const std::filesystem::path& path, FileAccess access, std::error_code& error)
{
    const mode_t mode = access == FileAccess::OwnerOnly ? 0600 : 0666;
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (descriptor < 0) {
            error = LastError();
            return {};
        }
        if (!LockWaiting(descriptor)) {
            error = LastError();
            // Unlocked, the new file would pass for one that a killed run left; it is this run's, so it goes now.
            if (NamesFile(path, descriptor)) {
                ::unlink(path.c_str());
            }
            ::close(descriptor);
            return {};
        }
        if (NamesFile(path, descriptor)) {
            error.clear();
            return OwnedFile { path, descriptor };
        }
        ::close(descriptor);
    }
    error = std::make_error_code(std::errc::resource_unavailable_try_again);
    return {};
}

#endif

OwnedFile::~OwnedFile()
{
    static_cast<void>(close());
}

OwnedFile::OwnedFile(OwnedFile&& other) noexcept
    : m_path(std::move(other.m_path))
    , m_descriptor(std::exchange(other.m_descriptor, -1))
{
}

OwnedFile& OwnedFile::operator=(OwnedFile&& other) noexcept
{
    if (this != &other) {
        static_cast<void>(close());
        m_path = std::move(other.m_path);
        m_descriptor = std::exchange(other.m_descriptor, -1);
    }
    return *this;
}

bool OwnedFile::write(std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
#ifdef _WIN32
        const auto written = _write(m_descriptor, bytes.data(), static_cast<unsigned>(bytes.size()));
#else
        const auto written = ::write(m_descriptor, bytes.data(), bytes.size());
#endif
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

std::error_code OwnedFile::read(std::size_t offset, std::span<std::uint8_t> bytes, std::size_t& count)
{
    count = 0;
#ifdef _WIN32
    if (_lseeki64(m_descriptor, static_cast<__int64>(offset), SEEK_SET) < 0) {
        return LastError();
    }
#endif
    while (count < bytes.size()) {
        const auto rest = bytes.subspan(count);
#ifdef _WIN32
        const auto read = _read(m_descriptor, rest.data(), static_cast<unsigned>(rest.size()));
#else
        const auto read = ::pread(m_descriptor, rest.data(), rest.size(), static_cast<off_t>(offset + count));
#endif
        if (read < 0 && errno == EINTR) {
            continue;
        }
        if (read < 0) {
            return LastError();
        }
        if (read == 0) {
            break;
        }
        count += static_cast<std::size_t>(read);
    }
    return {};
}

bool OwnedFile::flush()
{
#ifdef _WIN32
    return _commit(m_descriptor) == 0;
#else
    return ::fsync(m_descriptor) == 0;
#endif
}

void OwnedFile::dropCachedPages()
{
#ifdef __linux__
    static_cast<void>(::posix_fadvise(m_descriptor, 0, 0, POSIX_FADV_DONTNEED));
#endif
}

std::error_code OwnedFile::setPermissions([[maybe_unused]] std::filesystem::perms permissions)
{
#ifndef _WIN32
    if (::fchmod(m_descriptor, static_cast<mode_t>(permissions & std::filesystem::perms::all)) != 0) {
        return LastError();
    }
#endif
    return {};
}

std::error_code OwnedFile::wipe()
{
#ifdef _WIN32
    const auto size = _filelengthi64(m_descriptor);
    if (size < 0 || _lseeki64(m_descriptor, 0, SEEK_SET) < 0) {
        return LastError();
    }
#else
    struct stat status
    {
    };
    if (::fstat(m_descriptor, &status) != 0) {
        return LastError();
    }
    const auto size = status.st_size;
    if (::lseek(m_descriptor, 0, SEEK_SET) < 0) {
        return LastError();
    }
#endif
    const std::vector<std::uint8_t> zeros(static_cast<std::size_t>(size), 0);
    if (!write(zeros) || !flush()) {
        return LastError();
    }
    return {};
}

std::error_code OwnedFile::renameTo(const std::filesystem::path& target)
{
#ifdef _WIN32
    // Renamed through the held handle: closing first would let another run take the file for abandoned.
    const auto name = std::filesystem::absolute(target).native();
    std::vector<std::byte> buffer(sizeof(FILE_RENAME_INFO) + name.size() * sizeof(wchar_t));
    auto* rename = new (buffer.data()) FILE_RENAME_INFO {};
    rename->ReplaceIfExists = TRUE;
    rename->FileNameLength = static_cast<DWORD>(name.size() * sizeof(wchar_t));
    std::memcpy(buffer.data() + offsetof(FILE_RENAME_INFO, FileName), name.data(), rename->FileNameLength);
    if (SetFileInformationByHandle(HandleOf(m_descriptor), FileRenameInfo, rename, static_cast<DWORD>(buffer.size()))
        == FALSE) {
        return WindowsError(GetLastError());
    }
#else
    std::error_code error;
    std::filesystem::rename(m_path, target, error);
    if (error) {
        return error;
    }
#endif
    m_path = target;
    return {};
}

std::error_code OwnedFile::remove()
{
#ifdef _WIN32
    // A file closed already goes by its name.
    if (m_descriptor < 0) {
        return _wremove(m_path.c_str()) == 0 ? std::error_code {} : LastError();
    }
    // The name goes when the held file is closed; until then other runs see it in use and wait.
    FILE_DISPOSITION_INFO removal { TRUE };
    if (SetFileInformationByHandle(HandleOf(m_descriptor), FileDispositionInfo, &removal, sizeof removal) == FALSE) {
        return WindowsError(GetLastError());
    }
    static_cast<void>(close());
    return {};
#else
    return ::unlink(m_path.c_str()) == 0 ? std::error_code {} : LastError();
#endif
}

bool OwnedFile::close()
{
    if (m_descriptor < 0) {
        return true;
    }
#ifdef _WIN32
    const bool closed = _close(m_descriptor) == 0;
#else
    const bool closed = ::close(m_descriptor) == 0;
#endif
    m_descriptor = -1;
    return closed;
}

#ifdef _WIN32

std::optional<std::filesystem::perms> KeptPermissions(const std::filesystem::path&, std::error_code& error)
{
    error.clear();
    return std::nullopt;
}

Removal RemoveAbandonedFile(const std::filesystem::path& path, std::error_code& error)
{
    // A file that another program holds open cannot be removed on Windows: that refusal is the lock.
    error.clear();
    if (_wremove(path.c_str()) == 0 || errno == ENOENT) {
        return Removal::Removed;
    }
    error = LastError();
    return errno == EACCES ? Removal::InUse : Removal::Failed;
}

#else

std::optional<std::filesystem::perms> KeptPermissions(const std::filesystem::path& target, std::error_code& error)
{
    error.clear();
    struct stat previous
    {
    };
    if (::lstat(target.c_str(), &previous) != 0) {
        if (errno != ENOENT) {
            error = LastError();
        }
        return std::nullopt;
    }
    // Another user's mode says what that user wanted for that user's file, not for ours.
    if (!S_ISREG(previous.st_mode) || previous.st_uid != ::geteuid()) {
        return std::nullopt;
    }
    // Only the permission bits: a set-user-id bit has no business on a settings file.
    return static_cast<std::filesystem::perms>(previous.st_mode & 0777);
}

Removal RemoveAbandonedFile(const std::filesystem::path& path, std::error_code& error)
{
    error.clear();
    struct stat named
    {
    };
    if (::lstat(path.c_str(), &named) != 0) {
        if (errno == ENOENT) {
            return Removal::Removed;
        }
        error = LastError();
        return Removal::Failed;
    }
    if (S_ISDIR(named.st_mode)) {
        error = std::make_error_code(std::errc::is_a_directory);
        return Removal::Failed;
    }
    // Only a regular file can be another run's; a link or anything else is just a name to take away.
    const int descriptor
        = S_ISREG(named.st_mode) ? ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC) : -1;
    if (descriptor >= 0) {
        const bool held = ::flock(descriptor, LOCK_EX | LOCK_NB) != 0 && !LocksUnsupported(errno);
        if (held || !NamesFile(path, descriptor)) {
            ::close(descriptor);
            return Removal::InUse;
        }
    }
    const bool removed = ::unlink(path.c_str()) == 0 || errno == ENOENT;
    if (!removed) {
        error = LastError();
    }
    if (descriptor >= 0) {
        ::close(descriptor);
    }
    return removed ? Removal::Removed : Removal::Failed;
}

#endif

} // namespace tamb
