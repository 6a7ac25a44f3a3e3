#pragma once

#include "camera/Clock.h"
#include "common/CameraFamily.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tamb {

inline constexpr std::size_t kCameraRecordSize = 60;
using CameraSettingsRecord = std::array<std::uint8_t, kCameraRecordSize>;

// Offsets of the record: the CRC covers bytes [0, kCrcCoveredBytes) and is stored low byte first.
inline constexpr std::size_t kSidePirOffset = 9;
// The clock's six bytes (year, month, day, hour, minute, second) begin here.
inline constexpr std::size_t kClockOffset = 14;
inline constexpr std::size_t kClockByteCount = 6;
inline constexpr std::size_t kLanguageOffset = 29;
inline constexpr std::size_t kTvModeOffset = 30;
inline constexpr std::size_t kFamilyAreaBegin = 31;
inline constexpr std::size_t kFamilyAreaEnd = 48;
inline constexpr std::size_t kDateFormatOffset = 48;
inline constexpr std::size_t kSidePirCopyOffset = 51;
inline constexpr std::size_t kCrcCoveredBytes = 50;
inline constexpr std::size_t kCrcLowOffset = 56;
inline constexpr std::size_t kCrcHighOffset = 57;
inline constexpr std::size_t kLineEndOffset = 58;
inline constexpr std::uint8_t kCarriageReturn = 13;
inline constexpr std::uint8_t kLineFeed = 10;

// The camera clock year is stored as year - kClockYearBase after limiting it to kClockYearBase..kClockYearLast.
inline constexpr std::int32_t kClockYearBase = 2010;
inline constexpr std::int32_t kClockYearLast = 2031;

// The collected settings a record is built from: one integer per record field, already in record form
// (list indexes, `videoLength` = seconds - 1, `interval` = value + 128 for seconds). Each value enters the
// record as its low 8 bits. The clock keeps the full year; the record limits it to 2010..2031.
struct CameraSettings
{
    std::int32_t cameraMode = 0;
    std::int32_t imageSize = 0;
    std::int32_t videoSize = 0;
    std::int32_t pictureCount = 0;
    std::int32_t videoLength = 0;
    std::int32_t timeStamp = 0;
    std::int32_t interval = 0;
    std::int32_t senseLevel = 0;
    std::int32_t timer1Enabled = 0;
    std::int32_t sidePir = 0;
    std::int32_t timeLapseEnabled = 0;
    std::int32_t timeLapseHour = 0;
    std::int32_t timeLapseMinute = 0;
    std::int32_t timeLapseSecond = 0;
    ClockReading clock;
    std::int32_t timer1StartHour = 0;
    std::int32_t timer1StartMinute = 0;
    std::int32_t timer1StopHour = 0;
    std::int32_t timer1StopMinute = 0;
    std::int32_t serialNumberEnabled = 0;
    std::array<std::int32_t, 4> serialNumber {};
    std::int32_t language = 0;
    std::int32_t tvMode = 0;
    std::int32_t dateFormat = 0;
    // Family extras: which of them reach the record depends on the family.
    std::int32_t timer2Enabled = 0;
    std::int32_t timer2StartHour = 0;
    std::int32_t timer2StartMinute = 0;
    std::int32_t timer2StopHour = 0;
    std::int32_t timer2StopMinute = 0;
    std::int32_t sdCycle = 0;
    std::int32_t beepSound = 0;
    std::array<std::int32_t, 4> wirelessPassword {};
    std::int32_t wirelessPasswordEnabled = 0;
    std::int32_t longitudeDirection = 0;
    std::int32_t longitudeDegrees = 0;
    std::int32_t longitudeMinutes = 0;
    std::int32_t longitudeSeconds = 0;
    std::int32_t latitudeDirection = 0;
    std::int32_t latitudeDegrees = 0;
    std::int32_t latitudeMinutes = 0;
    std::int32_t latitudeSeconds = 0;
};

// Reads, from the collected settings, the value one record byte carries (before truncation to 8 bits).
using SettingsValue = std::int32_t (*)(const CameraSettings&);

// One named byte of the record and where its value comes from. A byte that takes a settings field as it stands
// also names that field, so that the settings can be made by the byte's name.
struct RecordByte
{
    std::size_t offset;
    std::string_view name;
    SettingsValue value;
    std::int32_t CameraSettings::*field = nullptr;
};

// The bytes that every family fills alike: 0..30 except `sidePir` (9), and `dateFormat` (48).
[[nodiscard]] std::span<const RecordByte> CommonRecordBytes();

// The bytes that `family` fills its own way: `sidePir`, the family area and `sidePirCopy`. A byte of the family
// area that the family leaves 0 has no entry.
[[nodiscard]] std::span<const RecordByte> FamilyRecordBytes(CameraFamily family);

// The value that `family` writes at `offset` (0..55) whatever the settings: 0 for a byte that no field fills, the
// constant of a field that does not depend on the settings; nothing for a byte that carries a setting.
[[nodiscard]] std::optional<std::uint8_t> FixedRecordByte(CameraFamily family, std::size_t offset);

// The settings field that the record byte named `name` takes as it stands, in any family; nullptr for a name that
// no such byte has (the serial characters, the password digits, the clock, an unknown name).
[[nodiscard]] std::int32_t* SettingsField(CameraSettings& settings, std::string_view name);

// The record form of the interval: the value (0..60), plus 128 when the unit list shows index 0 (seconds).
[[nodiscard]] std::int32_t IntervalField(std::int32_t value, std::int32_t unitIndex);
// The interval value and the unit list's index that the record form `field` stands for.
[[nodiscard]] std::int32_t IntervalValue(std::int32_t field);
[[nodiscard]] std::int32_t IntervalUnitIndex(std::int32_t field);

// The record form of the video length: seconds (1..60) - 1.
[[nodiscard]] std::int32_t VideoLengthField(std::int32_t seconds);
// The seconds that the record form `field` stands for.
[[nodiscard]] std::int32_t VideoLengthSeconds(std::int32_t field);

// The serial-number list index of a character: "0".."9" give 0..9, "A".."Z" give 10..35; anything else has none.
[[nodiscard]] std::optional<std::int32_t> SerialCharacterIndex(char character);
// The character for a serial-number list index 0..35; '?' for any other value.
[[nodiscard]] char SerialCharacter(std::int32_t index);

// The Q100 wireless password as the record takes it: character k (k = 0..3) of the UTF-8 `text` gives its digit
// value, so that each byte holds the digit shown in that place; an ASCII digit or the full-width form an input
// method may type counts as its value, any other character or a missing one as 0.
[[nodiscard]] std::array<std::int32_t, 4> WirelessPasswordDigits(std::string_view text);

// The 60-byte record of `family` with its CRC over bytes 0..49 and the CR LF line end.
[[nodiscard]] CameraSettingsRecord BuildCameraRecord(CameraFamily family, const CameraSettings& settings);

// The fixed factory-settings record: bytes 0..3 are 255, `dateFormat` is 1, everything else 0 up to the CRC.
[[nodiscard]] CameraSettingsRecord FactoryResetRecord();

// The CRC that bytes 0..49 of `record` call for.
[[nodiscard]] std::uint16_t CameraRecordCrc(std::span<const std::uint8_t, kCameraRecordSize> record);

// What makes `bytes` unfit to be a camera record (wrong length, CRC mismatch, missing CR LF), one readable
// sentence each; empty when the record is sound.
[[nodiscard]] std::vector<std::string> CameraRecordProblems(std::span<const std::uint8_t> bytes);

} // namespace tamb
