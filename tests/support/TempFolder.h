#pragma once

#include "common/Paths.h"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace tamb::test {

[[nodiscard]] inline long CurrentProcessId()
{
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<long>(getpid());
#endif
}

// The bytes of the file at `path`; empty when it cannot be read.
[[nodiscard]] inline std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

// A base for temporary folders in memory where the system has one (else the system's temporary folder): tests
// that race writers are about the order of the steps, and flushes to a disk would only slow them down.
[[nodiscard]] inline std::filesystem::path InMemoryTempBase()
{
#ifndef _WIN32
    std::error_code error;
    if (std::filesystem::is_directory("/dev/shm", error)) {
        return "/dev/shm";
    }
#endif
    return std::filesystem::temp_directory_path();
}

// A fresh empty folder, removed with its contents on destruction. The name carries the process id, a count kept
// by the process and a random tail, and the folder is created exclusively and open to its owner alone, so
// parallel runs (ctest -j, other build trees), several folders in one test and a folder left behind by a crashed
// run never meet. The name stays short: the dialogs limit folder texts to 80 characters.
class TempFolder
{
public:
    // The folder is made in `base`, the system's temporary folder unless a test needs another file system.
    explicit TempFolder(const std::filesystem::path& base = std::filesystem::temp_directory_path())
    {
        static std::atomic<unsigned> created { 0 };
        const std::string stem = "tamb-" + std::to_string(CurrentProcessId()) + "-" + std::to_string(++created) + "-";
        std::random_device random;
        // create_directory() reports whether it made the folder, so a name already taken is never shared.
        for (int attempt = 0; attempt < 100; ++attempt) {
            const auto candidate = base / (stem + std::to_string(random() % 1000000));
            if (std::filesystem::create_directory(candidate)) {
                std::filesystem::permissions(candidate, std::filesystem::perms::owner_all);
                m_path = candidate;
                return;
            }
        }
        throw std::runtime_error("cannot create a temporary folder " + Utf8FromPath(base / stem) + "...");
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }
    // The path as UTF-8, as the program's folder texts hold it.
    [[nodiscard]] std::string text() const { return Utf8FromPath(m_path); }
    [[nodiscard]] std::filesystem::path file(const std::string& name) const { return m_path / name; }

    // The names of the entries in the folder, in no particular order.
    [[nodiscard]] std::vector<std::string> names() const
    {
        std::vector<std::string> result;
        for (const auto& entry : std::filesystem::directory_iterator(m_path)) {
            result.push_back(Utf8FromPath(entry.path().filename()));
        }
        return result;
    }

    // The bytes of a file in the folder; empty when it cannot be read.
    [[nodiscard]] std::vector<std::uint8_t> read(const std::string& name) const { return ReadFileBytes(file(name)); }

    void write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
    {
        std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

private:
    std::filesystem::path m_path;
};

} // namespace tamb::test
