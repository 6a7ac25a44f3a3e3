#include "CliRunner.h"
#include "common/Paths.h"

#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace tamb {
namespace {

struct CommandCase
{
    std::string name;
    std::vector<std::string> arguments; // "--out <a folder that is not there>" is added
    std::string file;
};

void PrintTo(const CommandCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class CardFailureTest : public ::testing::TestWithParam<CommandCase>
{
};

// The command line says what the dialogs say when the card is gone, in the same plain words, and fails.
TEST_P(CardFailureTest, AFolderThatIsNotThereFailsInPlainWords)
{
    const CliSandbox sandbox;
    auto arguments = GetParam().arguments;
    arguments.insert(arguments.end(), { "--out", "{dir}/out/missing" });

    const auto result = sandbox.run(arguments);

    EXPECT_EQ(result.exitCode, 1) << result.output;
    EXPECT_NE(result.output.find(FileInFolder("out/missing", GetParam().file)), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("could not be written: the card or its folder is no longer there. Insert the card "
                                 "again, choose its folder and try again."),
        std::string::npos)
        << result.output;
}

// A file named where the folder belongs is a mistake on the command line, not a card taken out.
TEST_P(CardFailureTest, AFileGivenAsTheFolderIsRefusedAsSuch)
{
    const CliSandbox sandbox;
    const std::vector<std::uint8_t> mine { 'm', 'i', 'n', 'e' };
    {
        std::ofstream(sandbox.outFolder() / "notes.txt", std::ios::binary)
            .write(reinterpret_cast<const char*>(mine.data()), static_cast<std::streamsize>(mine.size()));
    }
    auto arguments = GetParam().arguments;
    arguments.insert(arguments.end(), { "--out", "{dir}/out/notes.txt" });

    const auto result = sandbox.run(arguments);

    EXPECT_EQ(result.exitCode, 2) << result.output;
    EXPECT_NE(result.output.find("out/notes.txt is not a folder"), std::string::npos) << result.output;
    EXPECT_EQ(result.output.find("no longer there"), std::string::npos) << result.output;
    EXPECT_EQ(sandbox.outFiles(), std::vector<std::string> { "notes.txt" });
}

INSTANTIATE_TEST_SUITE_P(CommandLine, CardFailureTest,
    ::testing::Values(
        CommandCase { "Camera", { "camera", "--model", "1", "--clock", "2024-02-03T07:05:09" }, "menu.dat" },
        CommandCase { "Factory", { "factory", "--model", "14" }, "menu.dat" },
        CommandCase { "Setup", { "mms", "--model", "3", "country=0", "operator=1", "phone1=0123456789" }, "setup.dat" },
        CommandCase { "Smtp",
            { "smtp", "--model", "6", "smtpServer=smtp.example.com", "smtpPort=25", "senderEmail=cam@example.com",
                "senderPassword=secret", "recipientEmail=me@example.org" },
            "smtp.dat" }),
    [](const auto& row) { return row.param.name; });

// Two programs writing menu.dat into one folder at the same moment, with different settings: each one that says
// it wrote the file did, and the folder always ends with the whole file of one of them.
TEST(RacingWritersTest, TwoCameraRunsIntoOneFolderLeaveTheWholeFileOfOne)
{
    const std::vector<std::string> common { "camera", "--model", "1", "--clock", "2024-02-03T07:05:09", "--out",
        "{dir}/out" };
    std::vector<std::string> first = common;
    first.push_back("videoLength=20");
    std::vector<std::string> second = common;
    second.push_back("videoLength=30");
    const CliSandbox alone;
    ASSERT_EQ(alone.run(first).exitCode, 0);
    const auto firstBytes = test::ReadFileBytes(alone.outFolder() / "menu.dat");
    ASSERT_EQ(alone.run(second).exitCode, 0);
    const auto secondBytes = test::ReadFileBytes(alone.outFolder() / "menu.dat");
    ASSERT_NE(firstBytes, secondBytes);

    const CliSandbox sandbox;
    constexpr int kPairs = 4;
    for (int pair = 0; pair < kPairs; ++pair) {
        CliRun one;
        CliRun two;
        {
            std::jthread runOne([&] { one = sandbox.run(first); });
            std::jthread runTwo([&] { two = sandbox.run(second); });
        }
        ASSERT_EQ(one.exitCode, 0) << "pair " << pair << ": " << one.output;
        ASSERT_EQ(two.exitCode, 0) << "pair " << pair << ": " << two.output;
        const auto left = test::ReadFileBytes(sandbox.outFolder() / "menu.dat");
        ASSERT_TRUE(left == firstBytes || left == secondBytes) << "pair " << pair;
        ASSERT_EQ(sandbox.outFiles(), std::vector<std::string> { "menu.dat" }) << "pair " << pair;
    }
}

} // namespace
} // namespace tamb
