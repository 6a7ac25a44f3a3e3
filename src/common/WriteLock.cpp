#include "common/WriteLock.h"

#include "common/Paths.h"
#include "common/WriteErrorKind.h"

#include <chrono>
#include <string>
#include <thread>

namespace tamb {
namespace {

namespace fs = std::filesystem;

std::string QuotedLockPath(const fs::path& path)
{
    std::string quoted { '"' };
    quoted += Utf8FromPath(path);
    quoted += '"';
    return quoted;
}

fs::path LockFolderOf(const fs::path& path)
{
    return path.has_parent_path() ? path.parent_path() : fs::path { "." };
}

} // namespace

Status TakeLockFile(const fs::path& path, FileAccess access, const WriteFaults& faults, OwnedFile& file)
{
    const auto context = "cannot create " + QuotedLockPath(path) + ": ";
    if (const auto injected = faults.errorAt(WriteStep::TakeLock)) {
        return WriteErrorStatus(context, injected, LockFolderOf(path));
    }
    const auto deadline = std::chrono::steady_clock::now() + faults.lockWait;
    // After a removal the name is tried once at once. A name that is back by then (another run took it, or the
    // system is still removing it) is waited for like a held one: runs that wait together never storm a name with
    // removals, which on some systems keeps a name that is being removed from ever going.
    bool removedJustNow = false;
    for (;;) {
        std::error_code error;
        file = OwnedFile::create(path, access, error);
        if (file.isOpen()) {
            faults.completed(WriteStep::TakeLock, path);
            return Status::success();
        }
        if (error != std::errc::file_exists) {
            return WriteErrorStatus(context, error, LockFolderOf(path));
        }
        const Removal removal = removedJustNow ? Removal::InUse : RemoveAbandonedFile(path, error);
        removedJustNow = removal == Removal::Removed;
        switch (removal) {
        case Removal::Removed:
            break;
        case Removal::Failed:
            return WriteErrorStatus("cannot remove the old " + QuotedLockPath(path) + ": ", error, LockFolderOf(path));
        case Removal::InUse:
            if (std::chrono::steady_clock::now() >= deadline) {
                return Status::failure("another write into this folder still holds " + QuotedLockPath(path)
                        + "; try again when it has finished",
                    FailureKind::Busy);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds { 1 });
            break;
        }
    }
}

Status WriteLock::take(const fs::path& target, const WriteFaults& faults, WriteLock& lock)
{
    auto name = target.filename();
    name += ".lock";
    return TakeLockFile(LockFolderOf(target) / name, FileAccess::OwnerOnly, faults, lock.m_file);
}

WriteLock::~WriteLock()
{
    release();
}

WriteLock& WriteLock::operator=(WriteLock&& other) noexcept
{
    if (this != &other) {
        release();
        m_file = std::move(other.m_file);
    }
    return *this;
}

void WriteLock::release()
{
    if (!m_file.isOpen()) {
        return;
    }
    // The name goes while the file is still held, so that no waiting run takes it for abandoned in between. A
    // name that stays is removed by the next write as a killed run's.
    static_cast<void>(m_file.remove());
    static_cast<void>(m_file.close());
}

} // namespace tamb
