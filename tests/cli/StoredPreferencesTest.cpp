#include "CliRunner.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace tamb {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

struct StoredCase
{
    std::string name;
    std::string preferences; // content of the preferences file; empty: no file
    std::vector<std::string> options;
    std::uint8_t languageByte;
    std::uint8_t tvModeByte;
};

void PrintTo(const StoredCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class StoredPreferencesTest : public ::testing::TestWithParam<StoredCase>
{
};

TEST_P(StoredPreferencesTest, LanguageAndTvModeComeFromTheOptionThenThePreferenceThenTheDefault)
{
    const auto& row = GetParam();
    const CliSandbox sandbox;
    const auto preferences = sandbox.folder() / "config" / "tamb-vorrel" / "preferences";
    if (!row.preferences.empty()) {
        fs::create_directories(preferences.parent_path());
        std::ofstream(preferences) << row.preferences;
    }
    std::vector<std::string> arguments { "camera", "--model", "1", "--out", "{dir}/out", "--clock",
        "2024-02-03T07:05:09" };
    arguments.insert(arguments.end(), row.options.begin(), row.options.end());

    const auto result = sandbox.run(arguments);

    ASSERT_EQ(result.exitCode, 0) << result.output;
    const auto record = ReadBytes(sandbox.outFolder() / "menu.dat");
    ASSERT_EQ(record.size(), 60u);
    EXPECT_EQ(record[29], row.languageByte);
    EXPECT_EQ(record[30], row.tvModeByte);
    EXPECT_EQ(fs::exists(preferences), !row.preferences.empty()) << "a command never creates the preferences";
}

INSTANTIATE_TEST_SUITE_P(CommandLine, StoredPreferencesTest,
    ::testing::Values(StoredCase { "NothingStored", "", {}, 2, 0 },
        StoredCase { "StoredValues", "language=5\nTvMode=258\n", {}, 5, 2 },
        StoredCase { "OptionsWin", "language=5\nTvMode=258\n", { "--language", "3", "--tv-mode", "7" }, 3, 7 },
        StoredCase { "StoredLanguageOutsideTheListIsIgnored", "language=16\n", {}, 2, 0 },
        StoredCase { "ChineseRequestedCarriesOne", "language=5\n", { "--chinese-requested" }, 1, 0 }),
    [](const auto& row) { return row.param.name; });

} // namespace
} // namespace tamb
