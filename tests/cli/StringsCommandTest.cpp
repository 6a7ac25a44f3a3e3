#include "CliRunner.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace tamb {
namespace {

TEST(StringsCommandTest, OneLanguageOfEveryTable)
{
    const CliSandbox sandbox;
    const auto result = sandbox.run({ "strings", "--language", "10" });
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(result.output.rfind("CameraSetupText\t10\t0\t本体設定\n", 0), 0U);
    EXPECT_NE(result.output.find("ExitText\t10\t0\t終了\n"), std::string::npos);
    EXPECT_NE(result.output.find("CountryNames\t10\t44\t\n"), std::string::npos);
    std::istringstream lines(result.output);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_NE(line.find("\t10\t"), std::string::npos) << line;
    }
}

TEST(StringsCommandTest, AllLanguagesAndMessages)
{
    const CliSandbox sandbox;
    const auto tables = sandbox.run({ "strings" });
    ASSERT_EQ(tables.exitCode, 0) << tables.output;
    EXPECT_NE(tables.output.find("UnlimitedNoteText\t2\t0\tNote\uFF1A0=Unlimited\n"), std::string::npos);
    EXPECT_NE(tables.output.find("SidePirText\t0\t0\tSide PIR\n"), std::string::npos);

    const auto messages = sandbox.run({ "strings", "--messages" });
    ASSERT_EQ(messages.exitCode, 0) << messages.output;
    EXPECT_NE(messages.output.find("PromptInteger\t请输入一个整数。\tPlease enter an integer.\n"), std::string::npos);
}

// Every language has texts of its own for every table, so nothing shows in English in its stead.
TEST(StringsCommandTest, CheckFindsNoTableShownInEnglish)
{
    const CliSandbox sandbox;
    const auto result = sandbox.run({ "strings", "--check" });
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(result.output, "");
}

TEST(StringsCommandTest, RejectsWhatItCannotPrint)
{
    const CliSandbox sandbox;
    for (const auto& arguments : { std::vector<std::string> { "strings", "--language", "16" },
             std::vector<std::string> { "strings", "--language", "0" },
             std::vector<std::string> { "strings", "--messages", "--language", "2" },
             std::vector<std::string> { "strings", "--check", "--messages" },
             std::vector<std::string> { "strings", "extra" } }) {
        const auto result = sandbox.run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.back() << ": " << result.output;
        EXPECT_NE(result.output.find("tamb-setup-cli strings: "), std::string::npos) << result.output;
    }
}

} // namespace
} // namespace tamb
