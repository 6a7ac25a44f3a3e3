#include "camera/MenuFile.h"

#include "common/Paths.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace tamb {
namespace {

namespace fs = std::filesystem;

class MenuFileTest : public ::testing::Test
{
protected:
    [[nodiscard]] std::vector<std::uint8_t> menuBytes() const
    {
        std::ifstream in(m_folder / "menu.dat", std::ios::binary);
        return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    }

    [[nodiscard]] std::vector<fs::path> entries() const
    {
        return { fs::directory_iterator(m_folder), fs::directory_iterator {} };
    }

    test::TempFolder m_temp;
    fs::path m_folder = m_temp.path();
};

TEST_F(MenuFileTest, WritesExactlyTheRecord)
{
    const auto record = FactoryResetRecord();
    ASSERT_TRUE(WriteMenuFile(m_folder.string(), record).ok());
    EXPECT_EQ(menuBytes(), std::vector<std::uint8_t>(record.begin(), record.end()));
    EXPECT_EQ(entries().size(), 1u);
}

TEST_F(MenuFileTest, AFailedWriteReportsWhyAndKeepsThePreviousFile)
{
    CameraSettings settings;
    settings.cameraMode = 2;
    const auto previous = BuildCameraRecord(CameraFamily::Generic, settings);
    ASSERT_TRUE(WriteMenuFile(m_folder.string(), previous).ok());

    const auto status = WriteMenuFile(m_folder.string(), FactoryResetRecord(), WriteFaults { .failAfterBytes = 30 });

    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.reason().find((m_folder / "menu.dat").string()), std::string::npos) << status.reason();
    EXPECT_EQ(menuBytes(), std::vector<std::uint8_t>(previous.begin(), previous.end()));
    EXPECT_EQ(entries().size(), 1u) << "no temporary file is left behind";
}

TEST_F(MenuFileTest, AMissingFolderIsReportedWithThePath)
{
    const auto missing = (m_folder / "no such folder").string();
    const auto status = WriteMenuFile(missing, FactoryResetRecord());
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.reason().find(missing), std::string::npos) << status.reason();
    EXPECT_TRUE(entries().empty());
}

#ifdef _WIN32
// The folder offered before the user chooses one is the root of drive C:. The Windows tests run in a Wine prefix
// of their own, whose drive C: belongs to them; a menu.dat found there already is left alone.
TEST(DefaultFolderTest, TheRootOfDriveCTakesTheFileAndItsReplacement)
{
    const fs::path target = L"C:\\menu.dat";
    if (fs::exists(target)) {
        GTEST_SKIP() << "C:\\menu.dat exists already";
    }
    CameraSettings settings;
    settings.cameraMode = 2;
    const auto first = BuildCameraRecord(CameraFamily::Generic, settings);
    ASSERT_TRUE(WriteMenuFile(DefaultOutputFolder(), first).ok());
    const auto second = FactoryResetRecord();
    const auto replaced = WriteMenuFile(DefaultOutputFolder(), second);

    std::ifstream in(target, std::ios::binary);
    const std::vector<std::uint8_t> bytes { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    in.close();
    fs::remove(target);
    ASSERT_TRUE(replaced.ok()) << replaced.reason();
    EXPECT_EQ(bytes, std::vector<std::uint8_t>(second.begin(), second.end()));
}
#endif

TEST_F(MenuFileTest, AnEmptyFolderIsRefused)
{
    const auto status = WriteMenuFile("", FactoryResetRecord());
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.reason().find("no folder"), std::string::npos) << status.reason();
}

} // namespace
} // namespace tamb
