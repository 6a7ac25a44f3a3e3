#include "camera/Clock.h"

#include <gtest/gtest.h>

namespace tamb {
namespace {

const ClockReading kFebruaryMorning { 2024, 2, 3, 7, 5, 9 };

struct FormatCase
{
    std::string name;
    int dateFormat;
    ClockReading clock;
    std::string expected;
};

void PrintTo(const FormatCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class FormatClockTest : public ::testing::TestWithParam<FormatCase>
{
};

TEST_P(FormatClockTest, FormatsByTheDateFormat)
{
    EXPECT_EQ(FormatClock(GetParam().dateFormat, GetParam().clock, "unchanged"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Clock, FormatClockTest,
    ::testing::Values(FormatCase { "YearFirst", 0, kFebruaryMorning, "2024/02/03 07:05:09" },
        FormatCase { "MonthFirst", 1, kFebruaryMorning, "02/03/2024 07:05:09" },
        FormatCase { "DayFirst", 2, kFebruaryMorning, "03/02/2024 07:05:09" },
        FormatCase { "YearFirstDoesNotPadTheYear", 0, { 999, 12, 31, 23, 59, 58 }, "999/12/31 23:59:58" },
        FormatCase { "OtherFormatsPadTheYear", 1, { 999, 12, 31, 23, 59, 58 }, "12/31/0999 23:59:58" },
        FormatCase { "UnknownIndexKeepsTheText", 3, kFebruaryMorning, "unchanged" },
        FormatCase { "NegativeIndexKeepsTheText", -1, kFebruaryMorning, "unchanged" }),
    [](const auto& row) { return row.param.name; });

struct ParseCase
{
    std::string name;
    int dateFormat;
    std::string text;
    ClockReading expected;
};

void PrintTo(const ParseCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class ParseClockTest : public ::testing::TestWithParam<ParseCase>
{
};

// Every parse starts from this reading, so a part that is not read shows its value from here.
const ClockReading kPrevious { 2020, 1, 2, 3, 4, 5 };

TEST_P(ParseClockTest, ReadsThePartsInTheOrderOfTheDateFormat)
{
    EXPECT_EQ(ParseClock(GetParam().dateFormat, GetParam().text, kPrevious), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Clock, ParseClockTest,
    ::testing::Values(ParseCase { "MonthFirst", 1, "12/31/2030 23:59:58", { 2030, 12, 31, 23, 59, 58 } },
        ParseCase { "DayFirst", 2, "03/02/2024 07:05:09", { 2024, 2, 3, 7, 5, 9 } },
        ParseCase { "YearFirst", 0, "2024/02/03 07:05:09", { 2024, 2, 3, 7, 5, 9 } },
        ParseCase { "UnknownIndexReadsYearFirst", 9, "2024/02/03 07:05:09", { 2024, 2, 3, 7, 5, 9 } },
        ParseCase { "OnlyYearAndMonth", 0, "2024/05", { 2024, 5, 2, 3, 4, 5 } },
        ParseCase { "MonthFirstSummerAfternoon", 1, "06/30/2016 14:05:09", { 2016, 6, 30, 14, 5, 9 } },
        ParseCase { "MonthFirstTextWithYearFirstIsNotCorrected", 0, "06/30/2016 14:05:09", { 6, 30, 2016, 14, 5, 9 } },
        ParseCase { "EmptyTextKeepsEverything", 1, "", kPrevious },
        ParseCase { "GarbageKeepsEverything", 1, "noon", kPrevious },
        ParseCase { "StopsAtAWrongSeparator", 0, "2024-02-03 07:05:09", { 2024, 1, 2, 3, 4, 5 } },
        ParseCase { "BlankBeforeSeparatorStops", 0, "2024 /02/03", { 2024, 1, 2, 3, 4, 5 } },
        ParseCase { "SpaceBeforeNumbersIsSkipped", 0, "  2024/ 2/ 3   7: 5: 9", { 2024, 2, 3, 7, 5, 9 } },
        ParseCase { "NoBlankNeededBeforeTheTime", 0, "2024/02/03\t07:05:09", { 2024, 2, 3, 7, 5, 9 } },
        ParseCase { "SignedNumbers", 0, "+2024/-2/03", { 2024, -2, 3, 3, 4, 5 } },
        ParseCase { "TooLargeNumberStops", 0, "2024/99999999999/03", { 2024, 1, 2, 3, 4, 5 } },
        ParseCase { "TrailingTextIsIgnored", 1, "12/31/2030 23:59:58 PM", { 2030, 12, 31, 23, 59, 58 } }),
    [](const auto& row) { return row.param.name; });

struct LocalTimeCase
{
    std::string name;
    std::int32_t year;
    std::int32_t expectedYear;
};

void PrintTo(const LocalTimeCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class LocalTimeTest : public ::testing::TestWithParam<LocalTimeCase>
{
};

TEST_P(LocalTimeTest, LimitsTheYearAndKeepsTheRest)
{
    const auto clock = ClockFromLocalTime({ GetParam().year, 2, 3, 7, 5, 9 });
    EXPECT_EQ(clock, (ClockReading { GetParam().expectedYear, 2, 3, 7, 5, 9 }));
}

INSTANTIATE_TEST_SUITE_P(Clock, LocalTimeTest,
    ::testing::Values(LocalTimeCase { "Year2009BecomesEleven", 2009, 2011 },
        LocalTimeCase { "Year1999BecomesEleven", 1999, 2011 }, LocalTimeCase { "Year2010Stays", 2010, 2010 },
        LocalTimeCase { "Year2031Stays", 2031, 2031 }, LocalTimeCase { "Year2032BecomesThirtyOne", 2032, 2031 }),
    [](const auto& row) { return row.param.name; });

struct CalendarCase
{
    std::string name;
    ClockReading clock;
    bool expected;
};

void PrintTo(const CalendarCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class CalendarTimeTest : public ::testing::TestWithParam<CalendarCase>
{
};

TEST_P(CalendarTimeTest, TellsADateAndTimeTheRecordHolds)
{
    EXPECT_EQ(IsCalendarTime(GetParam().clock), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Clock, CalendarTimeTest,
    ::testing::Values(CalendarCase { "FirstMomentOf2010", { 2010, 1, 1, 0, 0, 0 }, true },
        CalendarCase { "LastMomentOf2031", { 2031, 12, 31, 23, 59, 59 }, true },
        CalendarCase { "Year2009", { 2009, 12, 31, 23, 59, 59 }, false },
        CalendarCase { "Year2032", { 2032, 1, 1, 0, 0, 0 }, false },
        CalendarCase { "LeapDay2024", { 2024, 2, 29, 12, 0, 0 }, true },
        CalendarCase { "NoLeapDay2023", { 2023, 2, 29, 12, 0, 0 }, false },
        CalendarCase { "ThirtiethOfFebruary", { 2024, 2, 30, 12, 0, 0 }, false },
        CalendarCase { "ThirtyFirstOfApril", { 2024, 4, 31, 12, 0, 0 }, false },
        CalendarCase { "DayZero", { 2024, 4, 0, 12, 0, 0 }, false },
        CalendarCase { "MonthThirteen", { 2024, 13, 1, 12, 0, 0 }, false },
        CalendarCase { "MonthZero", { 2024, 0, 1, 12, 0, 0 }, false },
        CalendarCase { "Hour24", { 2024, 4, 1, 24, 0, 0 }, false },
        CalendarCase { "Minute60", { 2024, 4, 1, 12, 60, 0 }, false },
        CalendarCase { "NegativeSecond", { 2024, 4, 1, 12, 0, -1 }, false },
        CalendarCase { "YearFirstTextReadMonthFirst", { 12, 2026, 11, 3, 20, 5 }, false }),
    [](const auto& row) { return row.param.name; });

} // namespace
} // namespace tamb
