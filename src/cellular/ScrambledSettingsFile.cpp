#include "cellular/ScrambledSettingsFile.h"

#include "common/Crc16.h"
#include "common/Paths.h"
#include "common/WriteErrorKind.h"
#include "common/WriteLock.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace tamb {
namespace {

namespace fs = std::filesystem;

std::string Quoted(const fs::path& path)
{
    return "\"" + Utf8FromPath(path) + "\"";
}

Status WriteWorkingFile(OwnedFile& file, const PlainRecords& records, const WriteFaults& faults)
{
    const auto context = "cannot write the working file " + Quoted(file.path()) + ": ";
    if (const auto injected = faults.errorAt(WriteStep::WriteBytes)) {
        return WriteErrorStatus(context, injected, file.path().parent_path());
    }
    std::size_t written = 0;
    for (const auto& record : records) {
        auto count = record.size();
        if (faults.failAfterBytes) {
            count = std::min(count, *faults.failAfterBytes - std::min(*faults.failAfterBytes, written));
        }
        const bool ok = file.write(std::span { record }.first(count));
        written += count;
        if (!ok || count != record.size()) {
            const std::error_code error { ok ? ENOSPC : errno, std::generic_category() };
            return WriteErrorStatus(context, error, file.path().parent_path());
        }
    }
    return Status::success();
}

Status ReadWorkingFile(OwnedFile& file, PlainRecords& records, const WriteFaults& faults)
{
    for (std::size_t k = 0; k < records.size(); ++k) {
        records[k].fill(0);
        std::size_t count = 0;
        std::error_code error = faults.errorAt(WriteStep::ReadBack);
        if (!error) {
            error = file.read(k * kRecordSize, records[k], count);
        }
        if (error) {
            return WriteErrorStatus(
                "cannot read the working file " + Quoted(file.path()) + " back: ", error, file.path().parent_path());
        }
        if (count != kRecordSize) {
            return Status::failure("the working file " + Quoted(file.path()) + " was cut short while it was read");
        }
    }
    return Status::success();
}

// Removes the working file; it holds every setting unscrambled, passwords included. When its name cannot go, its
// bytes do: they are overwritten with zeros and flushed, and the failure says which of the two it came to.
Status RemoveWorkingFile(OwnedFile& file, const WriteFaults& faults)
{
    std::error_code error = faults.errorAt(WriteStep::RemoveFile);
    if (!error) {
        error = file.remove();
    }
    if (!error) {
        faults.completed(WriteStep::RemoveFile, file.path());
        return Status::success();
    }
    const auto notRemoved = "cannot remove the working file " + Quoted(file.path()) + ": " + error.message();
    if (const auto wiped = file.wipe()) {
        return Status::failure(
            notRemoved + ", nor overwrite it: " + wiped.message() + "; it holds the settings unscrambled",
            FailureKind::WorkingFileLeft);
    }
    return Status::failure(notRemoved + "; its bytes were overwritten with zeros", FailureKind::WorkingFileWiped);
}

Status WriteFinalFile(
    OwnedFile& workingFile, const fs::path& finalPath, std::uint16_t bias, const ScrambledFileFaults& faults)
{
    PlainRecords records {};
    if (auto read = ReadWorkingFile(workingFile, records, faults.workingFile); !read.ok()) {
        return read;
    }
    const auto bytes = BuildScrambledSettingsBytes(records, bias);
    return WriteFileAtomically(finalPath, bytes, FileAccess::OwnerOnly, faults.finalFile)
        .prefixed("cannot write " + Quoted(finalPath) + ": ");
}

} // namespace

std::vector<std::uint8_t> BuildScrambledSettingsBytes(const PlainRecords& records, std::uint16_t bias)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kSettingsFileSize);
    for (auto record : records) {
        ScrambleRecord(record);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    const auto sum = static_cast<std::uint16_t>(Crc16(0, bytes) + bias);
    const auto checksum = BuildChecksumRecord(sum);
    bytes.insert(bytes.end(), checksum.begin(), checksum.end());
    return bytes;
}

Status WriteScrambledSettingsFile(std::string_view folder, std::string_view finalName, const PlainRecords& records,
    std::uint16_t bias, const ScrambledFileFaults& faults)
{
    const auto folderPath = PathFromUtf8(folder);
    std::error_code error;
    if (const auto type = fs::status(folderPath, error).type(); type != fs::file_type::directory) {
        const bool there = type != fs::file_type::not_found && type != fs::file_type::none;
        return Status::failure("the folder " + Quoted(folderPath) + (there ? " is not a folder" : " does not exist"),
            there ? FailureKind::Other : FailureKind::Missing);
    }
    const auto workingPath = PathFromUtf8(FileInFolder(folder, kWorkingFileName));
    const auto finalPath = PathFromUtf8(FileInFolder(folder, finalName));

    OwnedFile workingFile;
    if (auto taken = TakeLockFile(workingPath, FileAccess::OwnerOnly, faults.workingFile, workingFile); !taken.ok()) {
        return taken;
    }
    auto status = WriteWorkingFile(workingFile, records, faults.workingFile);
    if (status.ok() && faults.afterWorkingFile) {
        faults.afterWorkingFile(workingPath);
    }
    if (status.ok() && faults.failAfterWorkingFile) {
        status = Status::failure("the write was stopped after the working file " + Quoted(workingPath));
    }
    if (status.ok()) {
        status = WriteFinalFile(workingFile, finalPath, bias, faults);
    }
    auto removed = RemoveWorkingFile(workingFile, faults.workingFile);
    if (removed.ok()) {
        return status;
    }
    // Both reasons matter then: the owner learns what became of the final file and of the working file.
    return status.ok() ? removed : Status::failure(status.reason() + "; " + removed.reason());
}

ScrambledFileReading ReadScrambledSettingsFile(std::span<const std::uint8_t> bytes)
{
    ScrambledFileReading reading;
    if (bytes.size() != kSettingsFileSize) {
        reading.problems.push_back(
            "the file holds " + std::to_string(bytes.size()) + " bytes, not " + std::to_string(kSettingsFileSize));
    }
    const auto stored = bytes.first(std::min(bytes.size(), kStoredRecordCount * kRecordSize));
    reading.crc = Crc16(0, stored);
    const auto completeRecords = std::min(bytes.size() / kRecordSize, kStoredRecordCount + 1);
    for (std::size_t k = 0; k < completeRecords; ++k) {
        const auto record = bytes.subspan(k * kRecordSize, kRecordSize);
        if (record[kCarriageReturnByte] != '\r' || record[kLineFeedByte] != '\n') {
            reading.problems.push_back("record " + std::to_string(k) + " does not end with CR LF");
        }
        if (k == kStoredRecordCount) {
            if (std::any_of(record.begin(), record.begin() + kChecksumLowByte, [](auto b) { return b != 0; })) {
                reading.problems.push_back("the checksum record holds other bytes than zeros before the sum");
            }
            reading.storedSum = static_cast<std::uint16_t>(record[kChecksumLowByte] | (record[kChecksumHighByte] << 8));
        } else {
            std::copy(record.begin(), record.end(), reading.records[k].begin());
            ScrambleRecord(reading.records[k]);
        }
    }
    return reading;
}

void CheckScrambledSum(ScrambledFileReading& reading, std::uint16_t bias)
{
    const auto expected = static_cast<std::uint16_t>(reading.crc + bias);
    if (!reading.storedSum) {
        reading.problems.push_back("the checksum record is missing");
    } else if (*reading.storedSum != expected) {
        reading.problems.push_back("the checksum is " + std::to_string(*reading.storedSum) + ", expected "
            + std::to_string(expected) + " (CRC " + std::to_string(reading.crc) + " plus " + std::to_string(bias)
            + ")");
    }
}

Status HoldsRecords(
    std::span<const std::uint8_t> bytes, PlainRecords written, std::initializer_list<std::size_t> takenAfresh)
{
    const PlainRecords stored = ReadScrambledSettingsFile(bytes).records;
    for (const std::size_t offset : takenAfresh)
        written[0][offset] = stored[0][offset];
    for (std::size_t k = 0; k < written.size(); ++k) {
        if (written[k] != stored[k])
            return Status::failure("record " + std::to_string(k) + " is not what the dialog of this model writes");
    }
    return Status::success();
}

} // namespace tamb
