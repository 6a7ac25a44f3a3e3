#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tamb {

// Words of settings given as KEY=VALUE, by the command line or read back from a file.

// A whole decimal number 0..255, nothing else; the settings check the real range of each key.
[[nodiscard]] std::optional<std::uint8_t> SmallNumberFromText(std::string_view text);

// "auto" gives true, "manual" false.
[[nodiscard]] std::optional<bool> AutoModeFromText(std::string_view text);

// "KEY takes a whole number, not 'VALUE'" and similar texts.
[[nodiscard]] std::string BadValueMessage(std::string_view key, std::string_view value, std::string_view allowed);

} // namespace tamb
