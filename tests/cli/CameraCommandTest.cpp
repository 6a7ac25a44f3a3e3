#include "CliRunner.h"
#include "common/AppState.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <sstream>
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

void PrintTo(const CameraRejectionCase& row, std::ostream* stream)
{
    *stream << row.name;
}

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

struct ModelHelpCase
{
    std::string name;
    ModelId model;
    std::map<std::string, std::string> keys; // key and what the help says it allows
    std::vector<std::string> absentKeys;
};

void PrintTo(const ModelHelpCase& row, std::ostream* stream)
{
    *stream << row.name << " model " << row.model;
}

// The key list after "Keys of model N (...)": each line is two blanks, the key, blanks and what it allows.
std::map<std::string, std::string> ListedKeys(const std::string& output, ModelId model)
{
    std::map<std::string, std::string> keys;
    const auto start = output.find("\nKeys of model " + std::to_string(model) + " (");
    if (start == std::string::npos)
        return keys;
    std::istringstream lines(output.substr(start + 1));
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line) && line.starts_with("  ")) {
        const auto keyEnd = line.find(' ', 2);
        keys[line.substr(2, keyEnd - 2)] = line.substr(line.find_first_not_of(' ', keyEnd));
    }
    return keys;
}

class CameraModelHelpTest : public ::testing::TestWithParam<ModelHelpCase>
{
};

TEST_P(CameraModelHelpTest, ListsTheModelsKeysWithTheirOptionsAndStartValues)
{
    const CliSandbox sandbox;
    const auto result = sandbox.run({ "camera", "--model", std::to_string(GetParam().model), "--help" });
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_TRUE(result.output.starts_with("Usage: tamb-setup-cli camera ")) << result.output;
    const auto keys = ListedKeys(result.output, GetParam().model);
    for (const auto& [key, allowed] : GetParam().keys) {
        const auto listed = keys.find(key);
        ASSERT_NE(listed, keys.end()) << key << " is missing from\n" << result.output;
        EXPECT_EQ(listed->second, allowed);
    }
    for (const std::string& key : GetParam().absentKeys)
        EXPECT_FALSE(keys.contains(key)) << key;
    EXPECT_TRUE(sandbox.outFiles().empty());
}

INSTANTIATE_TEST_SUITE_P(CameraCommand, CameraModelHelpTest,
    ::testing::Values(ModelHelpCase { "GenericWithoutSdCycle", 1,
                          { { "imageSize", "0..2 (0 5MP, 1 12MP, 2 1.3MP); starts at 0" },
                              { "videoLength", "1..60 (seconds); starts at 10" },
                              { "interval", "0..60 (0 only with intervalUnit=0, seconds); starts at 1" },
                              { "serialNumber", "exactly four characters from 0-9 and A-Z, e.g. A70Z" } },
                          { "sdCycle", "wirelessPassword", "longitudeDegrees", "beepSound" } },
        ModelHelpCase { "GenericWithSdCycle", 15,
            { { "videoSize", "0..3 (0 1920x1080, 1 1280x720, 2 640x480, 3 320x240); starts at 1" },
                { "sdCycle", "0..1 (0 Off, 1 On); starts at 0" } },
            { "wirelessPassword" } },
        ModelHelpCase { "WithWirelessPassword", 14, { { "wirelessPassword", "up to four digits; starts at 7394" } },
            { "sidePir" } }),
    [](const auto& row) { return row.param.name; });

TEST(CameraCommandTest, WritesTheSettingsTheClockAndTheApplicationState)
{
    const CliSandbox sandbox;
    const auto result = sandbox.run({ "camera", "--model", "13", "--out", "{dir}/out", "--clock", "2031-06-30T14:05:09",
        "--language", "3", "--chinese-requested", "--tv-mode", "258", "longitudeDirection=1", "longitudeDegrees=8",
        "latitudeDegrees=52", "sdCycle=1", "dateFormat=2" });
    ASSERT_EQ(result.exitCode, 0) << result.output;

    std::ifstream in(sandbox.outFolder() / "menu.dat", std::ios::binary);
    const std::vector<std::uint8_t> bytes { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    ASSERT_EQ(bytes.size(), 60U);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 14, bytes.begin() + 20),
        (std::vector<std::uint8_t> { 21, 6, 30, 14, 5, 9 })); // the last year the record holds
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
