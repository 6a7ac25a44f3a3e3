#include "CliRunner.h"
#include "camera/CameraRecord.h"
#include "common/Crc16.h"
#include "common/ModelCatalogue.h"
#include "common/Paths.h"

#include <array>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <regex>
#include <span>
#include <sstream>

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
        RejectionCase { "FactoryWithoutModel", { "factory", "--out", "{dir}/out" }, "--model is required" },
        RejectionCase { "FactoryOptionOfAnotherCommand", { "factory", "--model", "3", "--out", "{dir}/out", "--json" },
            "unknown option '--json'" },
        RejectionCase { "FactorySetting", { "factory", "--model", "3", "--out", "{dir}/out", "videoLength=5" },
            "unexpected argument 'videoLength=5'" },
        RejectionCase { "FactoryClockAfterTheLastYear",
            { "factory", "--model", "3", "--out", "{dir}/out", "--clock", "2032-01-01T00:00:00" },
            "--clock takes a year from 2011 to 2031, not '2032-01-01T00:00:00'" },
        RejectionCase { "ClockBeforeTheFirstYear",
            { "camera", "--model", "1", "--out", "{dir}/out", "--clock", "2010-12-31T23:59:59" },
            "--clock takes a year from 2011 to 2031" },
        RejectionCase { "HelpOfAModelThatDoesNotExist",
            { "camera", "--model", std::to_string(kModelCount + 1), "--help" },
            "--model takes a model number from 1 to " + std::to_string(kModelCount) },
        RejectionCase {
            "FactoryStrayWord", { "factory", "--out", "{dir}/out", "extra" }, "unexpected argument 'extra'" },
        RejectionCase {
            "FactoryOutTwice", { "factory", "--out", "{dir}/out", "--out={dir}/out" }, "--out is given twice" },
        RejectionCase { "ClockNotALeapDay",
            { "camera", "--model", "1", "--out", "{dir}/out", "--clock", "2023-02-29T00:00:00" },
            "--clock takes a date and time YYYY-MM-DDTHH:MM:SS" },
        RejectionCase { "ClockHour24",
            { "camera", "--model", "1", "--out", "{dir}/out", "--clock", "2024-02-03T24:00:00" }, "--clock takes" },
        RejectionCase { "ClockShortParts",
            { "camera", "--model", "1", "--out", "{dir}/out", "--clock", "2024-2-3T07:05:09" }, "--clock takes" },
        RejectionCase { "TvModeAboveSixteenBits",
            { "camera", "--model", "1", "--out", "{dir}/out", "--tv-mode", "65536" },
            "--tv-mode takes a number from 0 to 65535, not '65536'" },
        RejectionCase { "LanguageZero", { "camera", "--model", "1", "--out", "{dir}/out", "--language", "0" },
            "--language takes a language number from 1 to 15" },
        RejectionCase {
            "AssignmentWithoutKey", { "camera", "--model", "1", "--out", "{dir}/out", "=5" }, "'=5' has no key" },
        RejectionCase { "KeyTwice",
            { "camera", "--model", "1", "--out", "{dir}/out", "videoLength=5", "videoLength=6" },
            "the key 'videoLength' is given twice" }),
    [](const auto& row) { return row.param.name; });

// Default of a generic dialog with the clock 2024-02-03 07:05:09, language 3 and TV mode 0x0102: the reset
// controls as a complete record, before its CRC and line end.
constexpr std::array<std::uint8_t, 56> kGenericDefaultFields {
    0, 1, 1, 0, 9, 0, 1, 0, 0, 1, // mode, image and video size 1, video length 10, interval 1 minute, side PIR On
    1, 0, 0, 0, 14, 2, 3, 7, 5, 9, // time lapse Off, the clock
    0, 0, 0, 0, 0, 0, 0, 0, 0, 3, // timer 1, serial number Off, language
    2, 0, 0, 0, 0, 0, 0, 0, 0, 0, // TV mode, timer 2, SD cycle Off
    0, 0, 0, 0, 0, 0, 0, 0, 1, 0, // date format month first
    0, 1, 0, 0, 0, 0, // side PIR again
};

std::vector<std::uint8_t> GenericDefaultRecord()
{
    std::vector<std::uint8_t> record(kGenericDefaultFields.begin(), kGenericDefaultFields.end());
    const std::uint16_t crc = Crc16(0, std::span(record).first(50));
    record.insert(record.end(), { static_cast<std::uint8_t>(crc & 0xFF), static_cast<std::uint8_t>(crc >> 8), 13, 10 });
    return record;
}

std::vector<std::uint8_t> FixedResetRecord()
{
    const auto record = FactoryResetRecord();
    return { record.begin(), record.end() };
}

class FactoryRecordTest : public ::testing::TestWithParam<ModelId>
{
};

TEST_P(FactoryRecordTest, WritesWhatDefaultOfTheModelsDialogWrites)
{
    const ModelId model = GetParam();
    const CliSandbox sandbox;
    const auto result = sandbox.run({ "factory", "--model", std::to_string(model), "--out", "{dir}/out", "--clock",
        "2024-02-03T07:05:09", "--language", "3", "--tv-mode", "258" });
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_NE(result.output.find("Wrote the factory settings to"), std::string::npos) << result.output;

    const bool generic = CameraFamilyFor(model) == CameraFamily::Generic;
    std::ifstream in(sandbox.outFolder() / "menu.dat", std::ios::binary);
    const std::vector<std::uint8_t> bytes { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    EXPECT_EQ(bytes, generic ? GenericDefaultRecord() : FixedResetRecord());
    EXPECT_EQ(sandbox.outFiles(), std::vector<std::string> { "menu.dat" });
}

INSTANTIATE_TEST_SUITE_P(EveryModel, FactoryRecordTest, ::testing::Range(1, kModelCount + 1),
    [](const auto& row) { return "Model" + std::to_string(row.param); });

TEST(CommandLineTest, ALeapDayClockIsTakenAsGiven)
{
    const CliSandbox sandbox;
    const auto result
        = sandbox.run({ "camera", "--model", "1", "--out", "{dir}/out", "--clock", "2024-02-29T23:59:58" });
    ASSERT_EQ(result.exitCode, 0) << result.output;

    std::ifstream in(sandbox.outFolder() / "menu.dat", std::ios::binary);
    const std::vector<std::uint8_t> bytes { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    ASSERT_EQ(bytes.size(), 60u);
    EXPECT_EQ((std::vector<std::uint8_t> { bytes.begin() + 14, bytes.begin() + 20 }),
        (std::vector<std::uint8_t> { 14, 2, 29, 23, 59, 58 }));
}

TEST(CommandLineTest, EveryListedCommandHasItsOwnHelp)
{
    const CliSandbox sandbox;
    const auto program = sandbox.run({ "--help" });
    ASSERT_EQ(program.exitCode, 0);
    const auto listStart = program.output.find("Commands:\n");
    ASSERT_NE(listStart, std::string::npos) << program.output;

    std::vector<std::string> commands;
    std::istringstream lines(program.output.substr(listStart));
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line) && line.starts_with("  ")) {
        std::istringstream words(line);
        std::string name;
        words >> name;
        commands.push_back(name);
    }
    ASSERT_GE(commands.size(), 2u) << program.output;
    for (const auto& command : commands) {
        const auto help = sandbox.run({ command, "--help" });
        EXPECT_EQ(help.exitCode, 0) << command;
        EXPECT_TRUE(help.output.starts_with("Usage: tamb-setup-cli " + command + " ")) << help.output;
        EXPECT_FALSE(std::regex_search(help.output, std::regex { R"(\{[a-z ]+\})" }))
            << "a placeholder left in the help of " << command;
        if (help.output.find("--model N") != std::string::npos) {
            EXPECT_NE(help.output.find("1.." + std::to_string(kModelCount)), std::string::npos) << help.output;
        }
    }
}

TEST(FactoryCommandTest, HelpIsShownForTheProgramAndTheCommand)
{
    const CliSandbox sandbox;
    const auto program = sandbox.run({ "--help" });
    EXPECT_EQ(program.exitCode, 0);
    EXPECT_NE(program.output.find("factory"), std::string::npos) << program.output;

    const auto command = sandbox.run({ "factory", "--help" });
    EXPECT_EQ(command.exitCode, 0);
    EXPECT_NE(command.output.find("Usage: tamb-setup-cli factory --model N --out DIR"), std::string::npos)
        << command.output;
    EXPECT_TRUE(sandbox.outFiles().empty());
}

} // namespace
} // namespace tamb
