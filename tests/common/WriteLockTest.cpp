#include "common/WriteLock.h"

#include "common/AtomicFile.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace tamb {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> lockFolderNames(const test::TempFolder& folder)
{
    auto names = folder.names();
    std::ranges::sort(names);
    return names;
}

TEST(WriteLockTest, AWriteThatFindsTheLockHeldTooLongFailsAsBusyAndTouchesNothing)
{
    const test::TempFolder folder;
    const std::vector<std::uint8_t> previous { 4, 4, 4 };
    folder.write("menu.dat", previous);
    WriteLock held;
    ASSERT_TRUE(WriteLock::take(folder.file("menu.dat"), {}, held).ok());

    WriteFaults impatient;
    impatient.lockWait = std::chrono::milliseconds { 20 };
    const auto status
        = WriteFileLocked(folder.file("menu.dat"), std::vector<std::uint8_t>(60, 1), FileAccess::Everyone, impatient);

    EXPECT_EQ(status.kind(), FailureKind::Busy) << status.reason();
    EXPECT_EQ(folder.read("menu.dat"), previous);
    EXPECT_EQ(lockFolderNames(folder), (std::vector<std::string> { "menu.dat", "menu.dat.lock" }))
        << "the other write's lock stays";
}

TEST(WriteLockTest, ALockLeftByAKilledRunIsTakenOverAndTheLockGoesWithTheWrite)
{
    const test::TempFolder folder;
    folder.write("menu.dat.lock", {});
    const std::vector<std::uint8_t> bytes(60, 1);

    const auto status = WriteFileLocked(folder.file("menu.dat"), bytes, FileAccess::Everyone);

    ASSERT_TRUE(status.ok()) << status.reason();
    EXPECT_EQ(folder.read("menu.dat"), bytes);
    EXPECT_EQ(folder.names(), std::vector<std::string> { "menu.dat" });
}

// Two writers of one file at the same moment, as two programs pressing Generate together: the file is always the
// complete file of one of them, and a writer that says it succeeded left its file (the other may replace it
// later, as a second Generate would).
TEST(WriteLockTest, RacingWritersNeverLoseTheFileNorClaimAFileTheyDidNotLeave)
{
    const test::TempFolder folder { test::InMemoryTempBase() };
    const auto target = folder.file("menu.dat");
    const std::vector<std::uint8_t> first(60, 'a');
    const std::vector<std::uint8_t> second(60, 'b');
    folder.write("menu.dat", std::vector<std::uint8_t>(60, 'e'));

    constexpr int kPairs = 300;
    for (int pair = 0; pair < kPairs; ++pair) {
        Status one = Status::success();
        Status two = Status::success();
        {
            std::jthread writerOne([&] { one = WriteFileLocked(target, first, FileAccess::Everyone); });
            std::jthread writerTwo([&] { two = WriteFileLocked(target, second, FileAccess::Everyone); });
        }
        ASSERT_TRUE(one.ok()) << "pair " << pair << ": " << one.reason();
        ASSERT_TRUE(two.ok()) << "pair " << pair << ": " << two.reason();
        const auto left = folder.read("menu.dat");
        ASSERT_TRUE(left == first || left == second) << "pair " << pair << ": " << left.size() << " bytes";
        ASSERT_EQ(folder.names(), std::vector<std::string> { "menu.dat" }) << "pair " << pair;
    }
}

} // namespace
} // namespace tamb
