#include "CliRunner.h"
#include "camera/CameraRecord.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace tamb {
namespace {

struct RejectionCase
{
    std::string name;
    std::vector<std::string> arguments;
    std::string message; // a part of what the program must say
};

void PrintTo(const RejectionCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class CliRejectionTest : public ::testing::TestWithParam<RejectionCase>
{
};

TEST_P(CliRejectionTest, RejectsWithExitCodeTwoAndWritesNothing)
{
    const CliSandbox sandbox;
    const auto result = sandbox.run(GetParam().arguments);
    EXPECT_EQ(result.exitCode, 2) << result.output;
    EXPECT_NE(result.output.find(GetParam().message), std::string::npos) << result.output;
    EXPECT_TRUE(sandbox.outFiles().empty());
}

INSTANTIATE_TEST_SUITE_P(CommandLine, CliRejectionTest,
    ::testing::Values(RejectionCase { "NoCommand", {}, "no command given" },
        RejectionCase { "UnknownCommand", { "frobnicate" }, "unknown command 'frobnicate'" },
        RejectionCase { "FactoryWithoutOut", { "factory" }, "--out is required" },
        RejectionCase { "FactoryOutWithoutValue", { "factory", "--out" }, "--out needs a value" },
        RejectionCase { "FactoryEmptyOut", { "factory", "--out=" }, "--out takes a folder" },
        RejectionCase {
            "FactoryUnknownOption", { "factory", "--out", "{dir}/out", "--fast" }, "unknown option '--fast'" },
        RejectionCase { "FactoryOptionOfAnotherCommand", { "factory", "--out", "{dir}/out", "--model", "3" },
            "unknown option '--model'" },
        RejectionCase {
            "FactoryStrayWord", { "factory", "--out", "{dir}/out", "extra" }, "unexpected argument 'extra'" },
        RejectionCase {
            "FactoryOutTwice", { "factory", "--out", "{dir}/out", "--out={dir}/out" }, "--out is given twice" }),
    [](const auto& row) { return row.param.name; });

TEST(FactoryCommandTest, WritesTheFactoryRecord)
{
    const CliSandbox sandbox;
    const auto result = sandbox.run({ "factory", "--out", "{dir}/out" });
    ASSERT_EQ(result.exitCode, 0) << result.output;

    std::ifstream in(sandbox.outFolder() / "menu.dat", std::ios::binary);
    const std::vector<std::uint8_t> bytes { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    const auto expected = FactoryResetRecord();
    EXPECT_EQ(bytes, std::vector<std::uint8_t>(expected.begin(), expected.end()));
}

TEST(FactoryCommandTest, AFolderThatCannotBeWrittenFailsWithItsReason)
{
    const CliSandbox sandbox;
    const auto result = sandbox.run({ "factory", "--out", "{dir}/out/missing" });
    EXPECT_EQ(result.exitCode, 1) << result.output;
    EXPECT_NE(result.output.find("out/missing/menu.dat"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("No such file or directory"), std::string::npos) << result.output;
}

TEST(FactoryCommandTest, HelpIsShownForTheProgramAndTheCommand)
{
    const CliSandbox sandbox;
    const auto program = sandbox.run({ "--help" });
    EXPECT_EQ(program.exitCode, 0);
    EXPECT_NE(program.output.find("factory"), std::string::npos) << program.output;

    const auto command = sandbox.run({ "factory", "--help" });
    EXPECT_EQ(command.exitCode, 0);
    EXPECT_NE(command.output.find("Usage: tamb-setup-cli factory --out DIR"), std::string::npos) << command.output;
    EXPECT_TRUE(sandbox.outFiles().empty());
}

} // namespace
} // namespace tamb
