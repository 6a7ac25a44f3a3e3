#pragma once

#include <cstdint>
#include <span>

namespace tamb {

// CRC-16/XMODEM (polynomial 0x1021, most significant bit first, initial value 0, no final xor).
// Start with `running` = 0; pass the result back in to continue over further blocks.
[[nodiscard]] std::uint16_t Crc16(std::uint16_t running, std::span<const std::uint8_t> bytes);

} // namespace tamb
