#pragma once

#include "common/OwnedFile.h"
#include "common/Status.h"
#include "common/WriteFaults.h"

#include <filesystem>

namespace tamb {

// Takes `path` as a lock: creates it exclusively for `access` (never through a link) and holds it locked in `file`.
// Whatever a killed run left under the name, or a link planted there, is removed first; a file that a running
// write holds is waited for up to `faults.lockWait`, and then the take fails with FailureKind::Busy. So two writes
// that take the same lock follow each other instead of meeting.
[[nodiscard]] Status TakeLockFile(
    const std::filesystem::path& path, FileAccess access, const WriteFaults& faults, OwnedFile& file);

// The lock of the writes of one file: "<name>.lock" beside it, held while the file is read, changed and replaced,
// and removed when the lock goes.
class WriteLock
{
public:
    [[nodiscard]] static Status take(const std::filesystem::path& target, const WriteFaults& faults, WriteLock& lock);

    WriteLock() = default;
    ~WriteLock();
    WriteLock(WriteLock&&) noexcept = default;
    WriteLock& operator=(WriteLock&& other) noexcept;
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

private:
    void release();

    OwnedFile m_file;
};

} // namespace tamb
