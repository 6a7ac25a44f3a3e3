#pragma once

#include "common/Status.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace tamb {

// A seam for tests: make the next writes fail part-way, as a full or pulled card would.
struct WriteFaults
{
    // Fail once this many bytes of the file have been written.
    std::optional<std::size_t> failAfterBytes;
};

// Writes the whole file so that `target` either keeps its previous content or holds `bytes` completely:
// the bytes go to a temporary file in the same folder, are flushed to the medium and the temporary file is
// renamed over the target. On failure the temporary file is removed and the reason is returned.
[[nodiscard]] Status WriteFileAtomically(
    const std::filesystem::path& target, std::span<const std::uint8_t> bytes, const WriteFaults& faults = {});

} // namespace tamb
