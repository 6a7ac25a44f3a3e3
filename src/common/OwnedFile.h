#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <system_error>

namespace tamb {

// Who may read a file this program creates, where the file system keeps modes.
enum class FileAccess
{
    Everyone, // read and write for everyone the process's umask allows
    OwnerOnly, // read and write for the owner alone: the file holds passwords
};

// A file this process created itself, held open and locked until it is closed. Folders on a card are shared with
// other programs and other users, so creation never follows a link and never opens a file that already exists:
// nothing planted under the name can receive the bytes. The lock tells other runs that the file is in use, so
// RemoveAbandonedFile leaves it alone.
class OwnedFile
{
public:
    // Creates `path` exclusively. On failure the file is not open and `error` says why; an existing name of any
    // kind (file, link, dangling link) gives std::errc::file_exists. A file that was created but could not be
    // locked is removed again at once.
    [[nodiscard]] static OwnedFile create(const std::filesystem::path& path, FileAccess access, std::error_code& error);

    OwnedFile() = default;
    ~OwnedFile();
    OwnedFile(OwnedFile&& other) noexcept;
    OwnedFile& operator=(OwnedFile&& other) noexcept;
    OwnedFile(const OwnedFile&) = delete;
    OwnedFile& operator=(const OwnedFile&) = delete;

    [[nodiscard]] bool isOpen() const { return m_descriptor >= 0; }
    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }

    // Appends `bytes`; false with errno set when the system refuses some of them.
    [[nodiscard]] bool write(std::span<const std::uint8_t> bytes);
    // Reads up to `bytes.size()` bytes at `offset`, fewer only where the file ends; `count` says how many were read.
    // The system's error when it refuses.
    [[nodiscard]] std::error_code read(std::size_t offset, std::span<std::uint8_t> bytes, std::size_t& count);
    // Pushes the written bytes to the medium; false with errno set on failure.
    [[nodiscard]] bool flush();
    // Asks the system to forget its cached copy of the file's flushed bytes, so that the next read of the file
    // comes from the medium. Best effort: a system without the request keeps its copy.
    void dropCachedPages();
    // Gives the file the permission bits `permissions`. Does nothing where the file system keeps no modes.
    [[nodiscard]] std::error_code setPermissions(std::filesystem::perms permissions);
    // Overwrites every byte of the file with zeros and pushes them to the medium.
    [[nodiscard]] std::error_code wipe();
    // Gives the held file the name `target`, replacing a file of that name, without letting it go: no other run
    // can take it for abandoned in between. The file's path becomes `target`.
    [[nodiscard]] std::error_code renameTo(const std::filesystem::path& target);
    // Removes the file's name while it is still held, so that no other run can take the name in between.
    [[nodiscard]] std::error_code remove();
    // Closes and unlocks; false with errno set when the system reports a failure of the last writes.
    [[nodiscard]] bool close();

private:
    OwnedFile(std::filesystem::path path, int descriptor)
        : m_path(std::move(path))
        , m_descriptor(descriptor)
    {
    }

    std::filesystem::path m_path;
    int m_descriptor = -1;
};

// The permission bits of `target` when it is a regular file of this process's user, which a file replacing it
// keeps; nothing when there is no such file (none at all, another user's, a link, a folder) and on systems without
// modes. `error` says why when the system could not tell.
[[nodiscard]] std::optional<std::filesystem::perms> KeptPermissions(
    const std::filesystem::path& target, std::error_code& error);

enum class Removal
{
    Removed, // the name is gone, or was never there
    InUse, // a running program holds the file; it was left alone
    Failed, // the name is there and could not be removed (a folder, no permission, ...)
};

// Removes the name `path` when nothing alive uses it: a regular file that no running program holds locked (left
// by a run that was killed), a hard link or a symbolic link, which is removed itself and never followed.
[[nodiscard]] Removal RemoveAbandonedFile(const std::filesystem::path& path, std::error_code& error);

} // namespace tamb
