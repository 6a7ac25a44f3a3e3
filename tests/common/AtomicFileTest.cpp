#include "common/AtomicFile.h"

#include "common/WriteLock.h"
#include "support/PlatformLimits.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tamb {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test
{
protected:
    static std::vector<std::uint8_t> readAll(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    }

    [[nodiscard]] std::size_t fileCount() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator {}));
    }

    test::TempFolder m_temp;
    fs::path m_folder = m_temp.path();
};

TEST_F(AtomicFileTest, WritesTheWholeFileAndReplacesALongerOne)
{
    const auto target = m_folder / "menu.dat";
    ASSERT_TRUE(WriteFileAtomically(target, std::vector<std::uint8_t>(100, 7), FileAccess::Everyone).ok());
    const std::vector<std::uint8_t> bytes { 1, 2, 3 };
    ASSERT_TRUE(WriteFileAtomically(target, bytes, FileAccess::Everyone).ok());
    EXPECT_EQ(readAll(target), bytes);
    EXPECT_EQ(fileCount(), 1u);
}

TEST_F(AtomicFileTest, AFailurePartWayKeepsThePreviousFileAndLeavesNoTemporary)
{
    const auto target = m_folder / "menu.dat";
    const std::vector<std::uint8_t> previous { 9, 9, 9, 9 };
    ASSERT_TRUE(WriteFileAtomically(target, previous, FileAccess::Everyone).ok());

    const auto status = WriteFileAtomically(
        target, std::vector<std::uint8_t>(60, 1), FileAccess::Everyone, WriteFaults { .failAfterBytes = 10 });

    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.reason().empty());
    EXPECT_EQ(readAll(target), previous);
    EXPECT_EQ(fileCount(), 1u);
}

TEST_F(AtomicFileTest, AMissingFolderIsReportedWithItsReason)
{
    const auto status
        = WriteFileAtomically(m_folder / "absent" / "menu.dat", std::vector<std::uint8_t>(3, 0), FileAccess::Everyone);
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.reason().empty());
}

TEST_F(AtomicFileTest, ATemporaryNameHeldByAnotherRunIsSteppedOverAndItsFileLeftAlone)
{
    const auto target = m_folder / "menu.dat";
    const std::vector<std::uint8_t> otherBytes { 'k', 'e', 'e', 'p' };
    std::error_code error;
    auto other = OwnedFile::create(m_folder / "menu.dat.tmp000042", FileAccess::Everyone, error);
    ASSERT_TRUE(other.isOpen()) << error.message();
    ASSERT_TRUE(other.write(otherBytes));

    const std::vector<std::uint8_t> bytes { 1, 2, 3 };
    const auto status = WriteFileAtomically(target, bytes, FileAccess::Everyone, { .firstTemporaryNumber = 42 });

    ASSERT_TRUE(status.ok()) << status.reason();
    ASSERT_TRUE(other.close());
    EXPECT_EQ(readAll(target), bytes);
    EXPECT_EQ(readAll(m_folder / "menu.dat.tmp000042"), otherBytes);
}

TEST_F(AtomicFileTest, PlantedTemporaryNamesAreSteppedOverAndNeverWrittenThrough)
{
    const auto target = m_folder / "menu.dat";
    const auto outside = m_folder / "outside";
    const std::vector<std::uint8_t> outsideBytes { 'k', 'e', 'e', 'p' };
    ASSERT_TRUE(WriteFileAtomically(outside, outsideBytes, FileAccess::Everyone).ok());
    if (!test::MakeSymbolicLink(outside, m_folder / "menu.dat.tmp000042")
        || !test::MakeSymbolicLink(m_folder / "absent", m_folder / "menu.dat.tmp000043"))
        GTEST_SKIP() << test::kNoSymbolicLinks;

    const std::vector<std::uint8_t> bytes { 1, 2, 3 };
    WriteFaults planted;
    planted.firstTemporaryNumber = 42;
    const auto status = WriteFileAtomically(target, bytes, FileAccess::Everyone, planted);

    ASSERT_TRUE(status.ok()) << status.reason();
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(target))) << "the target must not become a link";
    EXPECT_EQ(readAll(target), bytes);
    EXPECT_EQ(readAll(outside), outsideBytes);
    EXPECT_FALSE(fs::exists(m_folder / "absent"));
}

TEST_F(AtomicFileTest, ASuccessRemovesTheTemporaryFilesOfKilledRunsButNotOneInUse)
{
    const auto target = m_folder / "setup.dat";
    for (const auto* name : { "setup.dat.tmp123456", "setup.dat.tmp77" }) {
        std::ofstream(m_folder / name) << "stale";
    }
    std::ofstream(m_folder / "setup.dat.tmp12345x") << "not a temporary name";
    std::ofstream(m_folder / "menu.dat.tmp123456") << "another file's";
    std::error_code error;
    auto inUse = OwnedFile::create(m_folder / "setup.dat.tmp000001", FileAccess::Everyone, error);
    ASSERT_TRUE(inUse.isOpen()) << error.message();

    ASSERT_TRUE(WriteFileAtomically(target, std::vector<std::uint8_t>(3, 1), FileAccess::OwnerOnly).ok());

    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    EXPECT_EQ(names,
        (std::vector<std::string> { "menu.dat.tmp123456", "setup.dat", "setup.dat.tmp000001", "setup.dat.tmp12345x" }));
}

TEST_F(AtomicFileTest, AFolderFlushThatFailsAfterTheRenameSaysTheNewFileIsInPlace)
{
    const auto target = m_folder / "menu.dat";
    ASSERT_TRUE(WriteFileAtomically(target, std::vector<std::uint8_t>(3, 9), FileAccess::Everyone).ok());
    WriteFaults pulled;
    pulled.systemError
        = InjectedWriteError { .step = WriteStep::FlushFolder, .error = { EIO, std::generic_category() } };
    const std::vector<std::uint8_t> bytes { 1, 2, 3 };

    const auto status = WriteFileAtomically(target, bytes, FileAccess::Everyone, pulled);

    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.kind(), FailureKind::NotConfirmed);
    EXPECT_NE(status.reason().find("in place"), std::string::npos) << status.reason();
    EXPECT_EQ(readAll(target), bytes) << "the new file stays where it is";
    EXPECT_EQ(fileCount(), 1u);
}

// The order a write takes its steps in is what keeps the earlier file: the temporary file is on the medium and
// checked before it replaces anything, and the folder is flushed once the new name is in it.
TEST_F(AtomicFileTest, TheFileIsFlushedAndCheckedBeforeTheRenameAndTheFolderAfterIt)
{
    const auto target = m_folder / "menu.dat";
    ASSERT_TRUE(WriteFileAtomically(target, std::vector<std::uint8_t>(3, 9), FileAccess::Everyone).ok());
    std::vector<CompletedWriteStep> steps;
    WriteFaults watched;
    watched.firstTemporaryNumber = 7;
    watched.completedSteps = &steps;

    ASSERT_TRUE(WriteFileAtomically(target, std::vector<std::uint8_t>(60, 1), FileAccess::Everyone, watched).ok());

    const auto temporary = m_folder / "menu.dat.tmp000007";
    std::vector<CompletedWriteStep> expected {
        { WriteStep::CreateFile, temporary },
        { WriteStep::SetMode, temporary },
        { WriteStep::WriteBytes, temporary },
        { WriteStep::FlushFile, temporary },
        { WriteStep::ReadBack, temporary },
        { WriteStep::Rename, target },
    };
#ifndef _WIN32
    expected.push_back({ WriteStep::FlushFolder, m_folder });
#else
    // Windows keeps no modes to give, and lets no ordinary program flush a folder.
    std::erase(expected, CompletedWriteStep { WriteStep::SetMode, temporary });
#endif
    EXPECT_EQ(steps, expected);
}

// The mode a rewritten or new file ends with.
struct ModeCase
{
    const char* name;
    std::optional<fs::perms> previous; // the mode of the file replaced; none when there was no file
    FileAccess access;
    fs::perms expected;
};

void PrintTo(const ModeCase& row, std::ostream* out)
{
    *out << row.name;
}

class AtomicFileModeTest : public AtomicFileTest, public ::testing::WithParamInterface<ModeCase>
{
};

TEST_P(AtomicFileModeTest, ARewriteKeepsTheModeButAPasswordFileIsNeverReadableByOthers)
{
#ifdef _WIN32
    GTEST_SKIP() << test::kNoFileModes;
#endif
    const auto target = m_folder / "setup.dat";
    if (GetParam().previous) {
        ASSERT_TRUE(WriteFileAtomically(target, std::vector<std::uint8_t>(3, 0), FileAccess::Everyone).ok());
        fs::permissions(target, *GetParam().previous);
    }

    const auto status = WriteFileAtomically(target, std::vector<std::uint8_t>(3, 1), GetParam().access);

    ASSERT_TRUE(status.ok()) << status.reason();
    EXPECT_EQ(status.note(), SuccessNote::None) << status.reason();
    EXPECT_EQ(fs::status(target).permissions(), GetParam().expected);
}

constexpr auto kOwnerOnly = fs::perms::owner_read | fs::perms::owner_write;
constexpr auto kReadableByAll = kOwnerOnly | fs::perms::group_read | fs::perms::others_read;

INSTANTIATE_TEST_SUITE_P(Modes, AtomicFileModeTest,
    ::testing::Values(
        ModeCase {
            .name = "OwnerOnlyKept",
            .previous = kOwnerOnly,
            .access = FileAccess::Everyone,
            .expected = kOwnerOnly,
        },
        ModeCase {
            .name = "ReadableByAllKept",
            .previous = kReadableByAll,
            .access = FileAccess::Everyone,
            .expected = kReadableByAll,
        },
        ModeCase {
            .name = "PasswordFileDropsTheGroupAndOthers",
            .previous = kReadableByAll | fs::perms::group_write,
            .access = FileAccess::OwnerOnly,
            .expected = kOwnerOnly,
        },
        ModeCase {
            .name = "NewPrivateFile",
            .previous = std::nullopt,
            .access = FileAccess::OwnerOnly,
            .expected = kOwnerOnly,
        }),
    [](const auto& row) { return std::string { row.param.name }; });

// A mode that cannot be read or given leaves the new file to its owner alone, and the success says so.
struct UnknownModeCase
{
    const char* name;
    WriteStep step;
};

void PrintTo(const UnknownModeCase& row, std::ostream* out)
{
    *out << row.name;
}

class AtomicFileUnknownModeTest : public AtomicFileTest, public ::testing::WithParamInterface<UnknownModeCase>
{
};

TEST_P(AtomicFileUnknownModeTest, TheNewFileIsTheOwnersAloneAndTheSuccessSaysSo)
{
#ifdef _WIN32
    GTEST_SKIP() << test::kNoFileModes;
#endif
    const auto target = m_folder / "menu.dat";
    ASSERT_TRUE(WriteFileAtomically(target, std::vector<std::uint8_t>(3, 0), FileAccess::Everyone).ok());
    fs::permissions(target, kReadableByAll);
    WriteFaults faults;
    faults.systemError = InjectedWriteError { .step = GetParam().step, .error = { EIO, std::generic_category() } };
    const std::vector<std::uint8_t> bytes { 1, 2, 3 };

    const auto status = WriteFileAtomically(target, bytes, FileAccess::Everyone, faults);

    ASSERT_TRUE(status.ok()) << status.reason();
    EXPECT_EQ(status.note(), SuccessNote::OwnerOnlyMode);
    EXPECT_NE(status.reason().find(std::generic_category().message(EIO)), std::string::npos) << status.reason();
    EXPECT_EQ(readAll(target), bytes);
    EXPECT_EQ(fs::status(target).permissions(), kOwnerOnly);
}

INSTANTIATE_TEST_SUITE_P(Modes, AtomicFileUnknownModeTest,
    ::testing::Values(UnknownModeCase { "ModeCannotBeRead", WriteStep::ReadMode },
        UnknownModeCase { "ModeCannotBeGiven", WriteStep::SetMode }),
    [](const auto& row) { return std::string { row.param.name }; });

// Another user's mode says nothing about what ours should be: the new file gets the mode a new file gets.
TEST_F(AtomicFileTest, AnotherUsersFileLendsItsModeToNoOne)
{
#ifdef _WIN32
    GTEST_SKIP() << test::kNoFileModes;
#else
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser can give a file to another user";
    const auto target = m_folder / "menu.dat";
    ASSERT_TRUE(WriteFileAtomically(target, std::vector<std::uint8_t>(3, 0), FileAccess::Everyone).ok());
    fs::permissions(target, kOwnerOnly);
    ASSERT_EQ(::chown(target.c_str(), 4242, 4242), 0);
    const mode_t previousMask = ::umask(022);

    const auto status = WriteFileAtomically(target, std::vector<std::uint8_t>(3, 1), FileAccess::Everyone);
    ::umask(previousMask);

    ASSERT_TRUE(status.ok()) << status.reason();
    EXPECT_EQ(fs::status(target).permissions(), kReadableByAll);
#endif
}

std::vector<std::string> LockFolderNames(const test::TempFolder& folder)
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
    EXPECT_EQ(LockFolderNames(folder), (std::vector<std::string> { "menu.dat", "menu.dat.lock" }))
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

    constexpr int kPairs = 200;
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
