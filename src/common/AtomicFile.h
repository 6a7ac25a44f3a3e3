#pragma once

#include "common/OwnedFile.h"
#include "common/Status.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <system_error>

namespace tamb {

// The steps of a write at which a test can make the system refuse.
enum class WriteStep
{
    CreateFile,
    WriteBytes,
    Rename,
};

// A system error that a step meets instead of doing its work.
struct InjectedWriteError
{
    WriteStep step = WriteStep::CreateFile;
    std::error_code error {};
};

// A seam for tests: make the next writes fail part-way, as a full, locked, pulled or flaky card would, or meet
// names planted where the temporary file goes.
struct WriteFaults
{
    // Fail once this many bytes of the file have been written.
    std::optional<std::size_t> failAfterBytes {};
    // Fail the flush of the folder after the rename, as a card pulled at that moment would.
    bool failFolderFlush = false;
    // The number of the first temporary name tried, instead of a random one.
    std::optional<std::uint32_t> firstTemporaryNumber {};
    // The system error one step meets.
    std::optional<InjectedWriteError> systemError {};
    // Flip the byte at this offset of what is read back after the rename, as a card that returns other bytes
    // than it was given.
    std::optional<std::size_t> corruptReadBackAt {};

    // The error injected at `step`, or none.
    [[nodiscard]] std::error_code errorAt(WriteStep step) const
    {
        return systemError && systemError->step == step ? systemError->error : std::error_code {};
    }
};

// Writes the whole file so that `target` either keeps its previous content or holds `bytes` completely:
// the bytes go to a temporary sibling "<name>.tmpNNNNNN" that is created exclusively, never through a link (the
// next number is tried while a name exists), are flushed to the medium, the temporary file is renamed over the target
// and the folder is flushed, so that the new name survives a card pulled right after success. The new file keeps the
// permissions of the file it replaces; a file that did not exist gets `access`. Temporary siblings of
// `target` left by killed runs are removed after a success. On failure the temporary file is removed and the
// reason is returned, with the kind ClassifyWriteError gives the system's error.
// Last, the file is read back from the medium and compared byte for byte. A file that reads back otherwise (or
// not at all) is removed, so that nothing passes for good that is not, and the write fails with
// FailureKind::ReadBackDiffers (Missing when the folder went away meanwhile).
[[nodiscard]] Status WriteFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
    FileAccess access, const WriteFaults& faults = {});

} // namespace tamb
