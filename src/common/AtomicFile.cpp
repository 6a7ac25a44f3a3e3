#include "common/AtomicFile.h"

#include "common/SmallFile.h"
#include "common/WriteErrorKind.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <random>
#include <string>
#include <system_error>

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

std::error_code errnoCode(int error)
{
    return { error, std::generic_category() };
}

fs::path folderOf(const fs::path& target)
{
    return target.has_parent_path() ? target.parent_path() : fs::path { "." };
}

constexpr std::uint32_t kTemporaryNumbers = 1000000;

fs::path temporarySibling(const fs::path& target, std::uint32_t number)
{
    char digits[kTemporaryDigits + 2];
    std::snprintf(digits, sizeof digits, "%06u", static_cast<unsigned>(number % kTemporaryNumbers));
    auto name = target.filename();
    name += std::string { kTemporaryMarker } + digits;
    return folderOf(target) / name;
}

// True when `name` is the target's name followed by ".tmp" and one to six digits: a temporary sibling that this
// or an earlier version of the program made for the same target.
bool isTemporarySibling(const fs::path::string_type& name, const fs::path::string_type& targetName)
{
    const auto prefix = targetName + fs::path { std::string { kTemporaryMarker } }.native();
    if (name.size() <= prefix.size() || name.size() > prefix.size() + kTemporaryDigits || !name.starts_with(prefix)) {
        return false;
    }
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
        [](auto c) { return c >= '0' && c <= '9'; });
}

std::uint32_t randomTemporaryNumber()
{
    std::random_device seed;
    return std::uniform_int_distribution<std::uint32_t>(0, kTemporaryNumbers - 1)(seed);
}

Status createTemporary(const fs::path& target, FileAccess access, const WriteFaults& faults, OwnedFile& file)
{
    if (const auto injected = faults.errorAt(WriteStep::CreateFile)) {
        return WriteErrorStatus("", injected, folderOf(target));
    }
    const auto first = faults.firstTemporaryNumber.value_or(randomTemporaryNumber());
    for (std::uint32_t attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::error_code error;
        file = OwnedFile::create(temporarySibling(target, first + attempt), access, error);
        if (file.isOpen()) {
            return Status::success();
        }
        if (error != std::errc::file_exists) {
            return WriteErrorStatus("", error, folderOf(target));
        }
    }
    return Status::failure("no free name for a temporary file beside it");
}

Status writeAll(OwnedFile& file, std::span<const std::uint8_t> bytes, const WriteFaults& faults)
{
    const auto folder = folderOf(file.path());
    if (const auto injected = faults.errorAt(WriteStep::WriteBytes)) {
        return WriteErrorStatus("", injected, folder);
    }
    auto count = bytes.size();
    if (faults.failAfterBytes && *faults.failAfterBytes < count) {
        count = *faults.failAfterBytes;
    }
    if (!file.write(bytes.first(count))) {
        return WriteErrorStatus("", errnoCode(errno), folder);
    }
    if (count != bytes.size()) {
        return WriteErrorStatus("", errnoCode(ENOSPC), folder);
    }
    if (!file.flush()) {
        return WriteErrorStatus("", errnoCode(errno), folder);
    }
    return Status::success();
}

// Flushes the folder's entries, so that the rename itself reaches the medium.
Status flushFolder([[maybe_unused]] const fs::path& folder, const WriteFaults& faults)
{
    if (faults.failFolderFlush) {
        return WriteErrorStatus("", errnoCode(EIO), folder);
    }
#ifdef _WIN32
    // Windows lets no ordinary program flush a folder; the file system commits the rename itself.
    return Status::success();
#else
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return WriteErrorStatus("", errnoCode(errno), folder);
    }
    // Some file systems cannot flush a folder and say so; there is nothing more to do on them.
    const bool flushed = ::fsync(descriptor) == 0 || errno == EINVAL || errno == EOPNOTSUPP;
    const int error = errno;
    ::close(descriptor);
    return flushed ? Status::success() : WriteErrorStatus("", errnoCode(error), folder);
#endif
}

// Temporary siblings of killed runs hold stale bytes; one that a running write still holds is left alone.
void removeAbandonedTemporaries(const fs::path& target)
{
    const auto targetName = target.filename().native();
    std::error_code error;
    for (fs::directory_iterator entry(folderOf(target), error), end; !error && entry != end; entry.increment(error)) {
        if (isTemporarySibling(entry->path().filename().native(), targetName)) {
            std::error_code ignored;
            static_cast<void>(RemoveAbandonedFile(entry->path(), ignored));
        }
    }
}

// Reads `target` back and compares it with `bytes`. A card can take the bytes and still return others, so a file
// that does not read back the same is removed rather than left to pass for a good one.
Status verifyWritten(const fs::path& target, std::span<const std::uint8_t> bytes, const WriteFaults& faults)
{
    auto readBack = ReadSmallRegularFile(target, bytes.size());
    if (readBack && faults.corruptReadBackAt && *faults.corruptReadBackAt < readBack->size()) {
        auto& corrupted = (*readBack)[*faults.corruptReadBackAt];
        corrupted = static_cast<char>(~corrupted);
    }
    const bool same = readBack
        && std::equal(readBack->begin(), readBack->end(), bytes.begin(), bytes.end(),
            [](char read, std::uint8_t written) { return static_cast<std::uint8_t>(read) == written; });
    if (same) {
        return Status::success();
    }
    std::error_code ignored;
    fs::remove(target, ignored);
    if (!fs::is_directory(folderOf(target), ignored)) {
        return Status::failure("the card or folder went away while the file was read back", FailureKind::Missing);
    }
    return Status::failure(readBack ? "the file read back holds other bytes than were written; it was removed"
                                    : "the file could not be read back to check it; it was removed",
        FailureKind::ReadBackDiffers);
}

} // namespace

Status WriteFileAtomically(
    const fs::path& target, std::span<const std::uint8_t> bytes, FileAccess access, const WriteFaults& faults)
{
    OwnedFile file;
    if (auto created = createTemporary(target, access, faults, file); !created.ok()) {
        return created;
    }
    file.copyPermissionsFrom(target);
    auto written = writeAll(file, bytes, faults);
    if (written.ok()) {
        std::error_code error = faults.errorAt(WriteStep::Rename);
        if (!error) {
            error = file.renameTo(target);
        }
        if (!error) {
            const auto flushed = flushFolder(folderOf(target), faults);
            // The file's bytes are on the medium by now; forgetting the system's copy makes the check read them
            // from there.
            file.dropCachedPages();
            static_cast<void>(file.close());
            removeAbandonedTemporaries(target);
            if (!flushed.ok()) {
                return flushed.prefixed(
                    "the new file is in place, but the folder could not be flushed to the medium, so it may not "
                    "survive removing the card now: ");
            }
            return verifyWritten(target, bytes, faults);
        }
        written = WriteErrorStatus("", error, folderOf(target));
    }
    static_cast<void>(file.remove());
    return written;
}

} // namespace tamb
