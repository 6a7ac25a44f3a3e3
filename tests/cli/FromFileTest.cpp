#include "CliRunner.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace tamb {
namespace {

std::vector<char> Read(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

// A first run writes a file; a second starts from it, changes one key and writes into "again".
struct FromCase
{
    std::string name;
    std::vector<std::string> first; // after "--out {dir}/out"
    std::string file;
    std::vector<std::string> keysOfTheSecond;
    std::size_t changedBytes; // how many bytes the second run's key changes
};

void PrintTo(const FromCase& row, std::ostream* out)
{
    *out << row.name;
}

class FromFileTest : public ::testing::TestWithParam<FromCase>
{
};

TEST_P(FromFileTest, StartsFromTheFileThenTheKeysChangeIt)
{
    const FromCase& row = GetParam();
    const CliSandbox sandbox;
    std::filesystem::create_directories(sandbox.outFolder());
    std::filesystem::create_directories(sandbox.folder() / "again");
    std::vector<std::string> first = row.first;
    first.insert(first.begin() + 1, { "--out", "{dir}/out" });
    const CliRun written = sandbox.run(first);
    ASSERT_EQ(written.exitCode, 0) << written.output;

    std::vector<std::string> second { row.first[0], row.first[1], row.first[2], "--out", "{dir}/again", "--from",
        "{dir}/out/" + row.file };
    if (row.first[0] == "camera")
        second.insert(second.end(), { "--clock", "2024-02-03T07:05:09" });
    const CliRun loaded = sandbox.run(second);
    ASSERT_EQ(loaded.exitCode, 0) << loaded.output;
    EXPECT_EQ(Read(sandbox.folder() / "again" / row.file), Read(sandbox.outFolder() / row.file));

    second.insert(second.end(), row.keysOfTheSecond.begin(), row.keysOfTheSecond.end());
    const CliRun changed = sandbox.run(second);
    ASSERT_EQ(changed.exitCode, 0) << changed.output;
    const std::vector<char> before = Read(sandbox.outFolder() / row.file);
    const std::vector<char> after = Read(sandbox.folder() / "again" / row.file);
    ASSERT_EQ(before.size(), after.size());
    std::size_t differing = 0;
    for (std::size_t k = 0; k < before.size(); ++k)
        differing += before[k] != after[k] ? 1U : 0U;
    EXPECT_GE(differing, row.changedBytes);
}

INSTANTIATE_TEST_SUITE_P(EveryFile, FromFileTest,
    ::testing::Values(FromCase { "Camera",
                          { "camera", "--model", "13", "--clock", "2024-02-03T07:05:09", "cameraMode=1",
                              "videoLength=45", "sdCycle=1", "latitudeDegrees=52" },
                          "menu.dat", { "videoLength=10" }, 1 },
        FromCase { "Mms",
            { "mms", "--model", "2", "country=12", "phoneScope=1", "phone1=+447700900123", "picturesPerDay=20" },
            "setup.dat", { "picturesPerDay=21" }, 1 },
        FromCase { "Smtp",
            { "smtp", "--model", "4", "smtpServer=smtp.example.com", "smtpPort=465", "senderEmail=cam@example.com",
                "senderPassword=pw", "recipientEmail=me@example.org", "smtpStatus=2", "smsPhone=13800138000" },
            "smtp.dat", { "smtpPort=587" }, 1 }),
    [](const auto& row) { return row.param.name; });

TEST(FromFileTest, AFileThatDoesNotLoadIsRefusedWithTheReasonAndNothingIsWritten)
{
    const CliSandbox sandbox;
    std::filesystem::create_directories(sandbox.outFolder());
    std::filesystem::create_directories(sandbox.folder() / "second");
    ASSERT_EQ(sandbox.run({ "camera", "--model", "1", "--out", "{dir}/out" }).exitCode, 0);
    struct Refused
    {
        std::vector<std::string> arguments;
        std::string reason;
    };
    const std::vector<Refused> refusals {
        { { "camera", "--model", "8", "--from", "{dir}/out/menu.dat" }, "not written for this camera model" },
        { { "mms", "--model", "1", "--from", "{dir}/out/menu.dat" }, "setup" },
        { { "smtp", "--model", "3", "--from", "{dir}/absent.dat" }, "not a readable file" },
    };
    for (const Refused& refused : refusals) {
        std::vector<std::string> arguments = refused.arguments;
        arguments.insert(arguments.end(), { "--out", "{dir}/second" });
        const CliRun run = sandbox.run(arguments);
        EXPECT_EQ(run.exitCode, 2) << run.output;
        EXPECT_NE(run.output.find(refused.reason), std::string::npos) << run.output;
    }
    EXPECT_TRUE(std::filesystem::is_empty(sandbox.folder() / "second"));
}

} // namespace
} // namespace tamb
