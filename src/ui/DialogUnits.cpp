#include "ui/DialogUnits.h"

#include <cstdint>

namespace tamb {

namespace {

// number * numerator / denominator rounded half away from zero, with a 64-bit intermediate.
int ScaleRounded(int number, int numerator, int denominator)
{
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const std::int64_t half = denominator / 2;
    const std::int64_t rounded = product >= 0 ? (product + half) / denominator : (product - half) / denominator;
    return static_cast<int>(rounded);
}

} // namespace

DialogBaseUnits BaseUnitsFromFont(int alphabetWidth, int lineHeight)
{
    // The mean over 52 letters, rounded: (width / 26 + 1) / 2.
    return DialogBaseUnits { (alphabetWidth / 26 + 1) / 2, lineHeight };
}

int HorizontalPixels(int dialogUnits, const DialogBaseUnits& units)
{
    return ScaleRounded(dialogUnits, units.averageCharWidth, 4);
}

int VerticalPixels(int dialogUnits, const DialogBaseUnits& units)
{
    return ScaleRounded(dialogUnits, units.charHeight, 8);
}

PixelRect ToPixels(const DialogRect& rect, const DialogBaseUnits& units)
{
    const int left = HorizontalPixels(rect.x, units);
    const int top = VerticalPixels(rect.y, units);
    return PixelRect { left, top, HorizontalPixels(rect.x + rect.width, units) - left,
        VerticalPixels(rect.y + rect.height, units) - top };
}

} // namespace tamb
