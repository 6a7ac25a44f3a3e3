#include "CliRunner.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace tamb {
namespace {

// A command whose report cannot be written, because standard output is a full device.
struct FullOutputCase
{
    std::string name;
    std::vector<std::string> arguments;
};

void PrintTo(const FullOutputCase& row, std::ostream* out)
{
    *out << row.name;
}

class StandardOutputTest : public ::testing::TestWithParam<FullOutputCase>
{
};

TEST_P(StandardOutputTest, AReportThatCannotBeWrittenIsAFailureWithAReason)
{
    const CliSandbox sandbox;
    ASSERT_EQ(sandbox.run({ "factory", "--model", "14", "--out", "{dir}/out" }).exitCode, 0);

    const auto result = sandbox.run(GetParam().arguments, "/dev/full");

    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.output.find("cannot write the output: No space left on device"), std::string::npos)
        << result.output;
}

INSTANTIATE_TEST_SUITE_P(Commands, StandardOutputTest,
    ::testing::Values(FullOutputCase { "Inspect", { "inspect", "{dir}/out/menu.dat" } },
        FullOutputCase { "InspectJson", { "inspect", "--json", "{dir}/out/menu.dat" } },
        FullOutputCase { "Factory", { "factory", "--model", "3", "--out", "{dir}/out" } }),
    [](const auto& row) { return row.param.name; });

} // namespace
} // namespace tamb
