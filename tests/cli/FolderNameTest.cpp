#include "CliRunner.h"
#include "common/Paths.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tamb {
namespace {

namespace fs = std::filesystem;

// A folder name that no single ANSI or OEM code page holds: Latin with diacritics, Greek and Chinese.
constexpr std::string_view kFolderName = "Kärnten Ωmega 相机";

struct FolderCase
{
    std::string name;
    std::vector<std::string> arguments; // "--out <folder>" is added
    std::string file;
    std::uintmax_t size;
};

void PrintTo(const FolderCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class FolderNameTest : public ::testing::TestWithParam<FolderCase>
{
};

// The folder travels through the command line (UTF-16 on Windows) into every file operation: the working file,
// the temporary file, the rename over the target and the read of inspect.
TEST_P(FolderNameTest, AFolderWithCharactersOfSeveralScriptsIsWrittenAndRead)
{
    const auto& row = GetParam();
    const CliSandbox sandbox;
    const auto folder = sandbox.folder() / PathFromUtf8(kFolderName);
    fs::create_directories(folder);
    const auto folderText = "{dir}/" + std::string { kFolderName };
    auto arguments = row.arguments;
    arguments.insert(arguments.end(), { "--out", folderText });

    const auto written = sandbox.run(arguments);
    ASSERT_EQ(written.exitCode, 0) << written.output;
    EXPECT_NE(written.output.find(kFolderName), std::string::npos) << written.output;
    const auto inspected = sandbox.run({ "inspect", FileInFolder(folderText, row.file) });
    EXPECT_EQ(inspected.exitCode, 0) << inspected.output;

    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(Utf8FromPath(entry.path().filename()));
    }
    EXPECT_EQ(names, std::vector<std::string> { row.file }) << "no working or temporary file stays";
    EXPECT_EQ(fs::file_size(folder / row.file), row.size);
}

INSTANTIATE_TEST_SUITE_P(CommandLine, FolderNameTest,
    ::testing::Values(
        FolderCase { "CameraMenu", { "camera", "--model", "1", "--clock", "2024-02-03T07:05:09" }, "menu.dat", 60 },
        FolderCase { "Factory", { "factory", "--model", "3" }, "menu.dat", 60 },
        FolderCase {
            "Setup", { "mms", "--model", "3", "country=0", "operator=1", "phone1=0123456789" }, "setup.dat", 720 },
        FolderCase { "Smtp",
            { "smtp", "--model", "6", "smtpServer=smtp.example.com", "smtpPort=25", "senderEmail=cam@example.com",
                "senderPassword=secret", "recipientEmail=me@example.org" },
            "smtp.dat", 720 }),
    [](const auto& row) { return row.param.name; });

} // namespace
} // namespace tamb
