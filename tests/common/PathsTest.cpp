#include "common/Paths.h"

#include <gtest/gtest.h>

namespace tamb {
namespace {

struct JoinCase
{
    std::string name;
    std::string folder;
    std::string expected; // the path of "menu.dat" in the folder
};

void PrintTo(const JoinCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class FileInFolderTest : public ::testing::TestWithParam<JoinCase>
{
};

TEST_P(FileInFolderTest, JoinsWithOneSeparatorOfThePlatform)
{
    EXPECT_EQ(FileInFolder(GetParam().folder, "menu.dat"), GetParam().expected);
}

#ifdef _WIN32
INSTANTIATE_TEST_SUITE_P(Windows, FileInFolderTest,
    ::testing::Values(JoinCase { "DriveRoot", "C:\\", "C:\\menu.dat" },
        JoinCase { "Folder", "E:\\Kärnten", "E:\\Kärnten\\menu.dat" },
        JoinCase { "FolderWithSeparator", "E:\\cards\\", "E:\\cards\\menu.dat" },
        JoinCase { "ForwardSlash", "E:/cards/", "E:/cards/menu.dat" }),
    [](const auto& row) { return row.param.name; });

TEST(PathsTest, TheDefaultFolderIsTheRootOfDriveC)
{
    EXPECT_EQ(DefaultOutputFolder(), "C:\\");
}
#else
INSTANTIATE_TEST_SUITE_P(Posix, FileInFolderTest,
    ::testing::Values(JoinCase { "Folder", "/media/card", "/media/card/menu.dat" },
        JoinCase { "FolderWithSeparator", "/media/card/", "/media/card/menu.dat" },
        JoinCase { "Root", "/", "/menu.dat" }),
    [](const auto& row) { return row.param.name; });
#endif

TEST(PathsTest, Utf8SurvivesTheWayThroughAPath)
{
    const std::string text = "Kärnten Ωmega 相机";
    EXPECT_EQ(Utf8FromPath(PathFromUtf8(text)), text);
}

} // namespace
} // namespace tamb
