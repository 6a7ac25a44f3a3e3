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
    return SyncStep { .kind = SyncStep::Kind::Number, .number = number };
}
inline constexpr SyncStep kClockStep { .kind = SyncStep::Kind::ClockText };
inline constexpr SyncStep kFolderStep { .kind = SyncStep::Kind::FolderText };

// The elements of `first` followed by those of `second`.
template <typename T, std::size_t N, std::size_t M>
constexpr std::array<T, N + M> Joined(const std::array<T, N>& first, const std::array<T, M>& second)
{
    std::array<T, N + M> joined {};
    for (std::size_t i = 0; i < N; ++i)
        joined[i] = first[i];
    for (std::size_t i = 0; i < M; ++i)
        joined[N + i] = second[i];
    return joined;
}

// The numeric edits every family has, with their template identifiers, ranges and start values.
inline constexpr NumberBinding kVideoLength {
    .number = N::VideoLength, .controlId = 1002, .minimum = 1, .maximum = 60, .start = 10, .correction = C::VideoLength
};
inline constexpr NumberBinding kInterval {
    .number = N::Interval, .controlId = 1003, .minimum = 0, .maximum = 60, .start = 1, .correction = C::Interval
};
inline constexpr NumberBinding kTimeLapseHour {
    .number = N::TimeLapseHour, .controlId = 1038, .minimum = 0, .maximum = 23, .start = 0, .correction = C::Hour
};
inline constexpr NumberBinding kTimeLapseMinute { .number = N::TimeLapseMinute,
    .controlId = 1039,
    .minimum = 0,
    .maximum = 59,
    .start = 0,
    .correction = C::MinuteOrSecond };
inline constexpr NumberBinding kTimeLapseSecond { .number = N::TimeLapseSecond,
    .controlId = 1040,
    .minimum = 0,
    .maximum = 59,
    .start = 0,
    .correction = C::MinuteOrSecond };
inline constexpr NumberBinding kTimer1StartHour {
    .number = N::Timer1StartHour, .controlId = 1017, .minimum = 0, .maximum = 23, .start = 0, .correction = C::Hour
};
inline constexpr NumberBinding kTimer1StartMinute { .number = N::Timer1StartMinute,
    .controlId = 1022,
    .minimum = 0,
    .maximum = 59,
    .start = 0,
    .correction = C::MinuteOrSecond };
inline constexpr NumberBinding kTimer1StopHour {
    .number = N::Timer1StopHour, .controlId = 1023, .minimum = 0, .maximum = 23, .start = 0, .correction = C::Hour
};
inline constexpr NumberBinding kTimer1StopMinute { .number = N::Timer1StopMinute,
    .controlId = 1024,
    .minimum = 0,
    .maximum = 59,
    .start = 0,
    .correction = C::MinuteOrSecond };

// The second timer's edits, on the identifiers of the families with a Timer 2 row under Timer 1 ...
inline constexpr std::array<NumberBinding, 4> kTimer2Edits { {
    { .number = N::Timer2StartHour, .controlId = 1042, .minimum = 0, .maximum = 23, .start = 0, .correction = C::Hour },
    { .number = N::Timer2StartMinute,
        .controlId = 1045,
        .minimum = 0,
        .maximum = 59,
        .start = 0,
        .correction = C::MinuteOrSecond },
    { .number = N::Timer2StopHour, .controlId = 1046, .minimum = 0, .maximum = 23, .start = 0, .correction = C::Hour },
    { .number = N::Timer2StopMinute,
        .controlId = 1047,
        .minimum = 0,
        .maximum = 59,
        .start = 0,
        .correction = C::MinuteOrSecond },
} };
// ... and on those of the Q400 and Q420 templates.
inline constexpr std::array<NumberBinding, 4> kQ400Timer2Edits { {
    { .number = N::Timer2StartHour, .controlId = 1048, .minimum = 0, .maximum = 23, .start = 0, .correction = C::Hour },
    { .number = N::Timer2StartMinute,
        .controlId = 1049,
        .minimum = 0,
        .maximum = 59,
        .start = 0,
        .correction = C::MinuteOrSecond },
    { .number = N::Timer2StopHour, .controlId = 1050, .minimum = 0, .maximum = 23, .start = 0, .correction = C::Hour },
    { .number = N::Timer2StopMinute,
        .controlId = 1051,
        .minimum = 0,
        .maximum = 59,
        .start = 0,
        .correction = C::MinuteOrSecond },
} };

// Lists every family has (identifiers and start options are the same everywhere).
inline constexpr ListBinding kCameraModeList {
    .list = L::CameraMode, .controlId = 1013, .options = O::CameraMode, .start = 0
};
inline constexpr ListBinding kImageSizeList {
    .list = L::ImageSize, .controlId = 1014, .options = O::ModelImageSizes, .start = kStartByModel
};
inline constexpr ListBinding kVideoSizeList {
    .list = L::VideoSize, .controlId = 1015, .options = O::ModelVideoSizes, .start = kStartByModel
};
inline constexpr ListBinding kPictureCountList {
    .list = L::PictureCount, .controlId = 1016, .options = O::PictureCount, .start = 0
};
inline constexpr ListBinding kTimeStampList {
    .list = L::TimeStamp, .controlId = 1026, .options = O::OnOff, .start = 0
};
inline constexpr ListBinding kSenseLevelList {
    .list = L::SenseLevel, .controlId = 1027, .options = O::Sensitivity, .start = 0
};
inline constexpr ListBinding kIntervalUnitList {
    .list = L::IntervalUnit, .controlId = 1029, .options = O::IntervalUnit, .start = 1
};
inline constexpr ListBinding kDateFormatList {
    .list = L::DateFormat, .controlId = 1044, .options = O::DateFormat, .start = 1
};
inline constexpr ListBinding kTimer1List { .list = L::Timer1, .controlId = 1025, .options = O::OffOn, .start = 0 };
inline constexpr ListBinding kSerialNumberList {
    .list = L::SerialNumber, .controlId = 1032, .options = O::OffOn, .start = 0
};
inline constexpr ListBinding kSerialCharacter1List {
    .list = L::SerialCharacter1, .controlId = 1034, .options = O::SerialCharacters, .start = 0
};
inline constexpr ListBinding kSerialCharacter2List {
    .list = L::SerialCharacter2, .controlId = 1035, .options = O::SerialCharacters, .start = 0
};
inline constexpr ListBinding kSerialCharacter3List {
    .list = L::SerialCharacter3, .controlId = 1036, .options = O::SerialCharacters, .start = 0
};
inline constexpr ListBinding kSerialCharacter4List {
    .list = L::SerialCharacter4, .controlId = 1037, .options = O::SerialCharacters, .start = 0
};
inline constexpr ListBinding kTimeLapseList {
    .list = L::TimeLapse, .controlId = 1033, .options = O::OnOff, .start = 1
};
inline constexpr ListBinding kSidePirList {
    .list = L::SidePir, .controlId = 1028, .options = O::OffOn, .start = kStartByModel
};

inline constexpr ListBinding kTimer2List { .list = L::Timer2, .controlId = 1048, .options = O::OffOn, .start = 0 };
inline constexpr ListBinding kQ400Timer2List { .list = L::Timer2, .controlId = 1052, .options = O::OffOn, .start = 0 };

// The thirteen numeric edits with the second timer under the first, and on the Q400 and Q420 identifiers.
inline constexpr auto kNumbers = std::to_array<NumberBinding>({
    kVideoLength,
    kInterval,
    kTimeLapseHour,
    kTimeLapseMinute,
    kTimeLapseSecond,
    kTimer1StartHour,
    kTimer1StartMinute,
    kTimer1StopHour,
    kTimer1StopMinute,
    kTimer2Edits[0],
    kTimer2Edits[1],
    kTimer2Edits[2],
    kTimer2Edits[3],
});
inline constexpr auto kQ400Numbers = std::to_array<NumberBinding>({
    kVideoLength,
    kInterval,
    kTimeLapseHour,
    kTimeLapseMinute,
    kTimeLapseSecond,
    kTimer1StartHour,
    kTimer1StartMinute,
    kTimer1StopHour,
    kTimer1StopMinute,
    kQ400Timer2Edits[0],
    kQ400Timer2Edits[1],
    kQ400Timer2Edits[2],
    kQ400Timer2Edits[3],
});

// The sync order up to the folder, the same in every family, and the orders of the second timer after it.
inline constexpr auto kSyncOrderToFolder = std::to_array<SyncStep>({
    Number(N::VideoLength),
    Number(N::Interval),
    Number(N::TimeLapseMinute),
    Number(N::TimeLapseSecond),
    Number(N::TimeLapseHour),
    Number(N::Timer1StopMinute),
    Number(N::Timer1StopHour),
    Number(N::Timer1StartHour),
    Number(N::Timer1StartMinute),
    kClockStep,
    kFolderStep,
});
inline constexpr auto kSyncOrder = Joined(kSyncOrderToFolder,
    std::to_array<SyncStep>({
        Number(N::Timer2StopMinute),
        Number(N::Timer2StopHour),
        Number(N::Timer2StartMinute),
        Number(N::Timer2StartHour),
    }));
inline constexpr auto kQ400SyncOrder = Joined(kSyncOrderToFolder,
    std::to_array<SyncStep>({
        Number(N::Timer2StopMinute),
        Number(N::Timer2StopHour),
        Number(N::Timer2StartHour),
        Number(N::Timer2StartMinute),
    }));

// The edits and lists that the on/off lists switch off.
inline constexpr std::array<int, 4> kTimer1EditIds { 1017, 1022, 1023, 1024 };
inline constexpr std::array<int, 4> kTimer2EditIds { 1042, 1045, 1046, 1047 };
inline constexpr std::array<int, 4> kQ400Timer2EditIds { 1048, 1049, 1050, 1051 };
inline constexpr std::array<int, 3> kTimeLapseEditIds { 1038, 1039, 1040 };
inline constexpr std::array<int, 4> kSerialCharacterIds { 1034, 1035, 1036, 1037 };
inline constexpr LockRule kTimer1Lock { .list = L::Timer1, .lockedIndex = 0, .controls = kTimer1EditIds };
inline constexpr LockRule kTimeLapseLock { .list = L::TimeLapse, .lockedIndex = 1, .controls = kTimeLapseEditIds };
inline constexpr LockRule kSerialLock { .list = L::SerialNumber, .lockedIndex = 0, .controls = kSerialCharacterIds };
inline constexpr auto kLocks = std::to_array<LockRule>({
    kTimer1Lock,
    { .list = L::Timer2, .lockedIndex = 0, .controls = kTimer2EditIds },
    kTimeLapseLock,
    kSerialLock,
});
inline constexpr auto kQ400Locks = std::to_array<LockRule>({
    kTimer1Lock,
    { .list = L::Timer2, .lockedIndex = 0, .controls = kQ400Timer2EditIds },
    kTimeLapseLock,
    kSerialLock,
});

// The option texts that are the same in every language.
inline constexpr std::array<std::string_view, 3> kSizes5MP12MP13MP { "5MP", "12MP", "1.3MP" };
inline constexpr std::array<std::string_view, 3> kSizes12MP5MP13MP { "12MP", "5MP", "1.3MP" };
inline constexpr std::array<std::string_view, 3> kSizes12MP5MP2MP { "12MP", "5MP", "2MP" };
inline constexpr std::array<std::string_view, 2> kVideo640320 { "640x480", "320x240" };
inline constexpr std::array<std::string_view, 3> kVideo1280640320 { "1280x720", "640x480", "320x240" };
inline constexpr std::array<std::string_view, 4> kVideo19201280640320 { "1920x1080", "1280x720", "640x480", "320x240" };
inline constexpr std::array<std::string_view, 3> kVideo14401280640 { "1440x1080", "1280x720", "640x480" };

// Default puts the serial number back to "0000" and the date format to MMDDYY in every family.
inline constexpr ListReset kResetSerial { .list = L::SerialNumber, .index = 0 };
inline constexpr ListReset kResetCharacter1 { .list = L::SerialCharacter1, .index = 0 };
inline constexpr ListReset kResetCharacter2 { .list = L::SerialCharacter2, .index = 0 };
inline constexpr ListReset kResetCharacter3 { .list = L::SerialCharacter3, .index = 0 };
inline constexpr ListReset kResetCharacter4 { .list = L::SerialCharacter4, .index = 0 };
inline constexpr ListReset kResetDateFormat { .list = L::DateFormat, .index = 1 };

const CameraFamilyData& GenericFamily();
const CameraFamilyData& Q100Family();
const CameraFamilyData& Q220Family();
const CameraFamilyData& Q300Family();
const CameraFamilyData& Q400Family();
const CameraFamilyData& Q420Family();

} // namespace tamb::families
