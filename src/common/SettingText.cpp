#include "common/SettingText.h"

#include <charconv>

namespace tamb {

std::optional<std::uint8_t> SmallNumberFromText(std::string_view text)
{
    unsigned value = 0;
    const auto* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc {} || stop != end || value > 255) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

std::optional<bool> AutoModeFromText(std::string_view text)
{
    if (text == "auto") {
        return true;
    }
    if (text == "manual") {
        return false;
    }
    return std::nullopt;
}

std::string BadValueMessage(std::string_view key, std::string_view value, std::string_view allowed)
{
    return std::string { key } + " takes " + std::string { allowed } + ", not '" + std::string { value } + "'";
}

} // namespace tamb
