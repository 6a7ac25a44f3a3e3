#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace tamb::fuzz {

// Stops the run with a message when a rule that must hold for every input does not: the fuzzer keeps the input.
inline void Check(bool holds, const char* rule)
{
    if (!holds) {
        std::fprintf(stderr, "broken rule: %s\n", rule);
        std::abort();
    }
}

// A folder of this process for the files a harness writes: in memory where there is such a file system.
inline std::filesystem::path ScratchFolder(const std::string& harness)
{
    std::error_code error;
    const std::filesystem::path base
        = std::filesystem::is_directory("/dev/shm", error) ? "/dev/shm" : std::filesystem::temp_directory_path();
    auto folder = base / ("tamb-fuzz-" + harness + "-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace tamb::fuzz
