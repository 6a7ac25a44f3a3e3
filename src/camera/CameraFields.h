#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tamb {

// Every drop-down list that a camera dialog can carry. A family uses a subset; the value of a list is the
// zero-based index of its selected option.
enum class CameraList : std::uint8_t
{
    CameraMode,
    ImageSize,
    VideoSize,
    PictureCount,
    TimeStamp,
    SenseLevel,
    SidePir,
    IntervalUnit,
    DateFormat,
    SdCycle,
    BeepSound,
    Timer1,
    Timer2,
    SerialNumber,
    SerialCharacter1,
    SerialCharacter2,
    SerialCharacter3,
    SerialCharacter4,
    TimeLapse,
    WirelessPassword,
    LongitudeDirection,
    LatitudeDirection,
};
inline constexpr std::size_t kCameraListCount = 22;

// Every numeric edit that a camera dialog can carry.
enum class CameraNumber : std::uint8_t
{
    VideoLength,
    Interval,
    TimeLapseHour,
    TimeLapseMinute,
    TimeLapseSecond,
    Timer1StartHour,
    Timer1StartMinute,
    Timer1StopHour,
    Timer1StopMinute,
    Timer2StartHour,
    Timer2StartMinute,
    Timer2StopHour,
    Timer2StopMinute,
    LongitudeDegrees,
    LongitudeMinutes,
    LongitudeSeconds,
    LatitudeDegrees,
    LatitudeMinutes,
    LatitudeSeconds,
};
inline constexpr std::size_t kCameraNumberCount = 19;

// The largest degree values of the coordinates; at these, minutes and seconds must be 0.
inline constexpr int kLongitudeMaximumDegrees = 180;
inline constexpr int kLatitudeMaximumDegrees = 90;

// The free texts of a camera dialog.
enum class CameraText : std::uint8_t
{
    Clock,
    Folder,
    WirelessPassword,
};
inline constexpr std::size_t kCameraTextCount = 3;

// Names used on the command line and in messages: the record field each setting fills. The four serial
// character lists share the key `serialNumber` and are given together as one four-character text.
inline constexpr std::array<std::string_view, kCameraListCount> kCameraListKeys {
    "cameraMode",
    "imageSize",
    "videoSize",
    "pictureCount",
    "timeStamp",
    "senseLevel",
    "sidePir",
    "intervalUnit",
    "dateFormat",
    "sdCycle",
    "beepSound",
    "timer1Enabled",
    "timer2Enabled",
    "serialNumberEnabled",
    "serialNumber",
    "serialNumber",
    "serialNumber",
    "serialNumber",
    "timeLapseEnabled",
    "wirelessPasswordEnabled",
    "longitudeDirection",
    "latitudeDirection",
};

inline constexpr std::array<std::string_view, kCameraNumberCount> kCameraNumberKeys {
    "videoLength",
    "interval",
    "timeLapseHour",
    "timeLapseMinute",
    "timeLapseSecond",
    "timer1StartHour",
    "timer1StartMinute",
    "timer1StopHour",
    "timer1StopMinute",
    "timer2StartHour",
    "timer2StartMinute",
    "timer2StopHour",
    "timer2StopMinute",
    "longitudeDegrees",
    "longitudeMinutes",
    "longitudeSeconds",
    "latitudeDegrees",
    "latitudeMinutes",
    "latitudeSeconds",
};

[[nodiscard]] constexpr std::size_t ToIndex(CameraList list)
{
    return static_cast<std::size_t>(list);
}
[[nodiscard]] constexpr std::size_t ToIndex(CameraNumber number)
{
    return static_cast<std::size_t>(number);
}
[[nodiscard]] constexpr std::size_t ToIndex(CameraText text)
{
    return static_cast<std::size_t>(text);
}

[[nodiscard]] constexpr std::string_view KeyOf(CameraList list)
{
    return kCameraListKeys[ToIndex(list)];
}
[[nodiscard]] constexpr std::string_view KeyOf(CameraNumber number)
{
    return kCameraNumberKeys[ToIndex(number)];
}

inline constexpr std::array<CameraList, 4> kSerialCharacterLists {
    CameraList::SerialCharacter1,
    CameraList::SerialCharacter2,
    CameraList::SerialCharacter3,
    CameraList::SerialCharacter4,
};

} // namespace tamb
