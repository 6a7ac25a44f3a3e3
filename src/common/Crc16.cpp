#include "common/Crc16.h"

#include <array>

namespace tamb {
namespace {

constexpr std::array<std::uint16_t, 256> MakeTable()
{
    std::array<std::uint16_t, 256> table {};
    for (unsigned n = 0; n < table.size(); ++n) {
        unsigned crc = n << 8;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 0x8000u) != 0 ? (crc << 1) ^ 0x1021u : crc << 1;
        }
        table[n] = static_cast<std::uint16_t>(crc);
    }
    return table;
}

constexpr auto kTable = MakeTable();

} // namespace

std::uint16_t Crc16(std::uint16_t running, std::span<const std::uint8_t> bytes)
{
    unsigned crc = running;
    for (const auto byte : bytes) {
        const unsigned index = ((crc >> 8) ^ byte) & 0xFFu;
        crc = ((crc << 8) ^ kTable[index]) & 0xFFFFu;
    }
    return static_cast<std::uint16_t>(crc);
}

} // namespace tamb
