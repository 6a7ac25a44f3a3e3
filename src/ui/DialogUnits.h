#pragma once

#include "ui/DialogTemplate.h"

namespace tamb {

// The dialog font's base units: average character width and character height in pixels.
struct DialogBaseUnits
{
    int averageCharWidth = 0;
    int charHeight = 0;
};

struct PixelRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Base units from the font: `alphabetWidth` is the pixel width of "A".."Z" followed by "a".."z", whose rounded
// mean is the average character width; `lineHeight` is the font's character height.
[[nodiscard]] DialogBaseUnits BaseUnitsFromFont(int alphabetWidth, int lineHeight);

// Dialog units to pixels, each coordinate on its own: x * averageCharWidth / 4 and y * charHeight / 8, rounded
// half away from zero.
[[nodiscard]] int HorizontalPixels(int dialogUnits, const DialogBaseUnits& units);
[[nodiscard]] int VerticalPixels(int dialogUnits, const DialogBaseUnits& units);
// A rectangle by its edges: the right and bottom edges are mapped like the left and top ones and the size is what
// lies between, so that controls the template sets side by side stay side by side, never a pixel over each other.
[[nodiscard]] PixelRect ToPixels(const DialogRect& rect, const DialogBaseUnits& units);

} // namespace tamb
