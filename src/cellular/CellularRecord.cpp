#include "cellular/CellularRecord.h"

#include "common/Utf8Text.h"

#include <algorithm>

namespace tamb {

Record EmptyRecord()
{
    Record record {};
    record[kCarriageReturnByte] = '\r';
    record[kLineFeedByte] = '\n';
    return record;
}

Record EncodeTextRecord(std::string_view text, const OemCodePage& codePage)
{
    Record record {};
    const auto encoded = codePage.encode(text).bytes;
    // The text is converted with its terminating zero into the whole record or not at all; the count and
    // CR LF are set afterwards, over whatever the conversion put into bytes 57..59.
    if (encoded.size() + 1 <= kRecordSize) {
        std::copy(encoded.begin(), encoded.end(), record.begin());
    }
    record[kCharacterCountByte] = static_cast<std::uint8_t>(Utf16Length(text) & 0xFF);
    record[kCarriageReturnByte] = '\r';
    record[kLineFeedByte] = '\n';
    return record;
}

std::string DecodeTextRecord(const Record& record, const OemCodePage& codePage)
{
    const auto areaEnd = record.begin() + kTextAreaSize;
    const auto end = std::find(record.begin(), areaEnd, 0);
    return codePage.decode(std::string(record.begin(), end));
}

bool TextFitsRecord(std::string_view text, const OemCodePage& codePage)
{
    const auto encoded = codePage.encode(text);
    return encoded.lossless && encoded.bytes.size() <= kTextAreaSize;
}

void ScrambleRecord(Record& record)
{
    for (std::size_t i = 0; i < kScrambledSize; ++i) {
        const auto complement = static_cast<std::uint8_t>(~record[i]);
        record[i] = static_cast<std::uint8_t>(((complement << 4) | (complement >> 4)) & 0xFF);
    }
}

Record BuildChecksumRecord(std::uint16_t sum)
{
    auto record = EmptyRecord();
    record[kChecksumLowByte] = static_cast<std::uint8_t>(sum & 0xFF);
    record[kChecksumHighByte] = static_cast<std::uint8_t>(sum >> 8);
    return record;
}

} // namespace tamb
