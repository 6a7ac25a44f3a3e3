#pragma once

#include "camera/CameraRecord.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tamb {

// One byte (or byte group) of a menu.dat record as a reader shows it.
struct MenuField
{
    std::string name;
    std::int64_t value = 0;
    std::string meaning; // in English, empty when the number says it all
};

struct MenuFileReport
{
    // Empty when the file is sound: 60 bytes, matching CRC, CR LF at the end.
    std::vector<std::string> problems;
    // Every field by name in record order; empty when the length is wrong.
    std::vector<MenuField> fields;
    // Bytes 31..47 undecoded, when no family was given.
    std::vector<std::uint8_t> familyArea;
};

// Decodes a menu.dat record. With `family` the family area is decoded by that family's layout, otherwise it is
// returned raw. Meanings are given where they do not depend on the model (on/off lists, seconds, units, date
// format, clock year, serial characters, language).
[[nodiscard]] MenuFileReport InspectMenuFile(std::span<const std::uint8_t> bytes, std::optional<CameraFamily> family);

} // namespace tamb
