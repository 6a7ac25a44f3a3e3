#include "CliRunner.h"
#include "common/SmallFile.h"

#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <thread>
#include <vector>

namespace tamb {
namespace {

std::string Text(const std::filesystem::path& path)
{
    return ReadSmallRegularFile(path, 1 << 20).value_or("");
}

void Write(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

class FleetCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(sandbox.folder() / "base");
        ASSERT_EQ(sandbox.run({ "camera", "--model", "11", "--out", "{dir}/base", "videoLength=30" }).exitCode, 0);
        const CliRun saved = sandbox.run({ "profile", "save", "Ridge", "--model", "11", "--from", "{dir}/base" });
        ASSERT_EQ(saved.exitCode, 0) << saved.output;
    }
    CliSandbox sandbox;
};

TEST_F(FleetCommandTest, ProfilesAreListedShownAndRemoved)
{
    const CliRun list = sandbox.run({ "profile", "list" });
    EXPECT_EQ(list.output, "Ridge\tmodel 11 (Tamb Vorrel Q300)\tmenu.dat\n");
    const CliRun show = sandbox.run({ "profile", "show", "Ridge" });
    EXPECT_NE(show.output.find("videoLength: 1..60 (seconds); starts at 30"), std::string::npos) << show.output;
    // A folder with nothing this model can load saves nothing.
    std::filesystem::create_directories(sandbox.folder() / "empty");
    EXPECT_EQ(sandbox.run({ "profile", "save", "None", "--model", "4", "--from", "{dir}/empty" }).exitCode, 1);
    EXPECT_EQ(sandbox.run({ "profile", "save", "a/b", "--model", "4", "--from", "{dir}/base" }).exitCode, 2);
    // A menu.dat of a Q300 is not one that a Q400's dialog could have written.
    const CliRun other = sandbox.run({ "profile", "save", "Other", "--model", "4", "--from", "{dir}/base" });
    EXPECT_NE(other.output.find("Left out"), std::string::npos) << other.output;
    EXPECT_EQ(sandbox.run({ "profile", "remove", "Ridge" }).exitCode, 0);
    EXPECT_EQ(sandbox.run({ "profile", "list" }).output, "");
}

TEST_F(FleetCommandTest, ABadSheetIsReportedCellByCellAndNothingIsWritten)
{
    Write(sandbox.folder() / "s.csv", "camera,model,profile,latitude,longitude\nA01,11,Ridge,47,8\nB002,4,Ridge,,\n");
    std::filesystem::create_directories(sandbox.outFolder());
    const CliRun run = sandbox.run({ "fleet", "--sheet", "{dir}/s.csv", "--camera", "B002", "--out", "{dir}/out" });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("row 2, column camera"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("row 3, column profile"), std::string::npos) << run.output;
    EXPECT_TRUE(sandbox.outFiles().empty());
    EXPECT_EQ(sandbox.run({ "fleet", "--sheet", "{dir}/s.csv", "--check" }).exitCode, 1);
}

TEST_F(FleetCommandTest, TwoCardsAtOnceAreBothRecorded)
{
    Write(sandbox.folder() / "s.csv", "camera,model,profile,latitude,longitude\nA07Z,11,Ridge,47.5,8.25\nB002,14,,,\n");
    EXPECT_EQ(sandbox.run({ "fleet", "--sheet", "{dir}/s.csv", "--check" }).exitCode, 0);
    std::vector<CliRun> runs(2);
    {
        std::vector<std::jthread> cards;
        for (std::size_t i = 0; i < 2; ++i) {
            const std::string serial = i == 0 ? "A07Z" : "B002";
            std::filesystem::create_directories(sandbox.folder() / ("CARD" + serial));
            cards.emplace_back([&, i, serial] {
                runs[i] = sandbox.run(
                    { "fleet", "--sheet", "{dir}/s.csv", "--camera", serial, "--out", "{dir}/CARD" + serial });
            });
        }
    }
    for (const CliRun& run : runs)
        EXPECT_EQ(run.exitCode, 0) << run.output;
    const std::string sheet = Text(sandbox.folder() / "s.csv");
    const std::string time = R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d)";
    EXPECT_TRUE(std::regex_search(sheet, std::regex("A07Z,11,Ridge,47.5,8.25," + time + ",CARDA07Z\n"))) << sheet;
    EXPECT_TRUE(std::regex_search(sheet, std::regex("B002,14,,,," + time + ",CARDB002\n"))) << sheet;
    const CliRun inspect = sandbox.run({ "inspect", "--model", "11", "{dir}/CARDA07Z/menu.dat" });
    EXPECT_NE(inspect.output.find("loadable yes"), std::string::npos) << inspect.output;

    const CliRun exported = sandbox.run({ "fleet", "--sheet", "{dir}/s.csv", "--export", "{dir}/deployments.csv" });
    ASSERT_EQ(exported.exitCode, 0) << exported.output;
    EXPECT_TRUE(std::regex_search(Text(sandbox.folder() / "deployments.csv"),
        std::regex("\nA07Z_\\d{4}-\\d\\d-\\d\\d,,47.5,8.25," + time + ",,A07Z,Tamb Vorrel-Q300,60\n")));
}

} // namespace
} // namespace tamb
