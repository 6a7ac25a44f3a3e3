#include "app/ProgramVersion.h"

#include <gtest/gtest.h>

namespace tamb {
namespace {

struct VersionCase
{
    const char* name;
    LanguageId language;
    std::array<std::uint32_t, 4> version;
    const char* expected;
};

void PrintTo(const VersionCase& row, std::ostream* stream)
{
    *stream << row.name << " language " << row.language;
}

class VersionLabelTest : public testing::TestWithParam<VersionCase>
{
};

TEST_P(VersionLabelTest, FormatsTheCaptionAndFourNumbers)
{
    EXPECT_EQ(VersionLabel(GetParam().language, GetParam().version), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Labels, VersionLabelTest,
    testing::Values(VersionCase { "English", 2, { 1, 3, 1, 119 }, "Version: 1.3.1.119" },
        // The German caption ends in a blank, which stays before the colon.
        VersionCase { "GermanKeepsItsTrailingBlank", 3, { 1, 3, 1, 119 }, "Programmversion : 1.3.1.119" },
        VersionCase { "Chinese", 1, { 1, 0, 0, 1 }, "程序版本: 1.0.0.1" },
        VersionCase { "EachNumberKeepsItsLowEightBits", 2, { 0x101, 0xFF, 0x1234, 0 }, "Version: 1.255.52.0" }),
    [](const testing::TestParamInfo<VersionCase>& rowInfo) { return std::string(rowInfo.param.name); });

} // namespace
} // namespace tamb
