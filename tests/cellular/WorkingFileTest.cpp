#include "cellular/ScrambledSettingsFile.h"
#include "cellular/SetupFile.h"
#include "common/OwnedFile.h"
#include "support/CellularFileBytes.h"
#include "support/PlatformLimits.h"
#include "support/TempFolder.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <thread>

namespace tamb {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

using test::kUsPage;

MmsSettings SettingsWithPassword()
{
    MmsSettings settings;
    settings.apn = "cmwap";
    settings.account = "owner";
    settings.password = "plain-secret";
    return settings;
}

std::vector<std::uint8_t> ExpectedSetupFile()
{
    return BuildScrambledSettingsBytes(BuildSetupRecords(SettingsWithPassword(), AppState {}, kUsPage), 0);
}

// Something planted under the working file's name before a write: the bytes must go into a fresh file of the
// program's own and nowhere else. `plant` is false where the system cannot make such a thing.
struct PlantedCase
{
    const char* name;
    bool (*plant)(const TempFolder& folder, const fs::path& outside);
    bool outsideExistsAfter;
};

void PrintTo(const PlantedCase& row, std::ostream* out)
{
    *out << row.name;
}

const std::vector<std::uint8_t> kOutsideBytes { 'k', 'e', 'e', 'p' };

class PlantedWorkingFileTest : public ::testing::TestWithParam<PlantedCase>
{
};

TEST_P(PlantedWorkingFileTest, ThePlainRecordsReachNoFileButTheProgramsOwn)
{
    const TempFolder folder;
    fs::create_directories(folder.file("card"));
    const auto outside = folder.file("elsewhere");
    if (!GetParam().plant(folder, outside))
        GTEST_SKIP() << test::kNoSymbolicLinks;

    const auto status = WriteSetupFile(folder.file("card").string(), SettingsWithPassword(), AppState {}, kUsPage);

    ASSERT_TRUE(status.ok()) << status.reason();
    EXPECT_EQ(fs::exists(fs::symlink_status(outside)), GetParam().outsideExistsAfter);
    if (GetParam().outsideExistsAfter) {
        EXPECT_EQ(folder.read("elsewhere"), kOutsideBytes) << "the file behind the name was written through";
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder.file("card") / "mms.dat")));
    EXPECT_EQ(folder.read("card/setup.dat"), ExpectedSetupFile());
}

INSTANTIATE_TEST_SUITE_P(Planted, PlantedWorkingFileTest,
    ::testing::Values(
        PlantedCase {
            .name = "SymbolicLink",
            .plant =
                [](const TempFolder& folder, const fs::path& outside) {
                    folder.write("elsewhere", kOutsideBytes);
                    return test::MakeSymbolicLink(outside, folder.file("card") / "mms.dat");
                },
            .outsideExistsAfter = true,
        },
        PlantedCase {
            .name = "DanglingSymbolicLink",
            .plant
            = [](const TempFolder& folder,
                  const fs::path& outside) { return test::MakeSymbolicLink(outside, folder.file("card") / "mms.dat"); },
            .outsideExistsAfter = false,
        },
        PlantedCase {
            .name = "HardLink",
            .plant =
                [](const TempFolder& folder, const fs::path& outside) {
                    folder.write("elsewhere", kOutsideBytes);
                    fs::create_hard_link(outside, folder.file("card") / "mms.dat");
                    return true;
                },
            .outsideExistsAfter = true,
        }),
    [](const auto& row) { return std::string { row.param.name }; });

// Two writes into one folder at the same moment, each checked against the file it alone would make.
TEST(WorkingFileTest, ConcurrentWritersEachFinishFromTheirOwnRecords)
{
    const TempFolder folder { test::InMemoryTempBase() };
    PlainRecords setupRecords = BuildSetupRecords(SettingsWithPassword(), AppState {}, kUsPage);
    PlainRecords otherRecords = setupRecords;
    otherRecords[1].fill('x');
    const auto setupBytes = BuildScrambledSettingsBytes(setupRecords, 0);
    const auto otherSetupBytes = BuildScrambledSettingsBytes(otherRecords, 0);
    const auto smtpBytes = BuildScrambledSettingsBytes(otherRecords, 15);

    constexpr int kPairs = 200;
    for (int pair = 0; pair < kPairs; ++pair) {
        Status first = Status::success();
        Status second = Status::success();
        const bool toSmtp = pair % 2 == 0;
        {
            std::jthread one([&] { first = WriteScrambledSettingsFile(folder.text(), "setup.dat", setupRecords, 0); });
            std::jthread two([&] {
                second = toSmtp ? WriteScrambledSettingsFile(folder.text(), "smtp.dat", otherRecords, 15)
                                : WriteScrambledSettingsFile(folder.text(), "setup.dat", otherRecords, 0);
            });
        }
        ASSERT_TRUE(first.ok()) << "pair " << pair << ": " << first.reason();
        ASSERT_TRUE(second.ok()) << "pair " << pair << ": " << second.reason();
        const auto setup = folder.read("setup.dat");
        if (toSmtp) {
            ASSERT_EQ(setup, setupBytes) << "pair " << pair;
            ASSERT_EQ(folder.read("smtp.dat"), smtpBytes) << "pair " << pair;
        } else {
            ASSERT_TRUE(setup == setupBytes || setup == otherSetupBytes) << "pair " << pair << ": a mixed file";
        }
        ASSERT_FALSE(fs::exists(folder.file("mms.dat"))) << "pair " << pair;
    }
}

TEST(WorkingFileTest, AWriteThatFindsTheWorkingFileHeldTooLongFailsAndTouchesNothing)
{
    const TempFolder folder;
    std::error_code error;
    auto held = OwnedFile::create(folder.file("mms.dat"), FileAccess::OwnerOnly, error);
    ASSERT_TRUE(held.isOpen()) << error.message();

    ScrambledFileFaults impatient;
    impatient.workingFile.lockWait = std::chrono::milliseconds { 20 };
    const auto status = WriteSetupFile(folder.text(), SettingsWithPassword(), AppState {}, kUsPage, impatient);

    EXPECT_EQ(status.kind(), FailureKind::Busy);
    EXPECT_NE(status.reason().find("another write"), std::string::npos) << status.reason();
    EXPECT_EQ(folder.names(), std::vector<std::string> { "mms.dat" }) << "the other write's file stays";
}

// A working file whose name cannot be removed must not keep the passwords it holds: its bytes go instead.
TEST(WorkingFileTest, AWorkingFileThatCannotBeRemovedHoldsNoPlainSettings)
{
    const TempFolder folder;
    ScrambledFileFaults stuck;
    stuck.workingFile.systemError
        = InjectedWriteError { .step = WriteStep::RemoveFile, .error = { EIO, std::generic_category() } };

    const auto status = WriteSetupFile(folder.text(), SettingsWithPassword(), AppState {}, kUsPage, stuck);

    EXPECT_EQ(status.kind(), FailureKind::WorkingFileWiped) << status.reason();
    EXPECT_EQ(folder.read("setup.dat"), ExpectedSetupFile()) << "the final file is written";
    const auto working = folder.read("mms.dat");
    EXPECT_EQ(working, std::vector<std::uint8_t>(kStoredRecordCount * kRecordSize, 0));
}

TEST(WorkingFileTest, AWorkingFileThatCannotBeReadGivesTheSystemsReasonAndKeepsTheEarlierFile)
{
    const TempFolder folder;
    folder.write("setup.dat", kOutsideBytes);
    ScrambledFileFaults unreadable;
    unreadable.workingFile.systemError
        = InjectedWriteError { .step = WriteStep::ReadBack, .error = { EIO, std::generic_category() } };

    const auto status = WriteSetupFile(folder.text(), SettingsWithPassword(), AppState {}, kUsPage, unreadable);

    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.reason().find(std::generic_category().message(EIO)), std::string::npos) << status.reason();
    EXPECT_EQ(status.reason().find("cut short"), std::string::npos) << status.reason();
    EXPECT_EQ(folder.read("setup.dat"), kOutsideBytes);
    EXPECT_EQ(folder.names(), std::vector<std::string> { "setup.dat" });
}

// The working file holds every setting unscrambled: POSIX systems keep it to its owner by its mode, Windows by
// holding it open without sharing, so that no other program can read it while it exists.
TEST(WorkingFileTest, NoOneElseCanReadTheWorkingFile)
{
    const TempFolder folder;
    ScrambledFileFaults stopAfterWorkingFile;
    stopAfterWorkingFile.failAfterWorkingFile = true;
    [[maybe_unused]] fs::perms mode {};
    [[maybe_unused]] bool openedByAnother = false;
    stopAfterWorkingFile.afterWorkingFile = [&](const fs::path& working) {
        mode = fs::status(working).permissions();
        openedByAnother = std::ifstream(working, std::ios::binary).is_open();
    };

    static_cast<void>(
        WriteSetupFile(folder.text(), SettingsWithPassword(), AppState {}, kUsPage, stopAfterWorkingFile));

#ifdef _WIN32
    EXPECT_FALSE(openedByAnother);
#else
    EXPECT_EQ(mode, fs::perms::owner_read | fs::perms::owner_write);
#endif
}

} // namespace
} // namespace tamb
