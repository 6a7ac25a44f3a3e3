#include "camera/MenuFileLoad.h"

#include "camera/CameraAssignments.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace tamb {
namespace {

// The serial number's characters are 0..35 in the record, the password's digits 0..9.
constexpr std::uint8_t kSerialCharacterCount = 36;
constexpr std::uint8_t kPasswordDigitCount = 10;

// The record's value of the byte named `name` in this family, if the family has such a byte.
std::optional<std::uint8_t> NamedByte(CameraFamily family, std::span<const std::uint8_t> record, std::string_view name)
{
    for (const auto table : { CommonRecordBytes(), FamilyRecordBytes(family) }) {
        const auto byte = std::ranges::find(table, name, &RecordByte::name);
        if (byte != table.end())
            return record[byte->offset];
    }
    return std::nullopt;
}

// The four characters of the bytes `prefix`1..4, each below `count`; '?' and not `valid` for one that is not.
std::string Characters(
    std::span<const std::uint8_t> record, CameraFamily family, std::string_view prefix, std::uint8_t count, bool& valid)
{
    std::string text;
    for (char k = '1'; k <= '4'; ++k) {
        const std::uint8_t value = NamedByte(family, record, std::string { prefix } + k).value_or(0);
        valid = valid && value < count;
        text += value < count ? SerialCharacter(value) : '?';
    }
    return text;
}

// The settings of the record as the keys a user of the dialog gives, for the settings this dialog shows.
Status RecordAssignments(
    const CameraSettingsModel& model, std::span<const std::uint8_t> record, std::vector<CameraAssignment>& out)
{
    const CameraFamily family = model.data().family;
    for (const ListBinding& binding : model.data().lists) {
        if (!model.isListShown(binding.list) || binding.list == CameraList::IntervalUnit
            || std::ranges::find(kSerialCharacterLists, binding.list) != kSerialCharacterLists.end())
            continue;
        if (const auto value = NamedByte(family, record, KeyOf(binding.list)))
            out.emplace_back(std::string { KeyOf(binding.list) }, std::to_string(*value));
    }
    for (const NumberBinding& binding : model.data().numbers) {
        const std::string_view key = KeyOf(binding.number);
        if (const auto value = NamedByte(family, record, key)) {
            std::int32_t number = *value;
            if (binding.number == CameraNumber::VideoLength)
                number = VideoLengthSeconds(*value);
            if (binding.number == CameraNumber::Interval) {
                out.emplace_back(
                    std::string { KeyOf(CameraList::IntervalUnit) }, std::to_string(IntervalUnitIndex(*value)));
                number = IntervalValue(*value);
            }
            out.emplace_back(std::string { key }, std::to_string(number));
        }
    }
    bool valid = true;
    if (model.hasList(CameraList::SerialCharacter1))
        out.emplace_back("serialNumber", Characters(record, family, "serialNumber", kSerialCharacterCount, valid));
    if (model.hasList(CameraList::WirelessPassword))
        out.emplace_back(
            "wirelessPassword", Characters(record, family, "wirelessPassword", kPasswordDigitCount, valid));
    return valid ? Status::success() : Status::failure("a serial-number or password character is out of range");
}

// Whether the clock bytes are what the dialog writes: a reading of the local time, or, where Generate reads the
// typed clock text, any numbers that text gave (the calendar is not consulted), with the year kept to its range.
bool IsClockOfTheDialog(std::span<const std::uint8_t> record, bool parsesClockText)
{
    const auto at = [&](std::size_t offset) { return record[kClockOffset + offset]; };
    if (at(0) > kClockYearLast - kClockYearBase)
        return false;
    return parsesClockText
        || (at(1) >= 1 && at(1) <= 12 && at(2) >= 1 && at(2) <= 31 && at(3) < 24 && at(4) < 60 && at(5) < 60);
}

bool TakenAfresh(std::size_t offset)
{
    return (offset >= kClockOffset && offset < kClockOffset + kClockByteCount) || offset == kLanguageOffset
        || offset == kTvModeOffset;
}

// The first byte (up to the CRC) where `written` differs from `record`, apart from what Generate takes afresh, in
// words: "sdCycle (byte 36) holds 3 where this model's dialog writes 1".
std::optional<std::string> FirstDifference(
    CameraFamily family, std::span<const std::uint8_t> record, const CameraSettingsRecord& written)
{
    for (std::size_t offset = 0; offset < kCrcLowOffset; ++offset) {
        if (TakenAfresh(offset) || record[offset] == written[offset])
            continue;
        std::string name = "byte " + std::to_string(offset);
        for (const auto table : { CommonRecordBytes(), FamilyRecordBytes(family) }) {
            const auto byte = std::ranges::find(table, offset, &RecordByte::offset);
            if (byte != table.end())
                name = std::string { byte->name } + " (" + name + ")";
        }
        return name + " holds " + std::to_string(record[offset]) + " where this model's dialog writes "
            + std::to_string(written[offset]);
    }
    return std::nullopt;
}

// The keys of the record, once a scratch dialog given them writes the record again.
Status CheckedAssignments(
    const CameraSettingsModel& model, std::span<const std::uint8_t> bytes, std::vector<CameraAssignment>& keys)
{
    if (const auto problems = CameraRecordProblems(bytes); !problems.empty())
        return Status::failure(problems.front());
    if (!IsClockOfTheDialog(bytes, model.data().generateParsesClock))
        return Status::failure("the clock bytes 14..19 are not a time");
    if (Status listed = RecordAssignments(model, bytes, keys); !listed.ok())
        return listed;
    CameraEnvironment environment = model.environment();
    environment.offerToLoad = false;
    CameraSettingsModel scratch(model.data().family, std::move(environment));
    if (Status applied = LoadCameraAssignments(scratch, keys); !applied.ok())
        return Status::failure("this camera's menu has no such setting: " + applied.reason());
    if (const auto differs
        = FirstDifference(model.data().family, bytes, BuildCameraRecord(model.data().family, scratch.collect()))) {
        return Status::failure("not written for this camera model: " + *differs);
    }
    return Status::success();
}

} // namespace

Status CheckMenuFile(const CameraSettingsModel& model, std::span<const std::uint8_t> bytes)
{
    std::vector<CameraAssignment> keys;
    return CheckedAssignments(model, bytes, keys);
}

Status LoadMenuFile(CameraSettingsModel& model, std::span<const std::uint8_t> bytes)
{
    std::vector<CameraAssignment> keys;
    if (Status checked = CheckedAssignments(model, bytes, keys); !checked.ok())
        return checked;
    return LoadCameraAssignments(model, keys);
}

} // namespace tamb
