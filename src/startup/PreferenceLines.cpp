#include "startup/PreferenceLines.h"

#include <charconv>

namespace tamb {
namespace {

// The value of a "name=value" line, or nothing when the line is about another name.
std::optional<std::string_view> LineValue(std::string_view line, std::string_view name)
{
    if (line.size() > name.size() && line.starts_with(name) && line[name.size()] == '=') {
        return line.substr(name.size() + 1);
    }
    return std::nullopt;
}

} // namespace

PreferenceLines::PreferenceLines(std::string_view text)
{
    while (!text.empty()) {
        const auto end = text.find('\n');
        auto line = text.substr(0, end);
        while (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        m_lines.emplace_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

std::optional<std::string> PreferenceLines::value(std::string_view name) const
{
    for (const auto& line : m_lines) {
        if (const auto found = LineValue(line, name)) {
            return std::string { *found };
        }
    }
    return std::nullopt;
}

void PreferenceLines::set(std::string_view name, std::string_view value)
{
    std::string replacement = std::string { name } + "=" + std::string { value };
    for (auto& line : m_lines) {
        if (LineValue(line, name)) {
            line = std::move(replacement);
            return;
        }
    }
    m_lines.push_back(std::move(replacement));
}

std::string PreferenceLines::text() const
{
    std::string content;
    for (const auto& line : m_lines) {
        content += line;
        content += '\n';
    }
    return content;
}

std::optional<std::uint32_t> PreferenceNumber(std::string_view text)
{
    std::uint32_t value = 0;
    const auto* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc {} || stop != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace tamb
