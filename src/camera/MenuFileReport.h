#pragma once

#include "camera/CameraRecord.h"
#include "common/AppState.h"

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

// Decodes a menu.dat record. Meanings that hold for every model are always given (on/off lists, seconds, units,
// date format, clock year, serial characters, language). With `model` the family area is decoded by the layout
// of the model's family and every list field shows its English option text on that model; without it the family
// area is returned raw.
[[nodiscard]] MenuFileReport InspectMenuFile(std::span<const std::uint8_t> bytes, std::optional<ModelId> model);

} // namespace tamb
