#include "ui/DialogUnits.h"

#include <gtest/gtest.h>

namespace tamb {
namespace {

struct UnitsCase
{
    const char* name;
    int alphabetWidth;
    int lineHeight;
    DialogRect rect;
    PixelRect expected;
};

void PrintTo(const UnitsCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class DialogUnitsTest : public testing::TestWithParam<UnitsCase>
{
};

TEST_P(DialogUnitsTest, MapsEachEdgeFromTheFontsBaseUnits)
{
    const UnitsCase& row = GetParam();
    EXPECT_EQ(ToPixels(row.rect, BaseUnitsFromFont(row.alphabetWidth, row.lineHeight)), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Fonts, DialogUnitsTest,
    testing::Values(
        // 8-point system font: 52 letters in 312 pixels give 6, height 13.
        UnitsCase { "MainWindowSize", 312, 13, DialogRect { 0, 0, 354, 170 }, PixelRect { 0, 0, 531, 276 } },
        // 7.5 pixels on average rounds up to 8 (the mean is rounded, not cut).
        UnitsCase { "AverageWidthRoundsHalfUp", 390, 16, DialogRect { 4, 8, 4, 8 }, PixelRect { 8, 16, 8, 16 } },
        // 3 * 7 / 4 = 5.25 -> 5 and (3 + 2) * 7 / 4 = 8.75 -> 9; 3 * 15 / 8 = 5.625 -> 6 and 7 * 15 / 8 -> 13.
        UnitsCase { "QuartersRoundHalfAwayFromZero", 364, 15, DialogRect { 3, 3, 2, 4 }, PixelRect { 5, 6, 4, 7 } },
        // An edit from 166 to 188 units ends at 329 px, where a label set at 188 units begins; its width alone
        // (22 * 7 / 4 = 38.5 -> 39) would put it a pixel over the label.
        UnitsCase { "SideBySideStaysApart", 364, 15, DialogRect { 166, 0, 22, 0 }, PixelRect { 291, 0, 38, 0 } },
        UnitsCase { "NegativeOffsets", 364, 15, DialogRect { -2, -4, 0, 0 }, PixelRect { -4, -8, 0, 0 } }),
    [](const testing::TestParamInfo<UnitsCase>& rowInfo) { return std::string(rowInfo.param.name); });

} // namespace
} // namespace tamb
