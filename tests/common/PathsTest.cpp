#include "common/Paths.h"

#include <gtest/gtest.h>

namespace tamb {
namespace {

#ifndef _WIN32
TEST(PathsTest, FileInFolderJoinsWithOneSeparator)
{
    EXPECT_EQ(FileInFolder("/media/card", "menu.dat"), "/media/card/menu.dat");
    EXPECT_EQ(FileInFolder("/media/card/", "menu.dat"), "/media/card/menu.dat");
    EXPECT_EQ(FileInFolder("/", "setup.dat"), "/setup.dat");
}
#endif

} // namespace
} // namespace tamb
