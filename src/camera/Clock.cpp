#include "camera/Clock.h"

#include "camera/CameraRecord.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <optional>

namespace tamb {
namespace {

bool IsSpace(char character)
{
    return std::isspace(static_cast<unsigned char>(character)) != 0;
}

// Reads the clock text the way "%d/%d/%d %d:%d:%d" is scanned: every number may be preceded by white space and
// carry a sign, "/" and ":" must follow immediately, the blank matches any white space (or none).
class ClockTextReader
{
public:
    explicit ClockTextReader(std::string_view text)
        : m_text(text)
    {
    }

    std::optional<std::int32_t> number()
    {
        skipSpace();
        auto begin = m_text.data() + m_position;
        const auto end = m_text.data() + m_text.size();
        if (begin != end && *begin == '+') {
            ++begin; // from_chars takes "-" but not "+"
            if (begin == end || *begin == '-') {
                return std::nullopt;
            }
        }
        std::int32_t value = 0;
        const auto [stop, error] = std::from_chars(begin, end, value);
        if (error != std::errc {}) {
            return std::nullopt;
        }
        m_position = static_cast<std::size_t>(stop - m_text.data());
        return value;
    }

    bool literal(char expected)
    {
        if (expected == ' ') {
            skipSpace();
            return true;
        }
        if (m_position < m_text.size() && m_text[m_position] == expected) {
            ++m_position;
            return true;
        }
        return false;
    }

private:
    void skipSpace()
    {
        while (m_position < m_text.size() && IsSpace(m_text[m_position])) {
            ++m_position;
        }
    }

    std::string_view m_text;
    std::size_t m_position = 0;
};

} // namespace

ClockReading ClockFromLocalTime(const ClockReading& localTime)
{
    ClockReading clock = localTime;
    if (clock.year > kClockYearLast) {
        clock.year = kClockYearLast;
    } else if (clock.year < kClockYearBase) {
        // A year before the record's first is read as the first year a reading keeps, not as the record's first.
        clock.year = kFirstClockReadingYear;
    }
    return clock;
}

std::int32_t DaysInMonth(std::int32_t year, std::int32_t month)
{
    constexpr std::array<std::int32_t, 12> kDays { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    const bool leapYear = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leapYear ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

bool IsCalendarTime(const ClockReading& clock)
{
    return clock.year >= kClockYearBase && clock.year <= kClockYearLast && clock.month >= 1 && clock.month <= 12
        && clock.day >= 1 && clock.day <= DaysInMonth(clock.year, clock.month) && clock.hour >= 0 && clock.hour < 24
        && clock.minute >= 0 && clock.minute < 60 && clock.second >= 0 && clock.second < 60;
}

ClockReading ReadLocalClock()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return ClockFromLocalTime(ClockReading {
        local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec });
}

std::string FormatClock(int dateFormat, const ClockReading& clock, std::string_view unchanged)
{
    std::array<char, 96> text {};
    switch (dateFormat) {
    case 0:
        std::snprintf(text.data(), text.size(), "%d/%02d/%02d %02d:%02d:%02d", clock.year, clock.month, clock.day,
            clock.hour, clock.minute, clock.second);
        break;
    case 1:
        std::snprintf(text.data(), text.size(), "%02d/%02d/%04d %02d:%02d:%02d", clock.month, clock.day, clock.year,
            clock.hour, clock.minute, clock.second);
        break;
    case 2:
        std::snprintf(text.data(), text.size(), "%02d/%02d/%04d %02d:%02d:%02d", clock.day, clock.month, clock.year,
            clock.hour, clock.minute, clock.second);
        break;
    default:
        return std::string { unchanged };
    }
    return text.data();
}

ClockReading ParseClock(int dateFormat, std::string_view text, const ClockReading& previous)
{
    ClockReading clock = previous;
    std::array<std::int32_t*, 6> parts { &clock.year, &clock.month, &clock.day, &clock.hour, &clock.minute,
        &clock.second };
    if (dateFormat == 1) {
        parts[0] = &clock.month;
        parts[1] = &clock.day;
        parts[2] = &clock.year;
    } else if (dateFormat == 2) {
        parts[0] = &clock.day;
        parts[1] = &clock.month;
        parts[2] = &clock.year;
    }
    // The separator that precedes each part after the first.
    constexpr std::array<char, 6> kSeparators { '\0', '/', '/', ' ', ':', ':' };
    ClockTextReader reader { text };
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0 && !reader.literal(kSeparators[i])) {
            break;
        }
        const auto value = reader.number();
        if (!value) {
            break;
        }
        *parts[i] = *value;
    }
    return clock;
}

} // namespace tamb
