#pragma once

#include <filesystem>
#include <system_error>

namespace tamb::test {

// Makes `link` a symbolic link to `target`; false where this system lets no test make one (Windows grants it to
// a privilege only, and Wine does not make them), so that the test can skip with kNoSymbolicLinks.
[[nodiscard]] inline bool MakeSymbolicLink(const std::filesystem::path& target, const std::filesystem::path& link)
{
    std::error_code error;
    std::filesystem::create_symlink(target, link, error);
    return !error;
}

inline constexpr const char* kNoSymbolicLinks = "this system lets no test make symbolic links";

// Why a test of the owner, group and others modes of a file skips on Windows.
inline constexpr const char* kNoFileModes
    = "Windows files carry access lists, not the owner, group and others modes this test reads";

} // namespace tamb::test
