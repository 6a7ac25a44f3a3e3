#include "cellular/ScrambledSettingsFile.h"

#include "common/Crc16.h"
#include "common/Paths.h"
#include "common/WriteErrorKind.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <system_error>
#include <thread>

namespace tamb {
namespace {

namespace fs = std::filesystem;

std::string quoted(const fs::path& path)
{
    return "\"" + Utf8FromPath(path) + "\"";
}

// Takes the working file: creates it exclusively, for its owner alone, and holds it locked. A working file left
// by a killed run (or any link planted under its name) is removed first; one that a running write holds is waited
// for, so that two writes into one folder follow each other instead of sharing the file.
Status takeWorkingFile(const fs::path& path, std::chrono::milliseconds wait, const WriteFaults& faults, OwnedFile& file)
{
    if (const auto injected = faults.errorAt(WriteStep::CreateFile)) {
        return WriteErrorStatus("cannot create the working file " + quoted(path) + ": ", injected, path.parent_path());
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        std::error_code error;
        file = OwnedFile::create(path, FileAccess::OwnerOnly, error);
        if (file.isOpen()) {
            return Status::success();
        }
        if (error != std::errc::file_exists) {
            return WriteErrorStatus("cannot create the working file " + quoted(path) + ": ", error, path.parent_path());
        }
        switch (RemoveAbandonedFile(path, error)) {
        case Removal::Removed:
            break;
        case Removal::Failed:
            return Status::failure("cannot remove the old working file " + quoted(path) + ": " + error.message());
        case Removal::InUse:
            if (std::chrono::steady_clock::now() >= deadline) {
                return Status::failure("another write into this folder still holds the working file " + quoted(path)
                    + "; try again when it has finished");
            }
            std::this_thread::sleep_for(std::chrono::milliseconds { 1 });
            break;
        }
    }
}

Status writeWorkingFile(OwnedFile& file, const PlainRecords& records, const WriteFaults& faults)
{
    const auto context = "cannot write the working file " + quoted(file.path()) + ": ";
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

Status readWorkingFile(OwnedFile& file, PlainRecords& records)
{
    for (std::size_t k = 0; k < records.size(); ++k) {
        records[k].fill(0);
        if (!file.readAt(k * kRecordSize, records[k])) {
            return Status::failure("the working file " + quoted(file.path()) + " was cut short while it was read");
        }
    }
    return Status::success();
}

// Removes the working file; it holds every setting unscrambled, passwords included.
Status removeWorkingFile(OwnedFile& file)
{
    if (const auto error = file.remove()) {
        return Status::failure("cannot remove the working file " + quoted(file.path())
            + " (it holds the settings unscrambled): " + error.message());
    }
    return Status::success();
}

Status writeFinalFile(OwnedFile& workingFile, const fs::path& finalPath, std::uint16_t bias, const WriteFaults& faults)
{
    PlainRecords records {};
    if (auto read = readWorkingFile(workingFile, records); !read.ok()) {
        return read;
    }
    const auto bytes = BuildScrambledSettingsBytes(records, bias);
    if (auto written = WriteFileAtomically(finalPath, bytes, FileAccess::OwnerOnly, faults); !written.ok()) {
        return written.prefixed("cannot write " + quoted(finalPath) + ": ");
    }
    return Status::success();
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
    if (!fs::is_directory(folderPath, error)) {
        return Status::failure(
            "the folder " + quoted(folderPath) + " does not exist or is not a folder", FailureKind::Missing);
    }
    const auto workingPath = PathFromUtf8(FileInFolder(folder, kWorkingFileName));
    const auto finalPath = PathFromUtf8(FileInFolder(folder, finalName));

    OwnedFile workingFile;
    if (auto taken = takeWorkingFile(workingPath, faults.workingFileWait, faults.workingFile, workingFile);
        !taken.ok()) {
        return taken;
    }
    auto status = writeWorkingFile(workingFile, records, faults.workingFile);
    if (status.ok() && faults.afterWorkingFile) {
        faults.afterWorkingFile(workingPath);
    }
    if (status.ok() && faults.failAfterWorkingFile) {
        status = Status::failure("the write was stopped after the working file " + quoted(workingPath));
    }
    if (status.ok()) {
        status = writeFinalFile(workingFile, finalPath, bias, faults.finalFile);
    }
    auto removed = removeWorkingFile(workingFile);
    if (!removed.ok()) {
        return status.ok() ? removed : Status::failure(status.reason() + "; " + removed.reason(), status.kind());
    }
    return status;
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
