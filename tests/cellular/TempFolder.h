#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace tamb::testing {

// A fresh empty folder per test, removed afterwards.
class TempFolder
{
public:
    // The folder is made in `base`, the system's temporary folder unless a test needs another file system.
    explicit TempFolder(const std::filesystem::path& base = std::filesystem::temp_directory_path())
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        // The process id keeps concurrent runs (other worktrees, ctest -j) apart.
        std::string name = "tamb-" + std::to_string(getpid()) + "-" + test->test_suite_name() + "-" + test->name();
        for (auto& c : name) {
            if (c == '/') {
                c = '_';
            }
        }
        m_path = base / name;
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() { std::filesystem::remove_all(m_path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }
    [[nodiscard]] std::string text() const { return m_path.string(); }
    [[nodiscard]] std::filesystem::path file(const std::string& name) const { return m_path / name; }

    [[nodiscard]] std::vector<std::string> names() const
    {
        std::vector<std::string> result;
        for (const auto& entry : std::filesystem::directory_iterator(m_path)) {
            result.push_back(entry.path().filename().string());
        }
        return result;
    }

    [[nodiscard]] std::vector<std::uint8_t> read(const std::string& name) const
    {
        std::ifstream in(file(name), std::ios::binary);
        return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    }

    void write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
    {
        std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

private:
    std::filesystem::path m_path;
};

} // namespace tamb::testing
