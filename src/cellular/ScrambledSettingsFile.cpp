#include "cellular/ScrambledSettingsFile.h"

#include "common/Crc16.h"
#include "common/Paths.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace tamb {
namespace {

namespace fs = std::filesystem;

std::string errnoText()
{
    return std::generic_category().message(errno);
}

std::string quoted(const fs::path& path)
{
    return "\"" + Utf8FromPath(path) + "\"";
}

Status writeWorkingFile(const fs::path& path, const PlainRecords& records, const WriteFaults& faults)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return Status::failure("cannot create the working file " + quoted(path) + ": " + errnoText());
    }
    std::size_t written = 0;
    for (const auto& record : records) {
        auto count = record.size();
        if (faults.failAfterBytes) {
            count = std::min(count, *faults.failAfterBytes - std::min(*faults.failAfterBytes, written));
        }
        out.write(reinterpret_cast<const char*>(record.data()), static_cast<std::streamsize>(count));
        written += count;
        if (!out || count != record.size()) {
            const auto reason = out ? std::generic_category().message(ENOSPC) : errnoText();
            return Status::failure("cannot write the working file " + quoted(path) + ": " + reason);
        }
    }
    out.close();
    if (!out) {
        return Status::failure("cannot write the working file " + quoted(path) + ": " + errnoText());
    }
    return Status::success();
}

Status readWorkingFile(const fs::path& path, PlainRecords& records)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return Status::failure("cannot read the working file " + quoted(path) + ": " + errnoText());
    }
    for (auto& record : records) {
        record.fill(0);
        in.read(reinterpret_cast<char*>(record.data()), static_cast<std::streamsize>(record.size()));
        if (static_cast<std::size_t>(in.gcount()) != record.size()) {
            return Status::failure("the working file " + quoted(path) + " was cut short while it was read");
        }
    }
    return Status::success();
}

// Removes the working file if it is there; it holds every setting unscrambled, passwords included.
Status removeWorkingFile(const fs::path& path)
{
    std::error_code error;
    const auto state = fs::symlink_status(path, error);
    if (!fs::exists(state) || fs::is_directory(state)) {
        return Status::success();
    }
    if (!fs::remove(path, error) && error) {
        return Status::failure("cannot remove the working file " + quoted(path)
            + " (it holds the settings unscrambled): " + error.message());
    }
    return Status::success();
}

Status writeFinalFile(
    const fs::path& workingPath, const fs::path& finalPath, std::uint16_t bias, const ScrambledFileFaults& faults)
{
    PlainRecords records {};
    if (auto read = readWorkingFile(workingPath, records); !read.ok()) {
        return read;
    }
    const auto bytes = BuildScrambledSettingsBytes(records, bias);
    if (auto written = WriteFileAtomically(finalPath, bytes, faults.finalFile); !written.ok()) {
        return Status::failure("cannot write " + quoted(finalPath) + ": " + written.reason());
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
        return Status::failure("the folder " + quoted(folderPath) + " does not exist or is not a folder");
    }
    const auto workingPath = PathFromUtf8(FileInFolder(folder, kWorkingFileName));
    const auto finalPath = PathFromUtf8(FileInFolder(folder, finalName));

    auto status = writeWorkingFile(workingPath, records, faults.workingFile);
    if (status.ok() && faults.failAfterWorkingFile) {
        status = Status::failure("the write was stopped after the working file " + quoted(workingPath));
    }
    if (status.ok()) {
        status = writeFinalFile(workingPath, finalPath, bias, faults);
    }
    auto removed = removeWorkingFile(workingPath);
    if (!removed.ok()) {
        return status.ok() ? removed : Status::failure(status.reason() + "; " + removed.reason());
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

} // namespace tamb
