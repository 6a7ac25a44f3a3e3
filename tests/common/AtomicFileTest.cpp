#include "common/AtomicFile.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <unistd.h>
#include <vector>

namespace tamb {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path()
            / ("tamb-atomic-" + std::to_string(getpid()) + "-"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    static std::vector<std::uint8_t> readAll(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    }

    [[nodiscard]] std::size_t fileCount() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator {}));
    }

    fs::path m_folder;
};

TEST_F(AtomicFileTest, WritesTheWholeFileAndReplacesALongerOne)
{
    const auto target = m_folder / "menu.dat";
    ASSERT_TRUE(WriteFileAtomically(target, std::vector<std::uint8_t>(100, 7)).ok());
    const std::vector<std::uint8_t> bytes { 1, 2, 3 };
    ASSERT_TRUE(WriteFileAtomically(target, bytes).ok());
    EXPECT_EQ(readAll(target), bytes);
    EXPECT_EQ(fileCount(), 1u);
}

TEST_F(AtomicFileTest, AFailurePartWayKeepsThePreviousFileAndLeavesNoTemporary)
{
    const auto target = m_folder / "menu.dat";
    const std::vector<std::uint8_t> previous { 9, 9, 9, 9 };
    ASSERT_TRUE(WriteFileAtomically(target, previous).ok());

    const auto status = WriteFileAtomically(target, std::vector<std::uint8_t>(60, 1), WriteFaults { 10 });

    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.reason().empty());
    EXPECT_EQ(readAll(target), previous);
    EXPECT_EQ(fileCount(), 1u);
}

TEST_F(AtomicFileTest, AMissingFolderIsReportedWithItsReason)
{
    const auto status = WriteFileAtomically(m_folder / "absent" / "menu.dat", std::vector<std::uint8_t>(3, 0));
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.reason().empty());
}

} // namespace
} // namespace tamb
