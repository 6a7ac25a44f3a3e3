#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tamb {

// The text of a preferences file: one "name=value" line per value; lines about nothing it knows (comments,
// values of later versions) are kept as they are. CRs before a line end are dropped.
class PreferenceLines
{
public:
    explicit PreferenceLines(std::string_view text);

    // The value of the first line for `name`, or nothing when no line has it.
    [[nodiscard]] std::optional<std::string> value(std::string_view name) const;
    // Replaces the first line for `name`, or adds one at the end. The caller keeps line breaks out of `value`.
    void set(std::string_view name, std::string_view value);
    // The file's text: every line followed by a line feed.
    [[nodiscard]] std::string text() const;

private:
    std::vector<std::string> m_lines;
};

// A value stored as a number: decimal digits only, fitting 32 bits; nothing otherwise.
[[nodiscard]] std::optional<std::uint32_t> PreferenceNumber(std::string_view text);

} // namespace tamb
