#include "CliRunner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace tamb {
namespace {

struct CameraRejectionCase
{
    std::string name;
    std::vector<std::string> arguments;
    std::string message; // a part of what the program must say
};

class CameraCommandRejectionTest : public ::testing::TestWithParam<CameraRejectionCase>
{
};

TEST_P(CameraCommandRejectionTest, RejectsWithExitCodeTwoAndWritesNothing)
{
    const CliSandbox sandbox;
    std::vector<std::string> arguments { "camera", "--out", "{dir}/out" };
    arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    const auto result = sandbox.run(arguments);
    EXPECT_EQ(result.exitCode, 2) << result.output;
    EXPECT_NE(result.output.find(GetParam().message), std::string::npos) << result.output;
    EXPECT_TRUE(sandbox.outFiles().empty());
}

INSTANTIATE_TEST_SUITE_P(CameraCommand, CameraCommandRejectionTest,
    ::testing::Values(CameraRejectionCase { "WithoutModel", { "videoLength=5" }, "--model is required" },
        CameraRejectionCase { "UnknownKey", { "--model", "1", "zoom=2" }, "zoom=2: unknown key" },
        CameraRejectionCase {
            "KeyTheFamilyLacks", { "--model", "8", "sidePir=0" }, "sidePir=0: the camera dialog of model 8" },
        CameraRejectionCase { "ValueOutsideTheList", { "--model", "2", "videoSize=3" }, "videoSize=3: allowed 0..2" },
        CameraRejectionCase { "ValueOutsideTheRange", { "--model", "14", "videoLength=61" }, "from 1 to 60" }),
    [](const auto& row) { return row.param.name; });

TEST(CameraCommandTest, WritesTheSettingsTheClockAndTheApplicationState)
{
    const CliSandbox sandbox;
    const auto result = sandbox.run({ "camera", "--model", "13", "--out", "{dir}/out", "--clock", "2035-06-30T14:05:09",
        "--language", "3", "--chinese-requested", "--tv-mode", "258", "longitudeDirection=1", "longitudeDegrees=8",
        "latitudeDegrees=52", "sdCycle=1", "dateFormat=2" });
    ASSERT_EQ(result.exitCode, 0) << result.output;

    std::ifstream in(sandbox.outFolder() / "menu.dat", std::ios::binary);
    const std::vector<std::uint8_t> bytes { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    ASSERT_EQ(bytes.size(), 60U);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 14, bytes.begin() + 20),
        (std::vector<std::uint8_t> { 21, 6, 30, 14, 5, 9 })); // the year read as 2031
    EXPECT_EQ(bytes[29], 1); // Chinese requested
    EXPECT_EQ(bytes[30], 2); // low byte of the TV mode
    EXPECT_EQ(bytes[36], 1);
    EXPECT_EQ(bytes[40], 1);
    EXPECT_EQ(bytes[41], 8);
    EXPECT_EQ(bytes[45], 52);
    EXPECT_EQ(bytes[48], 2);
    EXPECT_EQ(bytes[1], 3); // the model's start image size, "14MP"
}

} // namespace
} // namespace tamb

namespace tamb {
namespace {

// Off Windows the preferences are a file; the registry has its own test (RegistryPreferencesTest).
#ifndef _WIN32
TEST(CameraCommandTest, LanguageAndTvModeDefaultToTheStoredPreferences)
{
    const CliSandbox sandbox;
    std::filesystem::create_directories(sandbox.folder() / "config" / "tamb-vorrel");
    std::ofstream(sandbox.folder() / "config" / "tamb-vorrel" / "preferences") << "language=5\nTvMode=7\n";
    const auto result = sandbox.run({ "camera", "--model", "6", "--out", "{dir}/out" });
    ASSERT_EQ(result.exitCode, 0) << result.output;

    std::ifstream in(sandbox.outFolder() / "menu.dat", std::ios::binary);
    const std::vector<std::uint8_t> bytes { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    ASSERT_EQ(bytes.size(), 60U);
    EXPECT_EQ(bytes[29], 5);
    EXPECT_EQ(bytes[30], 7);
}
#endif

} // namespace
} // namespace tamb
