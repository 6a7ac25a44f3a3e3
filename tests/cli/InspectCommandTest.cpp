#include "CliRunner.h"
#include "camera/CameraRecord.h"
#include "cellular/SetupFile.h"
#include "common/Utf8Text.h"

#include <fstream>
#include <gtest/gtest.h>

namespace tamb {
namespace {

void WriteBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool ContainsPart(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(InspectCommandTest, ASoundRecordShowsEveryFieldWithItsMeaning)
{
    const CliSandbox sandbox;
    CameraSettings settings;
    settings.interval = IntervalField(30, 0);
    settings.wirelessPassword = WirelessPasswordDigits("4711");
    WriteBytes(sandbox.outFolder() / "menu.dat", BuildCameraRecord(CameraFamily::Q100, settings));

    const auto raw = sandbox.run({ "inspect", "{dir}/out/menu.dat" });
    EXPECT_EQ(raw.exitCode, 0) << raw.output;
    EXPECT_TRUE(ContainsPart(raw.output, "menu, valid")) << raw.output;
    EXPECT_TRUE(ContainsPart(raw.output, "interval 158 (30 seconds)")) << raw.output;
    EXPECT_TRUE(ContainsPart(raw.output, "familyArea \"00 00 00 00 00 04 07 01 01 00")) << raw.output;

    const auto decoded = sandbox.run({ "inspect", "--model", "14", "{dir}/out/menu.dat" });
    EXPECT_EQ(decoded.exitCode, 0) << decoded.output;
    EXPECT_TRUE(ContainsPart(decoded.output, "wirelessPassword2 7\n")) << decoded.output;
    EXPECT_FALSE(ContainsPart(decoded.output, "familyArea")) << decoded.output;
    EXPECT_TRUE(ContainsPart(decoded.output, "loadable yes")) << decoded.output;

    // Sound, but with an image size beyond the model's list: the dialog would not offer it, and inspect says why.
    settings.imageSize = 40;
    WriteBytes(sandbox.outFolder() / "menu.dat", BuildCameraRecord(CameraFamily::Q100, settings));
    const auto unloadable = sandbox.run({ "inspect", "--model", "14", "{dir}/out/menu.dat" });
    EXPECT_TRUE(ContainsPart(unloadable.output, "loadable no (this camera's menu has no such setting: imageSize=40"))
        << unloadable.output;
}

TEST(InspectCommandTest, ABrokenRecordAmongSoundOnesFailsWithItsReasons)
{
    const CliSandbox sandbox;
    auto broken = FactoryResetRecord();
    broken[10] = 1;
    broken[59] = 0;
    WriteBytes(sandbox.outFolder() / "menu.dat", FactoryResetRecord());
    WriteBytes(sandbox.outFolder() / "broken.dat", broken);

    const auto result = sandbox.run({ "inspect", "{dir}/out/menu.dat", "{dir}/out/broken.dat" });

    EXPECT_EQ(result.exitCode, 1) << result.output;
    EXPECT_TRUE(ContainsPart(result.output, "menu.dat: menu, valid")) << result.output;
    EXPECT_TRUE(ContainsPart(result.output, "broken.dat: menu, NOT valid")) << result.output;
    EXPECT_TRUE(ContainsPart(result.output, "CRC")) << result.output;
    EXPECT_TRUE(ContainsPart(result.output, "CR LF")) << result.output;
}

TEST(InspectCommandTest, JsonGivesOneObjectPerFile)
{
    const CliSandbox sandbox;
    WriteBytes(sandbox.outFolder() / "menu.dat", FactoryResetRecord());
    WriteBytes(sandbox.outFolder() / "odd \"name\".bin", std::vector<std::uint8_t>(7, 0));

    const auto result = sandbox.run({ "inspect", "--json", "{dir}/out/menu.dat", "{dir}/out/odd \"name\".bin" });

    EXPECT_EQ(result.exitCode, 1) << result.output;
    const auto firstEnd = result.output.find('\n');
    ASSERT_NE(firstEnd, std::string::npos);
    const auto first = result.output.substr(0, firstEnd);
    const auto second = result.output.substr(firstEnd + 1);
    EXPECT_TRUE(
        ContainsPart(first, "\"kind\": \"menu\", \"valid\": true, \"problems\": [], \"fields\": {\"cameraMode\": 255"))
        << first;
    EXPECT_TRUE(ContainsPart(second, "odd \\\"name\\\".bin\", \"kind\": \"unknown\", \"valid\": false")) << second;
}

TEST(InspectCommandTest, FilesThatCannotBeReadAreNotSound)
{
    const CliSandbox sandbox;
    WriteBytes(sandbox.outFolder() / "setup.dat", std::vector<std::uint8_t>(720, 0));

    const auto result = sandbox.run({ "inspect", "{dir}/out/missing.dat", "{dir}/out", "{dir}/out/setup.dat" });

    EXPECT_EQ(result.exitCode, 1) << result.output;
    EXPECT_TRUE(ContainsPart(result.output, "missing.dat: unknown, NOT valid")) << result.output;
    EXPECT_TRUE(ContainsPart(result.output, "out: unknown, NOT valid\n  problem: it is a folder")) << result.output;
    EXPECT_TRUE(ContainsPart(result.output, "setup.dat: setup, NOT valid")) << result.output;
}

TEST(InspectCommandTest, TextsFromTheFileCannotForgeReportLines)
{
    const CliSandbox sandbox;
    MmsSettings settings;
    settings.phone1 = "123\ncrc 0 (forged)";
    ASSERT_TRUE(WriteSetupFile(sandbox.outFolder().string(), settings, AppState {}, OemCodePage { 437 }).ok());

    const auto result = sandbox.run({ "inspect", "{dir}/out/setup.dat" });

    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_TRUE(ContainsPart(result.output, "phone1 \"123\\ncrc 0 (forged)\"\n")) << result.output;
    EXPECT_FALSE(ContainsPart(result.output, "\ncrc 0 (forged)")) << result.output;
}

TEST(InspectCommandTest, JsonStaysUtf8ForAFileNameThatIsNot)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows file names are UTF-16, so every name the program sees converts to UTF-8";
#endif
    const CliSandbox sandbox;
    WriteBytes(sandbox.outFolder() / "card-\xFF\xFE.dat", FactoryResetRecord());

    const auto result = sandbox.run({ "inspect", "--json", "{dir}/out/card-\xFF\xFE.dat" });

    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_TRUE(IsValidUtf8(result.output)) << result.output;
    EXPECT_TRUE(ContainsPart(result.output, "card-\uFFFD\uFFFD.dat\", \"kind\": \"menu\", \"valid\": true"))
        << result.output;
}

struct InspectUsageCase
{
    std::string name;
    std::vector<std::string> arguments;
    std::string message;
};

void PrintTo(const InspectUsageCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class InspectUsageTest : public ::testing::TestWithParam<InspectUsageCase>
{
};

TEST_P(InspectUsageTest, IsAUsageError)
{
    const CliSandbox sandbox;
    const auto result = sandbox.run(GetParam().arguments);
    EXPECT_EQ(result.exitCode, 2) << result.output;
    EXPECT_TRUE(ContainsPart(result.output, GetParam().message)) << result.output;
}

INSTANTIATE_TEST_SUITE_P(CommandLine, InspectUsageTest,
    ::testing::Values(InspectUsageCase { "NoFile", { "inspect" }, "no file given" },
        InspectUsageCase { "ModelZero", { "inspect", "--model", "0", "menu.dat" }, "--model takes a model" },
        InspectUsageCase { "ModelPastTheLast", { "inspect", "--model=" + std::to_string(kModelCount + 1), "menu.dat" },
            "not '" + std::to_string(kModelCount + 1) + "'" },
        InspectUsageCase { "ModelNotANumber", { "inspect", "--model", "Q400", "menu.dat" }, "not 'Q400'" },
        InspectUsageCase {
            "UnknownKind", { "inspect", "--kind", "mms", "menu.dat" }, "--kind takes menu, setup or smtp" },
        InspectUsageCase { "JsonWithValue", { "inspect", "--json=yes", "menu.dat" }, "--json takes no value" },
        InspectUsageCase {
            "OutIsNotAnInspectOption", { "inspect", "--out", "x", "menu.dat" }, "unknown option '--out'" }),
    [](const auto& row) { return row.param.name; });

} // namespace
} // namespace tamb
