#pragma once

#include "common/Paths.h"

#include <filesystem>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tamb::test {

// The folder of the running test program.
[[nodiscard]] inline std::filesystem::path OwnFolder()
{
#ifdef _WIN32
    std::wstring name(32768, L'\0');
    name.resize(GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size())));
    return std::filesystem::path { name }.parent_path();
#else
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
#endif
}

// The command-line program of the build this test program belongs to: TAMB_CLI_FROM_TESTS is the path from the
// test program's folder to it inside the build, so a copied or moved build tree runs its own program, never the
// one it was configured beside.
[[nodiscard]] inline std::filesystem::path TestedCliPath()
{
    return (OwnFolder() / PathFromUtf8(TAMB_CLI_FROM_TESTS)).lexically_normal();
}

// Empty when the program is in its place; otherwise says where it was looked for, for the failing test to show.
[[nodiscard]] inline std::string MissingTestedCli()
{
    const auto path = TestedCliPath();
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error))
        return {};
    return "no tamb-setup-cli at " + Utf8FromPath(path) + " (" + TAMB_CLI_FROM_TESTS
        + " from this test program's folder); build it beside the tests, or copy the build tree whole";
}

} // namespace tamb::test
