#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tamb {

// The most UTF-16 units a setup dialog's folder text may hold; a longer one fails the dialog's sync.
inline constexpr std::size_t kFolderTextLimit = 80;

// The path of file `name` in `folder`, both UTF-8: "<folder>\<name>" on Windows, "<folder>/<name>" elsewhere;
// no separator is doubled when the folder already ends with one.
[[nodiscard]] std::string FileInFolder(std::string_view folder, std::string_view name);

// The folder offered before the user chooses one: "C:\" on Windows, the user's home folder elsewhere.
[[nodiscard]] std::string DefaultOutputFolder();

// A filesystem path from UTF-8 text, and back.
[[nodiscard]] std::filesystem::path PathFromUtf8(std::string_view text);
[[nodiscard]] std::string Utf8FromPath(const std::filesystem::path& path);

} // namespace tamb
