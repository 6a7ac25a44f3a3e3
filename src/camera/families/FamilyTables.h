#pragma once

#include "camera/CameraFamilyData.h"

#include <array>
#include <string_view>

// Pieces shared by the family tables, and the accessors each family file defines.
namespace tamb::families {

using L = CameraList;
using N = CameraNumber;
using O = OptionSource;
using C = Correction;

inline constexpr SyncStep Number(CameraNumber number)
{
    return SyncStep { SyncStep::Kind::Number, number };
}
inline constexpr SyncStep kClockStep { SyncStep::Kind::ClockText };
inline constexpr SyncStep kFolderStep { SyncStep::Kind::FolderText };

// The numeric edits every family has, with their template identifiers, ranges and start values.
inline constexpr NumberBinding kVideoLength { N::VideoLength, 1002, 1, 60, 10, C::VideoLength };
inline constexpr NumberBinding kInterval { N::Interval, 1003, 0, 60, 1, C::Interval };
inline constexpr NumberBinding kTimeLapseHour { N::TimeLapseHour, 1038, 0, 23, 0, C::Hour };
inline constexpr NumberBinding kTimeLapseMinute { N::TimeLapseMinute, 1039, 0, 59, 0, C::MinuteOrSecond };
inline constexpr NumberBinding kTimeLapseSecond { N::TimeLapseSecond, 1040, 0, 59, 0, C::MinuteOrSecond };
inline constexpr NumberBinding kTimer1StartHour { N::Timer1StartHour, 1017, 0, 23, 0, C::Hour };
inline constexpr NumberBinding kTimer1StartMinute { N::Timer1StartMinute, 1022, 0, 59, 0, C::MinuteOrSecond };
inline constexpr NumberBinding kTimer1StopHour { N::Timer1StopHour, 1023, 0, 23, 0, C::Hour };
inline constexpr NumberBinding kTimer1StopMinute { N::Timer1StopMinute, 1024, 0, 59, 0, C::MinuteOrSecond };

// The second timer's edits, on the identifiers of the families with a Timer 2 row under Timer 1 ...
inline constexpr std::array<NumberBinding, 4> kTimer2Edits { {
    { N::Timer2StartHour, 1042, 0, 23, 0, C::Hour },
    { N::Timer2StartMinute, 1045, 0, 59, 0, C::MinuteOrSecond },
    { N::Timer2StopHour, 1046, 0, 23, 0, C::Hour },
    { N::Timer2StopMinute, 1047, 0, 59, 0, C::MinuteOrSecond },
} };
// ... and on those of the Q400 and Q420 templates.
inline constexpr std::array<NumberBinding, 4> kQ400Timer2Edits { {
    { N::Timer2StartHour, 1048, 0, 23, 0, C::Hour },
    { N::Timer2StartMinute, 1049, 0, 59, 0, C::MinuteOrSecond },
    { N::Timer2StopHour, 1050, 0, 23, 0, C::Hour },
    { N::Timer2StopMinute, 1051, 0, 59, 0, C::MinuteOrSecond },
} };

// Lists every family has (identifiers and start options are the same everywhere).
inline constexpr ListBinding kCameraModeList { L::CameraMode, 1013, O::CameraMode, 0 };
inline constexpr ListBinding kImageSizeList { L::ImageSize, 1014, O::ModelImageSizes, kStartByModel };
inline constexpr ListBinding kVideoSizeList { L::VideoSize, 1015, O::ModelVideoSizes, kStartByModel };
inline constexpr ListBinding kPictureCountList { L::PictureCount, 1016, O::PictureCount, 0 };
inline constexpr ListBinding kTimeStampList { L::TimeStamp, 1026, O::OnOff, 0 };
inline constexpr ListBinding kSenseLevelList { L::SenseLevel, 1027, O::Sensitivity, 0 };
inline constexpr ListBinding kIntervalUnitList { L::IntervalUnit, 1029, O::IntervalUnit, 1 };
inline constexpr ListBinding kDateFormatList { L::DateFormat, 1044, O::DateFormat, 1 };
inline constexpr ListBinding kTimer1List { L::Timer1, 1025, O::OffOn, 0 };
inline constexpr ListBinding kSerialNumberList { L::SerialNumber, 1032, O::OffOn, 0 };
inline constexpr ListBinding kSerialCharacter1List { L::SerialCharacter1, 1034, O::SerialCharacters, 0 };
inline constexpr ListBinding kSerialCharacter2List { L::SerialCharacter2, 1035, O::SerialCharacters, 0 };
inline constexpr ListBinding kSerialCharacter3List { L::SerialCharacter3, 1036, O::SerialCharacters, 0 };
inline constexpr ListBinding kSerialCharacter4List { L::SerialCharacter4, 1037, O::SerialCharacters, 0 };
inline constexpr ListBinding kTimeLapseList { L::TimeLapse, 1033, O::OnOff, 1 };
inline constexpr ListBinding kSidePirList { L::SidePir, 1028, O::OffOn, kStartByModel };

// The option texts that are the same in every language.
inline constexpr std::array<std::string_view, 3> kSizes5MP12MP13MP { "5MP", "12MP", "1.3MP" };
inline constexpr std::array<std::string_view, 3> kSizes12MP5MP13MP { "12MP", "5MP", "1.3MP" };
inline constexpr std::array<std::string_view, 3> kSizes12MP5MP2MP { "12MP", "5MP", "2MP" };
inline constexpr std::array<std::string_view, 2> kVideo640320 { "640x480", "320x240" };
inline constexpr std::array<std::string_view, 3> kVideo1280640320 { "1280x720", "640x480", "320x240" };
inline constexpr std::array<std::string_view, 4> kVideo19201280640320 { "1920x1080", "1280x720", "640x480", "320x240" };
inline constexpr std::array<std::string_view, 3> kVideo14401280640 { "1440x1080", "1280x720", "640x480" };

// Default puts the serial number back to "0000" and the date format to MMDDYY in every family.
inline constexpr ListReset kResetSerial { L::SerialNumber, 0 };
inline constexpr ListReset kResetCharacter1 { L::SerialCharacter1, 0 };
inline constexpr ListReset kResetCharacter2 { L::SerialCharacter2, 0 };
inline constexpr ListReset kResetCharacter3 { L::SerialCharacter3, 0 };
inline constexpr ListReset kResetCharacter4 { L::SerialCharacter4, 0 };
inline constexpr ListReset kResetDateFormat { L::DateFormat, 1 };

const CameraFamilyData& GenericFamily();
const CameraFamilyData& Q100Family();
const CameraFamilyData& Q220Family();
const CameraFamilyData& Q300Family();
const CameraFamilyData& Q400Family();
const CameraFamilyData& Q420Family();

} // namespace tamb::families
