#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tamb {

// The first year a reading of the local time keeps unchanged; an earlier one is read as this year.
inline constexpr std::int32_t kFirstClockReadingYear = 2011;

// One reading of the camera clock, as six plain integers.
struct ClockReading
{
    std::int32_t year = kFirstClockReadingYear;
    std::int32_t month = 1;
    std::int32_t day = 1;
    std::int32_t hour = 0;
    std::int32_t minute = 0;
    std::int32_t second = 0;

    friend bool operator==(const ClockReading&, const ClockReading&) = default;
};

// A reading of the local time as the dialogs take it: a year above 2031 becomes 2031, below 2010 becomes 2011;
// the other parts are kept.
[[nodiscard]] ClockReading ClockFromLocalTime(const ClockReading& localTime);
// The system's local date and time by the rule of ClockFromLocalTime.
[[nodiscard]] ClockReading ReadLocalClock();

// Whether `clock` is a date of the calendar (leap years included) and a time of day, in a year the camera record holds
// (kClockYearBase..kClockYearLast).
[[nodiscard]] bool IsCalendarTime(const ClockReading& clock);

// The days of `month` (1..12) in `year` of the Gregorian calendar.
[[nodiscard]] std::int32_t DaysInMonth(std::int32_t year, std::int32_t month);

// The clock text for date-format index 0 (year first), 1 (month first) or 2 (day first); any other index
// returns `unchanged`.
[[nodiscard]] std::string FormatClock(int dateFormat, const ClockReading& clock, std::string_view unchanged = {});

// Reads "%d/%d/%d %d:%d:%d" in the order of `dateFormat` (1 month/day/year, 2 day/month/year, any other
// year/month/day, then hour:minute:second). Reading stops at the first part that cannot be read (a number that
// does not fit 32 bits counts as unreadable); every part not read keeps its value from `previous`. No part is
// limited here.
[[nodiscard]] ClockReading ParseClock(int dateFormat, std::string_view text, const ClockReading& previous);

} // namespace tamb
