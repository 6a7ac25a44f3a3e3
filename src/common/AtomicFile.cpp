#include "common/AtomicFile.h"

#include "common/WriteErrorKind.h"
#include "common/WriteLock.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <exception>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tamb {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemporaryMarker = ".tmp";
constexpr std::size_t kTemporaryDigits = 6;
// Names are drawn from a million; a hundred taken in a row means something else is wrong.
constexpr std::uint32_t kNameAttempts = 100;

std::error_code ErrnoCode(int error)
{
    return { error, std::generic_category() };
}

fs::path FolderOf(const fs::path& target)
{
    return target.has_parent_path() ? target.parent_path() : fs::path { "." };
}

constexpr std::uint32_t kTemporaryNumbers = 1000000;

fs::path TemporarySibling(const fs::path& target, std::uint32_t number)
{
    char digits[kTemporaryDigits + 2];
    std::snprintf(digits, sizeof digits, "%06u", static_cast<unsigned>(number % kTemporaryNumbers));
    auto name = target.filename();
    name += std::string { kTemporaryMarker } + digits;
    return FolderOf(target) / name;
}

// True when `name` is the target's name followed by ".tmp" and one to six digits: a temporary sibling that this
// or an earlier version of the program made for the same target.
bool IsTemporarySibling(const fs::path::string_type& name, const fs::path::string_type& targetName)
{
    const auto prefix = targetName + fs::path { std::string { kTemporaryMarker } }.native();
    if (name.size() <= prefix.size() || name.size() > prefix.size() + kTemporaryDigits || !name.starts_with(prefix)) {
        return false;
    }
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
        [](auto c) { return c >= '0' && c <= '9'; });
}

std::uint32_t RandomTemporaryNumber()
{
    // The number only spreads the names out; when the system refuses randomness, the clock does that as well.
    try {
        std::random_device seed;
        return std::uniform_int_distribution<std::uint32_t>(0, kTemporaryNumbers - 1)(seed);
    } catch (const std::exception&) {
        const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
        return static_cast<std::uint32_t>(static_cast<unsigned long long>(ticks) % kTemporaryNumbers);
    }
}

// The mode the temporary file is created with, and the one it is given afterwards.
struct ModePlan
{
    FileAccess creation = FileAccess::Everyone;
    std::optional<fs::perms> kept {};
    // Why the earlier mode is unknown; empty when it is known or there is none.
    std::string unknown {};
};

ModePlan PlanMode(const fs::path& target, FileAccess access, const WriteFaults& faults)
{
    std::error_code error = faults.errorAt(WriteStep::ReadMode);
    std::optional<fs::perms> kept;
    if (!error) {
        kept = KeptPermissions(target, error);
    }
    if (error) {
        return { .creation = FileAccess::OwnerOnly,
            .unknown = "cannot read the mode of the file it replaces: " + error.message() };
    }
    if (!kept) {
        return { .creation = access };
    }
    // A file that holds passwords is never readable by others, whatever the earlier file allowed.
    if (access == FileAccess::OwnerOnly) {
        *kept &= fs::perms::owner_all;
    }
    // Created for its owner alone, so that a mode that cannot be given leaves it so.
    return { .creation = FileAccess::OwnerOnly, .kept = kept };
}

// Gives the temporary file the kept mode; the reason when it cannot, or nothing.
std::string GiveMode(OwnedFile& file, const ModePlan& mode, const WriteFaults& faults)
{
    if (!mode.kept) {
        return mode.unknown;
    }
    std::error_code error = faults.errorAt(WriteStep::SetMode);
    if (!error) {
        error = file.setPermissions(*mode.kept);
    }
    // A file system without modes (FAT, as on most cards) refuses to change them even on a file of one's own; every
    // file there has the mode the mount gives, and there is nothing the owner could do about it.
    if (!error || error == std::errc::operation_not_permitted || error == std::errc::operation_not_supported) {
        faults.completed(WriteStep::SetMode, file.path());
        return {};
    }
    return "cannot give it the mode of the file it replaces: " + error.message();
}

Status CreateTemporary(const fs::path& target, FileAccess access, const WriteFaults& faults, OwnedFile& file)
{
    if (const auto injected = faults.errorAt(WriteStep::CreateFile)) {
        return WriteErrorStatus("", injected, FolderOf(target));
    }
    const auto first = faults.firstTemporaryNumber.value_or(RandomTemporaryNumber());
    for (std::uint32_t attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::error_code error;
        file = OwnedFile::create(TemporarySibling(target, first + attempt), access, error);
        if (file.isOpen()) {
            faults.completed(WriteStep::CreateFile, file.path());
            return Status::success();
        }
        if (error != std::errc::file_exists) {
            return WriteErrorStatus("", error, FolderOf(target));
        }
    }
    return Status::failure("no free name for a temporary file beside it");
}

Status WriteAll(OwnedFile& file, std::span<const std::uint8_t> bytes, const WriteFaults& faults)
{
    const auto folder = FolderOf(file.path());
    if (const auto injected = faults.errorAt(WriteStep::WriteBytes)) {
        return WriteErrorStatus("", injected, folder);
    }
    auto count = bytes.size();
    if (faults.failAfterBytes && *faults.failAfterBytes < count) {
        count = *faults.failAfterBytes;
    }
    if (!file.write(bytes.first(count))) {
        return WriteErrorStatus("", ErrnoCode(errno), folder);
    }
    if (count != bytes.size()) {
        return WriteErrorStatus("", ErrnoCode(ENOSPC), folder);
    }
    faults.completed(WriteStep::WriteBytes, file.path());
    if (const auto injected = faults.errorAt(WriteStep::FlushFile)) {
        return WriteErrorStatus("", injected, folder);
    }
    if (!file.flush()) {
        return WriteErrorStatus("", ErrnoCode(errno), folder);
    }
    faults.completed(WriteStep::FlushFile, file.path());
    return Status::success();
}

// Reads the flushed temporary file back from the medium and compares it with `bytes`: a card can take bytes and
// still return others, and such a file must not replace a good one. A read that fails is a failed write as well.
Status ReadBackTemporary(OwnedFile& file, std::span<const std::uint8_t> bytes, const WriteFaults& faults)
{
    file.dropCachedPages();
    // One byte more than was written tells a file that is longer.
    std::vector<std::uint8_t> readBack(bytes.size() + 1);
    std::size_t count = 0;
    std::error_code error = faults.errorAt(WriteStep::ReadBack);
    if (!error) {
        error = file.read(0, readBack, count);
    }
    if (error) {
        return WriteErrorStatus("the new file could not be read back to check it: ", error, FolderOf(file.path()));
    }
    readBack.resize(count);
    if (faults.corruptReadBackAt && *faults.corruptReadBackAt < readBack.size()) {
        auto& corrupted = readBack[*faults.corruptReadBackAt];
        corrupted = static_cast<std::uint8_t>(~corrupted);
    }
    if (!std::ranges::equal(readBack, bytes)) {
        return Status::failure(
            "the new file read back holds other bytes than were written", FailureKind::ReadBackDiffers);
    }
    faults.completed(WriteStep::ReadBack, file.path());
    return Status::success();
}

// Flushes the folder's entries, so that the rename itself reaches the medium.
Status FlushFolder([[maybe_unused]] const fs::path& folder, const WriteFaults& faults)
{
    std::error_code error = faults.errorAt(WriteStep::FlushFolder);
#ifdef _WIN32
    // Windows lets no ordinary program flush a folder; the file system commits the rename itself.
#else
    if (!error) {
        const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (descriptor < 0) {
            error = ErrnoCode(errno);
        } else {
            // Some file systems cannot flush a folder and say so; there is nothing more to do on them.
            if (::fsync(descriptor) != 0 && errno != EINVAL && errno != EOPNOTSUPP) {
                error = ErrnoCode(errno);
            }
            ::close(descriptor);
        }
        if (!error) {
            faults.completed(WriteStep::FlushFolder, folder);
        }
    }
#endif
    if (error) {
        return Status::failure(
            "the new file is in place, but the card did not confirm that it is stored: " + error.message(),
            FailureKind::NotConfirmed);
    }
    return Status::success();
}

// Temporary siblings of killed runs hold stale bytes; one that a running write still holds is left alone.
void RemoveAbandonedTemporaries(const fs::path& target)
{
    const auto targetName = target.filename().native();
    std::error_code error;
    for (fs::directory_iterator entry(FolderOf(target), error), end; !error && entry != end; entry.increment(error)) {
        if (IsTemporarySibling(entry->path().filename().native(), targetName)) {
            std::error_code ignored;
            static_cast<void>(RemoveAbandonedFile(entry->path(), ignored));
        }
    }
}

} // namespace

Status WriteFileAtomically(
    const fs::path& target, std::span<const std::uint8_t> bytes, FileAccess access, const WriteFaults& faults)
{
    const auto mode = PlanMode(target, access, faults);
    OwnedFile file;
    if (auto created = CreateTemporary(target, mode.creation, faults, file); !created.ok()) {
        return created;
    }
    const auto modeNote = GiveMode(file, mode, faults);
    auto status = WriteAll(file, bytes, faults);
    if (status.ok()) {
        status = ReadBackTemporary(file, bytes, faults);
    }
    if (status.ok()) {
        std::error_code error = faults.errorAt(WriteStep::Rename);
        if (!error) {
            error = file.renameTo(target);
        }
        if (error) {
            status = WriteErrorStatus("", error, FolderOf(target));
        }
    }
    if (!status.ok()) {
        static_cast<void>(file.remove());
        return status;
    }
    faults.completed(WriteStep::Rename, target);
    // From here on the target is the new file, checked; nothing removes it.
    const auto flushed = FlushFolder(FolderOf(target), faults);
    static_cast<void>(file.close());
    RemoveAbandonedTemporaries(target);
    if (!flushed.ok()) {
        return flushed;
    }
    return modeNote.empty() ? Status::success() : Status::success(SuccessNote::OwnerOnlyMode, modeNote);
}

Status WriteFileLocked(
    const fs::path& target, std::span<const std::uint8_t> bytes, FileAccess access, const WriteFaults& faults)
{
    WriteLock lock;
    if (auto taken = WriteLock::take(target, faults, lock); !taken.ok()) {
        return taken;
    }
    return WriteFileAtomically(target, bytes, access, faults);
}

} // namespace tamb
