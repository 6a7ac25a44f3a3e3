#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// Captions and hemisphere letters of the GPS coordinate frame.

inline constexpr auto CoordinateText = DeclareLocalisedTable<1>("CoordinateText");
inline constexpr auto DirectionText = DeclareLocalisedTable<1>("DirectionText");
inline constexpr auto DegreeText = DeclareLocalisedTable<1>("DegreeText");

// Column captions of the coordinate frame: index 0 the second, index 1 the minute.
inline constexpr auto CoordinateUnitText = DeclareLocalisedTable<2>("CoordinateUnitText");
inline constexpr auto LongitudeText = DeclareLocalisedTable<1>("LongitudeText");
inline constexpr auto LatitudeText = DeclareLocalisedTable<1>("LatitudeText");
inline constexpr auto EastText = DeclareLocalisedTable<1>("EastText");
inline constexpr auto WestText = DeclareLocalisedTable<1>("WestText");
inline constexpr auto SouthText = DeclareLocalisedTable<1>("SouthText");
inline constexpr auto NorthText = DeclareLocalisedTable<1>("NorthText");

} // namespace tamb
