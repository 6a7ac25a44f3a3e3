#include "CliRunner.h"
#include "support/PreferenceKey.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace tamb {
namespace {

class RegistryPreferencesTest : public ::testing::Test
{
protected:
    void SetUp() override { test::RemovePreferenceKey(); }
    void TearDown() override { test::RemovePreferenceKey(); }
};

TEST_F(RegistryPreferencesTest, TheCommandLineTakesLanguageAndTvModeFromTheRegistryAndCreatesNothing)
{
    const CliSandbox sandbox;
    const auto run = [&sandbox] {
        const auto result
            = sandbox.run({ "camera", "--model", "1", "--out", "{dir}/out", "--clock", "2024-02-03T07:05:09" });
        EXPECT_EQ(result.exitCode, 0) << result.output;
        std::ifstream in(sandbox.outFolder() / "menu.dat", std::ios::binary);
        return std::vector<char> { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    };

    const auto unstored = run();
    ASSERT_EQ(unstored.size(), 60u);
    EXPECT_EQ(unstored[29], 2) << "English when nothing is stored";
    EXPECT_FALSE(test::PreferenceKeyExists());

    ASSERT_TRUE(test::StorePreferenceNumber(L"language", 6));
    ASSERT_TRUE(test::StorePreferenceNumber(L"TvMode", 0x0102));
    const auto stored = run();
    ASSERT_EQ(stored.size(), 60u);
    EXPECT_EQ(stored[29], 6);
    EXPECT_EQ(stored[30], 2);
}

} // namespace
} // namespace tamb
