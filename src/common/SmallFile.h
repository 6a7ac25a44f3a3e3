#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace tamb {

// The whole content of `path` when it is a regular file (or a link to one) of at most `limit` bytes; nothing
// otherwise: a missing or unreadable file, a folder, a FIFO, a device, a larger file. The read never waits for a
// writer and never takes more than `limit` bytes into memory.
[[nodiscard]] std::optional<std::string> ReadSmallRegularFile(const std::filesystem::path& path, std::size_t limit);

} // namespace tamb
