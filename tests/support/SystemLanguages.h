#pragma once

#include <cstdint>

namespace tamb::test {

// System language numbers, as Windows reports them and the preferences store them.
inline constexpr std::uint16_t kChinaPrc = 2052;
inline constexpr std::uint16_t kGermanLiechtenstein = 5127;
inline constexpr std::uint16_t kGermanGermany = 1031;
inline constexpr std::uint16_t kEnglishUs = 1033;

} // namespace tamb::test
