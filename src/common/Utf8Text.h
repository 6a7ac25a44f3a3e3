#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tamb {

// The code points of UTF-8 text. A byte that does not start a well-formed sequence stands for itself as
// U+FFFD, so that damaged text still yields one unit per bad byte instead of stopping.
[[nodiscard]] std::u32string CodePointsFromUtf8(std::string_view utf8);

// UTF-8 text of the given code points.
[[nodiscard]] std::string Utf8FromCodePoints(std::u32string_view codePoints);

// True when `text` is well-formed UTF-8 (no overlong forms, no surrogates, nothing beyond U+10FFFF).
[[nodiscard]] bool IsValidUtf8(std::string_view text);

// `text` for one line of a report meant for people: valid UTF-8 whatever the input (a malformed byte becomes
// U+FFFD), with the backslash, the double quote and every control character written as an escape (\\, \", \n,
// \r, \t, \xNN, \uNNNN), so that no text can end a line or pose as another part of the report.
[[nodiscard]] std::string EscapedForDisplay(std::string_view text);

// The number of UTF-16 code units of `utf8`: the length the Windows edit controls report for the same text.
[[nodiscard]] std::size_t Utf16Length(std::string_view utf8);

} // namespace tamb
