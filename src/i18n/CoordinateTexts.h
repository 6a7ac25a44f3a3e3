#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// Captions and hemisphere letters of the GPS coordinate frame. Rows in LanguageId order.

// clang-format off
inline constexpr auto CoordinateText = MakeLocalisedTable<1>("CoordinateText", {
    /*  1 */ "坐标",
    /*  2 */ "Coordinate",
    /*  3 */ "Koordinaten",
    /*  4 */ "koordinaatit",
    /*  5 */ "Coordinate",
    /*  6 */ "Coordonnées",
    /*  7 */ "Coordinate",
    /*  8 */ "Koordinate",
    /*  9 */ "souřadnice",
    /* 10 */ "座標",
    /* 11 */ "Coordinate",
    /* 12 */ "Koordynaty",
    /* 13 */ "kordinasyon",
    /* 14 */ "Координаты",
    /* 15 */ "Координаты",
});

inline constexpr auto DirectionText = MakeLocalisedTable<1>("DirectionText", {
    /*  1 */ "方向",
    /*  2 */ "Dir.",
    /*  3 */ "Dir.",
    /*  4 */ "Dir.",
    /*  5 */ "Dir.",
    /*  6 */ "Dir.",
    /*  7 */ "Dir.",
    /*  8 */ "Smer",
    /*  9 */ "Dir.",
    /* 10 */ "方向",
    /* 11 */ "Dir.",
    /* 12 */ "Kier.",
    /* 13 */ "Dir.",
    /* 14 */ "Dir.",
    /* 15 */ "Dir.",
});

inline constexpr auto DegreeText = MakeLocalisedTable<1>("DegreeText", {
    /*  1 */ "度",
    /*  2 */ "Degree",
    /*  3 */ "Degree",
    /*  4 */ "Degree",
    /*  5 */ "Degree",
    /*  6 */ "Degree",
    /*  7 */ "Degree",
    /*  8 */ "Stopinj",
    /*  9 */ "Degree",
    /* 10 */ "度",
    /* 11 */ "Degree",
    /* 12 */ "Stopień",
    /* 13 */ "derece",
    /* 14 */ "Градусы",
    /* 15 */ "Градус",
});

// Column captions of the coordinate frame: index 0 the second, index 1 the minute.
inline constexpr auto CoordinateUnitText = MakeLocalisedTable<2>("CoordinateUnitText", {
    /*  1 */ "秒", "分",
    /*  2 */ "Second", "Minute",
    /*  3 */ "Sekunden", "Minute",
    /*  4 */ "Sekuntia", "Minuutin",
    /*  5 */ "Sec", "Min",
    /*  6 */ "Secondes", "Minute",
    /*  7 */ "Sec", "Min",
    /*  8 */ "Sek", "Min",
    /*  9 */ "Sek", "Min",
    /* 10 */ "秒", "分",
    /* 11 */ "Sec", "Min",
    /* 12 */ "Sek.", "Min.",
    /* 13 */ "saniye", "dakika",
    /* 14 */ "Сек", "Мин",
    /* 15 */ "Сек", "Мин",
});

inline constexpr auto LongitudeText = MakeLocalisedTable<1>("LongitudeText", {
    /*  1 */ "经度",
    /*  2 */ "Longitude",
    /*  3 */ "Längengrad",
    /*  4 */ "pituusaste",
    /*  5 */ "Longitudine",
    /*  6 */ "Longitude",
    /*  7 */ "Longitude",
    /*  8 */ "Dolžina",
    /*  9 */ "Longitude",
    /* 10 */ "経度",
    /* 11 */ "Ilguma",
    /* 12 */ "Dług. geogr",
    /* 13 */ "boylam",
    /* 14 */ "Долгота",
    /* 15 */ "Долгота",
});

inline constexpr auto LatitudeText = MakeLocalisedTable<1>("LatitudeText", {
    /*  1 */ "纬度",
    /*  2 */ "Latitude",
    /*  3 */ "Breitengrad",
    /*  4 */ "leveysaste",
    /*  5 */ "Latitudine",
    /*  6 */ "Latitude",
    /*  7 */ "Latitude",
    /*  8 */ "Širina",
    /*  9 */ "Latitude",
    /* 10 */ "緯度",
    /* 11 */ "Platuma",
    /* 12 */ "Szer. geogr",
    /* 13 */ "enlem",
    /* 14 */ "Широта",
    /* 15 */ "Широта",
});

inline constexpr auto EastText = MakeLocalisedTable<1>("EastText", {
    /*  1 */ "东",
    /*  2 */ "E",
    /*  3 */ "E",
    /*  4 */ "E",
    /*  5 */ "E",
    /*  6 */ "E",
    /*  7 */ "E",
    /*  8 */ "V",
    /*  9 */ "E",
    /* 10 */ "東",
    /* 11 */ "E",
    /* 12 */ "E",
    /* 13 */ "E",
    /* 14 */ "Схід",
    /* 15 */ "В",
});

inline constexpr auto WestText = MakeLocalisedTable<1>("WestText", {
    /*  1 */ "西",
    /*  2 */ "W",
    /*  3 */ "W",
    /*  4 */ "W",
    /*  5 */ "W",
    /*  6 */ "W",
    /*  7 */ "W",
    /*  8 */ "Z",
    /*  9 */ "W",
    /* 10 */ "西",
    /* 11 */ "W",
    /* 12 */ "W",
    /* 13 */ "W",
    /* 14 */ "Захід",
    /* 15 */ "З",
});

inline constexpr auto SouthText = MakeLocalisedTable<1>("SouthText", {
    /*  1 */ "南",
    /*  2 */ "S",
    /*  3 */ "S",
    /*  4 */ "S",
    /*  5 */ "S",
    /*  6 */ "S",
    /*  7 */ "S",
    /*  8 */ "J",
    /*  9 */ "S",
    /* 10 */ "南",
    /* 11 */ "S",
    /* 12 */ "S",
    /* 13 */ "S",
    /* 14 */ "Південь",
    /* 15 */ "Ю",
});

inline constexpr auto NorthText = MakeLocalisedTable<1>("NorthText", {
    /*  1 */ "北",
    /*  2 */ "N",
    /*  3 */ "N",
    /*  4 */ "N",
    /*  5 */ "N",
    /*  6 */ "N",
    /*  7 */ "N",
    /*  8 */ "S",
    /*  9 */ "N",
    /* 10 */ "北",
    /* 11 */ "N",
    /* 12 */ "N",
    /* 13 */ "N",
    /* 14 */ "Північ",
    /* 15 */ "С",
});
// clang-format on

} // namespace tamb
