#include "cellular/CellularRecord.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tamb {
namespace {

std::vector<std::uint8_t> BytesOf(std::string_view text)
{
    return { text.begin(), text.end() };
}

TEST(ScrambleRecordTest, ComplementsAndSwapsHalvesOfTheFirstFiftyBytesOnly)
{
    Record record {};
    record[0] = 'a';
    record[1] = 'b';
    record[2] = 'c';
    record[49] = 0x0F;
    record[50] = 0x12;
    record[57] = 3;
    record[58] = '\r';
    record[59] = '\n';
    const auto original = record;

    ScrambleRecord(record);

    EXPECT_EQ(record[0], 0xE9);
    EXPECT_EQ(record[1], 0xD9);
    EXPECT_EQ(record[2], 0xC9);
    EXPECT_EQ(record[3], 0xFF) << "a zero byte";
    EXPECT_EQ(record[49], 0x0F) << "~0x0F = 0xF0, halves exchanged";
    for (std::size_t i = 50; i < kRecordSize; ++i) {
        EXPECT_EQ(record[i], original[i]) << "byte " << i;
    }
    ScrambleRecord(record);
    EXPECT_EQ(record, original) << "scrambling twice restores the record";
}

TEST(ChecksumRecordTest, StoresTheSumLowByteFirstAfterZeros)
{
    const auto record = BuildChecksumRecord(0xA1B2);
    Record expected {};
    expected[56] = 0xB2;
    expected[57] = 0xA1;
    expected[58] = '\r';
    expected[59] = '\n';
    EXPECT_EQ(record, expected);
}

struct TextCase
{
    const char* name;
    std::string text;
    int codePage;
    std::vector<std::uint8_t> area; // expected bytes from 0; the rest of 0..56 is zero
    std::uint8_t count;
};

void PrintTo(const TextCase& row, std::ostream* stream)
{
    *stream << row.name << " code page " << row.codePage;
}

class EncodeTextRecordTest : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(EncodeTextRecordTest, StoresTheEncodedTextAndTheUtf16Count)
{
    const auto& row = GetParam();
    const auto record = EncodeTextRecord(row.text, OemCodePage { row.codePage });

    Record expected {};
    std::copy(row.area.begin(), row.area.end(), expected.begin());
    expected[57] = row.count;
    expected[58] = '\r';
    expected[59] = '\n';
    EXPECT_EQ(record, expected);
}

const std::string kThirtyHan = [] {
    std::string text;
    for (int i = 0; i < 30; ++i) {
        text += "中";
    }
    return text;
}();

INSTANTIATE_TEST_SUITE_P(Texts, EncodeTextRecordTest,
    ::testing::Values(TextCase { "Empty", "", 437, {}, 0 }, TextCase { "Ascii", "abc", 437, BytesOf("abc"), 3 },
        TextCase { "UmlautIn850", "Grüße", 850, { 'G', 'r', 0x81, 0xE1, 'e' }, 5 },
        TextCase { "HanIn936CountsCharactersNotBytes", "中文", 936, { 0xD6, 0xD0, 0xCE, 0xC4 }, 2 },
        TextCase { "HanIn437BecomesQuestionMarks", "中文", 437, BytesOf("??"), 2 },
        TextCase { "SurrogatePairCountsTwoUnits", "a\xF0\x9F\x93\xB7", 437, BytesOf("a?"), 3 },
        TextCase { "SixtyOneBytesLeaveTheAreaEmpty", kThirtyHan, 936, {}, 30 },
        TextCase {
            "FiftyNineBytesAreCutByTheCount", std::string(59, 'x'), 437, std::vector<std::uint8_t>(57, 'x'), 59 },
        TextCase { "CountKeepsTheLowEightBits", std::string(300, '1'), 437, {}, 300 % 256 }),
    [](const auto& row) { return std::string(row.param.name); });

TEST(TextFitsRecordTest, RejectsLossyAndOverlongTexts)
{
    const OemCodePage western { 850 };
    EXPECT_TRUE(TextFitsRecord(std::string(57, 'x'), western));
    EXPECT_FALSE(TextFitsRecord(std::string(58, 'x'), western));
    EXPECT_FALSE(TextFitsRecord("中", western));
    EXPECT_TRUE(TextFitsRecord("中", OemCodePage { 936 }));
}

} // namespace
} // namespace tamb
