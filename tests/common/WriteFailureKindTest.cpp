#include "common/AtomicFile.h"
#include "support/TempFolder.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace tamb {
namespace {

namespace fs = std::filesystem;

const char* KindName(FailureKind kind)
{
    switch (kind) {
    case FailureKind::Other:
        return "Other";
    case FailureKind::WriteProtected:
        return "WriteProtected";
    case FailureKind::Full:
        return "Full";
    case FailureKind::Missing:
        return "Missing";
    case FailureKind::ReadBackDiffers:
        return "ReadBackDiffers";
    case FailureKind::Busy:
        return "Busy";
    case FailureKind::NotConfirmed:
        return "NotConfirmed";
    case FailureKind::WorkingFileWiped:
        return "WorkingFileWiped";
    case FailureKind::WorkingFileLeft:
        return "WorkingFileLeft";
    }
    return "?";
}

// A write that meets a fault, and the kind of failure it must report.
struct FaultCase
{
    const char* name;
    WriteFaults faults;
    FailureKind expected;
};

void PrintTo(const FaultCase& row, std::ostream* out)
{
    *out << row.name << " -> " << KindName(row.expected);
}

WriteFaults ErrorAt(WriteStep step, int error)
{
    return WriteFaults { .systemError
        = InjectedWriteError { .step = step, .error = { error, std::generic_category() } } };
}

class WriteFailureKindTest : public ::testing::TestWithParam<FaultCase>
{
protected:
    test::TempFolder m_folder;
};

TEST_P(WriteFailureKindTest, TheFailureSaysWhatKindItIsAndKeepsThePreviousFile)
{
    const auto target = m_folder.file("menu.dat");
    const std::vector<std::uint8_t> previous { 4, 4, 4 };
    ASSERT_TRUE(WriteFileAtomically(target, previous, FileAccess::Everyone).ok());

    const auto status
        = WriteFileAtomically(target, std::vector<std::uint8_t>(30, 1), FileAccess::Everyone, GetParam().faults);

    EXPECT_FALSE(status.ok());
    EXPECT_EQ(KindName(status.kind()), std::string { KindName(GetParam().expected) }) << status.reason();
    EXPECT_FALSE(status.reason().empty());
    EXPECT_EQ(m_folder.read("menu.dat"), previous);
    EXPECT_EQ(m_folder.names(), std::vector<std::string> { "menu.dat" }) << "no temporary file stays";
}

std::vector<FaultCase> FaultCases()
{
    std::vector<FaultCase> cases {
        { "LockedCardRefusesTheFile", ErrorAt(WriteStep::CreateFile, EROFS), FailureKind::WriteProtected },
        { "FullCardRefusesTheBytes", ErrorAt(WriteStep::WriteBytes, ENOSPC), FailureKind::Full },
        { "WriteStopsPartWay", WriteFaults { .failAfterBytes = 10 }, FailureKind::Full },
        { "CardPulledBeforeTheRename", ErrorAt(WriteStep::Rename, ENODEV), FailureKind::Missing },
        { "ReaderGone", ErrorAt(WriteStep::WriteBytes, ENXIO), FailureKind::Missing },
        { "InputOutputErrorOnACardStillThere", ErrorAt(WriteStep::WriteBytes, EIO), FailureKind::Other },
        { "RefusalOnAWritableVolume", ErrorAt(WriteStep::CreateFile, EACCES), FailureKind::Other },
        { "FlushOfTheNewFileFails", ErrorAt(WriteStep::FlushFile, EIO), FailureKind::Other },
        { "FullWhileFlushing", ErrorAt(WriteStep::FlushFile, ENOSPC), FailureKind::Full },
        // A check that cannot read is a failed write of the temporary file, not a verdict on the earlier one.
        { "ReadBackCannotRead", ErrorAt(WriteStep::ReadBack, EIO), FailureKind::Other },
        { "CardPulledDuringTheReadBack", ErrorAt(WriteStep::ReadBack, ENODEV), FailureKind::Missing },
        { "ReadBackGivesOtherBytes", WriteFaults { .corruptReadBackAt = 29 }, FailureKind::ReadBackDiffers },
    };
#ifdef EDQUOT
    cases.push_back({ "QuotaExhausted", ErrorAt(WriteStep::WriteBytes, EDQUOT), FailureKind::Full });
#endif
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Faults, WriteFailureKindTest, ::testing::ValuesIn(FaultCases()),
    [](const auto& row) { return std::string { row.param.name }; });

TEST(WriteFailureKindTest, AFolderThatIsGoneIsMissing)
{
    const test::TempFolder folder;
    const auto status = WriteFileAtomically(
        folder.path() / "card" / "menu.dat", std::vector<std::uint8_t>(3, 1), FileAccess::Everyone);
    EXPECT_EQ(status.kind(), FailureKind::Missing) << status.reason();
}

TEST(WriteFailureKindTest, AFileWhereTheFolderShouldBeIsNoMissingCard)
{
    const test::TempFolder folder;
    folder.write("card", { 1 });
    const auto status = WriteFileAtomically(
        folder.path() / "card" / "menu.dat", std::vector<std::uint8_t>(3, 1), FileAccess::Everyone);
    EXPECT_EQ(status.kind(), FailureKind::Other) << status.reason();
}

} // namespace
} // namespace tamb
