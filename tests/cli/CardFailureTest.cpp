#include "CliRunner.h"
#include "common/Paths.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
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

} // namespace
} // namespace tamb
