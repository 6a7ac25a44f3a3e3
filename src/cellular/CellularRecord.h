#pragma once

#include "cellular/OemCodePage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tamb {

// The 60-byte record of the cellular settings files (setup.dat, smtp.dat and the working file mms.dat).
inline constexpr std::size_t kRecordSize = 60;
using Record = std::array<std::uint8_t, kRecordSize>;

// Every record ends with CR LF.
inline constexpr std::size_t kCarriageReturnByte = 58;
inline constexpr std::size_t kLineFeedByte = 59;
// A text record: the encoded text in bytes 0..56, its character count in byte 57.
inline constexpr std::size_t kTextAreaSize = 57;
inline constexpr std::size_t kCharacterCountByte = 57;
// Bytes 0..49 are scrambled; the rest stays readable.
inline constexpr std::size_t kScrambledSize = 50;
// A header record says in byte 55 whether the operator parameters came from the database.
inline constexpr std::size_t kAutoModeByte = 55;
// The checksum record holds the sum low byte first in bytes 56 and 57.
inline constexpr std::size_t kChecksumLowByte = 56;
inline constexpr std::size_t kChecksumHighByte = 57;

// A zero-filled record ended by CR LF: the start of every record these files hold.
[[nodiscard]] Record EmptyRecord();

// The record of one text field: the text in `codePage` with its terminating zero when it needs at most
// 60 bytes with that zero (otherwise a zero text area), byte 57 the low 8 bits of the text's length in
// UTF-16 code units, then CR LF.
[[nodiscard]] Record EncodeTextRecord(std::string_view text, const OemCodePage& codePage);

// The text of a text record as UTF-8: its bytes 0..56 up to the first zero, decoded from `codePage`.
[[nodiscard]] std::string DecodeTextRecord(const Record& record, const OemCodePage& codePage);

// True when `text` is stored whole in its text record: every character held by `codePage` and the encoded
// text no longer than the 57 bytes of the text area.
[[nodiscard]] bool TextFitsRecord(std::string_view text, const OemCodePage& codePage);

// Scrambles bytes 0..49 in place: each byte is complemented and its two halves exchanged. Applying it
// twice gives the original bytes, so the same function unscrambles.
void ScrambleRecord(Record& record);

// The last record of a final file: the 16-bit sum low byte first in bytes 56 and 57, then CR LF.
[[nodiscard]] Record BuildChecksumRecord(std::uint16_t sum);

} // namespace tamb
