#include "fleet/SheetRecord.h"

#include "FleetFixture.h"

#include <gtest/gtest.h>
#include <regex>
#include <thread>

namespace tamb {
namespace {

using test::FileText;
using test::TempFolder;
using test::WriteText;

TEST(SheetRecord, FillsTheRowOfTheCameraAndKeepsEveryOtherCell)
{
    TempFolder folder;
    const auto sheet = folder.file("cameras.csv");
    WriteText(sheet, "camera;name;model;# note\r\nA001;\"Oak; east\";11;x\r\nB002;Pond;4;\"say \"\"hi\"\"\"\r\n");
    ASSERT_TRUE(RecordCardWritten(sheet, "B002", "2026-12-11T05:07:09+01:00", "CARD 2").ok());
    EXPECT_EQ(FileText(sheet),
        "camera;name;model;# note;written;card\r\n"
        "A001;\"Oak; east\";11;x\r\n"
        "B002;Pond;4;\"say \"\"hi\"\"\";2026-12-11T05:07:09+01:00;CARD 2\r\n");
    ASSERT_TRUE(RecordCardWritten(sheet, "A001", "2026-12-11T05:08:00+01:00", "CARD 1").ok());
    EXPECT_NE(FileText(sheet).find("A001;\"Oak; east\";11;x;2026-12-11T05:08:00+01:00;CARD 1\r\n"), std::string::npos);
    EXPECT_FALSE(RecordCardWritten(sheet, "C003", "now", "card").ok());
    EXPECT_FALSE(std::filesystem::exists(folder.file("cameras.csv.lock")));
}

TEST(SheetRecord, AFailedWriteKeepsTheSheet)
{
    TempFolder folder;
    const auto sheet = folder.file("cameras.csv");
    const std::string before = "camera,model,written,card\nA001,1,,\n";
    WriteText(sheet, before);
    for (const WriteFaults& faults : { WriteFaults { .failAfterBytes = 10 },
             WriteFaults {
                 .systemError = InjectedWriteError { WriteStep::Rename, make_error_code(std::errc::io_error) } } }) {
        EXPECT_FALSE(RecordCardWritten(sheet, "A001", "2026-12-11T05:07:09Z", "CARD", faults).ok());
        EXPECT_EQ(FileText(sheet), before);
    }
    EXPECT_EQ(folder.names(), std::vector<std::string> { "cameras.csv" });
}

TEST(SheetRecord, RunsRecordingAtOnceTakeTurns)
{
    TempFolder folder;
    const auto sheet = folder.file("cameras.csv");
    std::string text = "camera,model\n";
    for (int i = 0; i < 8; ++i)
        text += "A00" + std::to_string(i) + ",1\n";
    WriteText(sheet, text);
    // A lock left by a killed run does not stop anyone.
    WriteText(folder.file("cameras.csv.lock"), "");
    std::vector<std::thread> runs;
    std::vector<int> failures(8, 0);
    for (int i = 0; i < 8; ++i)
        runs.emplace_back([&, i] {
            failures[static_cast<std::size_t>(i)]
                = RecordCardWritten(sheet, "A00" + std::to_string(i), "T" + std::to_string(i), "C").ok() ? 0 : 1;
        });
    for (auto& run : runs)
        run.join();
    EXPECT_EQ(failures, std::vector<int>(8, 0));
    const std::string after = FileText(sheet);
    for (int i = 0; i < 8; ++i)
        EXPECT_NE(after.find("A00" + std::to_string(i) + ",1,T" + std::to_string(i) + ",C\n"), std::string::npos);
}

TEST(SheetRecord, TimeHasTheOffset)
{
    EXPECT_TRUE(
        std::regex_match(IsoLocalTime(1765426029), std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d)")));
}

} // namespace
} // namespace tamb
