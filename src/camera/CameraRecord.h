#pragma once

#include "camera/Clock.h"

#include <array>
#include <cstdint>

namespace tamb {

// The six camera dialog families; each lays out the family area of the record its own way.
enum class CameraFamily
{
    Generic,
    Q100,
    Q220,
    Q300,
    Q400,
    Q420,
};

inline constexpr std::size_t kCameraRecordSize = 60;
using CameraSettingsRecord = std::array<std::uint8_t, kCameraRecordSize>;

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
    std::array<std::int32_t, 4> serialNumber{};
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
    std::array<std::int32_t, 4> wirelessPassword{};
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

// The 60-byte record of `family` with its CRC over bytes 0..49 and the CR LF line end.
[[nodiscard]] CameraSettingsRecord BuildCameraRecord(CameraFamily family, const CameraSettings& settings);

// The fixed factory-settings record.
[[nodiscard]] CameraSettingsRecord FactoryResetRecord();

} // namespace tamb
