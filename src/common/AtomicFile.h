#pragma once

#include "common/OwnedFile.h"
#include "common/Status.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace tamb {

// A seam for tests: make the next writes fail part-way, as a full or pulled card would, or meet names planted
// where the temporary file goes.
struct WriteFaults
{
    // Fail once this many bytes of the file have been written.
    std::optional<std::size_t> failAfterBytes {};
    // Fail the flush of the folder after the rename, as a card pulled at that moment would.
    bool failFolderFlush = false;
    // The number of the first temporary name tried, instead of a random one.
    std::optional<std::uint32_t> firstTemporaryNumber {};
};

// Writes the whole file so that `target` either keeps its previous content or holds `bytes` completely:
// the bytes go to a temporary sibling "<name>.tmpNNNNNN" that is created exclusively, never through a link (the
// next number is tried while a name exists), are flushed to the medium, the temporary file is renamed over the target
// and the folder is flushed, so that the new name survives a card pulled right after success. The new file keeps the
// permissions of the file it replaces; a file that did not exist gets `access`. Temporary siblings of
// `target` left by killed runs are removed after a success. On failure the temporary file is removed and the
// reason is returned.
[[nodiscard]] Status WriteFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
    FileAccess access, const WriteFaults& faults = {});

} // namespace tamb
