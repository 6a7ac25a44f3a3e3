#pragma once

#include "cellular/CellularRecord.h"
#include "common/AtomicFile.h"
#include "common/Status.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tamb {

// The working file that holds the plain records while a final file is built; it never outlives a write.
inline constexpr std::string_view kWorkingFileName = "mms.dat";
// A final file: 11 scrambled records (header first) and the checksum record.
inline constexpr std::size_t kStoredRecordCount = 11;
inline constexpr std::size_t kSettingsFileSize = (kStoredRecordCount + 1) * kRecordSize;
using PlainRecords = std::array<Record, kStoredRecordCount>;

// Seams for tests: make a write fail at a chosen point, as a full or pulled card would.
struct ScrambledFileFaults
{
    WriteFaults workingFile {};
    // Fail once the working file is complete, before the final file is touched.
    bool failAfterWorkingFile = false;
    WriteFaults finalFile {};
    // Called with the working file's path once the file is complete and still held.
    std::function<void(const std::filesystem::path&)> afterWorkingFile {};
};

// Writes `records` plain to the working file mms.dat in `folder`, reads them back, scrambles them into the
// final file `finalName` and appends the checksum record: CRC-16 of the 660 stored bytes plus `bias`
// (modulo 65536). The working file is the lock of every cellular write into the folder (TakeLockFile, for its owner
// alone, with `faults.workingFile`): a second write waits for the first up to its lockWait and then fails with
// FailureKind::Busy. The final file is written with WriteFileAtomically, so a failure leaves the previous file as it
// was; a final file is never readable by others. The working file is removed on every path, failure included;
// when it cannot be, its bytes are overwritten with zeros and the write fails with WorkingFileWiped (or
// WorkingFileLeft when even that failed), the final file written. Returns the reason of the first failure.
[[nodiscard]] Status WriteScrambledSettingsFile(std::string_view folder, std::string_view finalName,
    const PlainRecords& records, std::uint16_t bias, const ScrambledFileFaults& faults = {});

// The 720 bytes of a final file built from `records` with `bias`, as WriteScrambledSettingsFile stores them.
[[nodiscard]] std::vector<std::uint8_t> BuildScrambledSettingsBytes(const PlainRecords& records, std::uint16_t bias);

// What a final file holds, read back without trusting it.
struct ScrambledFileReading
{
    // The unscrambled records 0..10; zero-filled where the file is too short.
    PlainRecords records {};
    // CRC-16 of the stored records 0..10 (of what is present).
    std::uint16_t crc = 0;
    // The sum in the checksum record, when the file is long enough to have one.
    std::optional<std::uint16_t> storedSum;
    // Every fault of form: wrong length, a record without CR LF, a checksum record with other bytes than the sum.
    std::vector<std::string> problems;
};

[[nodiscard]] ScrambledFileReading ReadScrambledSettingsFile(std::span<const std::uint8_t> bytes);

// Adds a problem to `reading` unless its stored sum equals its CRC plus `bias`.
void CheckScrambledSum(ScrambledFileReading& reading, std::uint16_t bias);

// Whether the final file `bytes` holds `written`, the records a dialog would write, apart from the header bytes at
// `takenAfresh` (those Generate takes from the main window). The failure names the first record that differs.
[[nodiscard]] Status HoldsRecords(
    std::span<const std::uint8_t> bytes, PlainRecords written, std::initializer_list<std::size_t> takenAfresh);

} // namespace tamb
