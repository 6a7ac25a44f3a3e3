#include "common/Crc16.h"

#include <gtest/gtest.h>
#include <string_view>

namespace tamb {
namespace {

std::span<const std::uint8_t> BytesOf(std::string_view text)
{
    return { reinterpret_cast<const std::uint8_t*>(text.data()), text.size() };
}

TEST(Crc16Test, GivesTheXmodemCheckValue)
{
    EXPECT_EQ(Crc16(0, BytesOf("123456789")), 0x31C3);
}

TEST(Crc16Test, ContinuesOverSeveralBlocks)
{
    const auto first = Crc16(0, BytesOf("1234"));
    EXPECT_EQ(Crc16(first, BytesOf("56789")), 0x31C3);
}

TEST(Crc16Test, OfNothingIsTheStartValue)
{
    EXPECT_EQ(Crc16(0, {}), 0);
    EXPECT_EQ(Crc16(0x1234, {}), 0x1234);
}

} // namespace
} // namespace tamb
