#include "camera/families/FamilyTables.h"

namespace tamb::families {
namespace {

constexpr auto kLists = std::to_array<ListBinding>({
    kCameraModeList,
    kImageSizeList,
    kVideoSizeList,
    kPictureCountList,
    kTimeStampList,
    kSenseLevelList,
    kIntervalUnitList,
    kDateFormatList,
    kTimer1List,
    { L::Timer2, 1048, O::OffOn, 0 },
    kSerialNumberList,
    kSerialCharacter1List,
    kSerialCharacter2List,
    kSerialCharacter3List,
    kSerialCharacter4List,
    kTimeLapseList,
});

constexpr auto kNumbers = std::to_array<NumberBinding>({
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
static_assert(kLists.size() == 16 && kNumbers.size() == 13, "the template binds 16 lists and 13 numbers");

constexpr auto kSyncOrder = std::to_array<SyncStep>({
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
    Number(N::Timer2StopMinute),
    Number(N::Timer2StopHour),
    Number(N::Timer2StartMinute),
    Number(N::Timer2StartHour),
});

// No Side PIR control: the record always carries On.
constexpr auto kModels = std::to_array<CameraModelVariant>({
    { 6, kSizes12MP5MP13MP, 0, kVideo1280640320, 0, 1, false },
    { 9, kSizes12MP5MP13MP, 0, kVideo1280640320, 0, 1, false },
});

// Default leaves the interval value and the Timer 2 times as they are.
constexpr auto kDefaultLists = std::to_array<ListReset>({
    { L::CameraMode, 0 },
    { L::ImageSize, 0 },
    { L::VideoSize, 0 },
    { L::PictureCount, 0 },
    { L::TimeStamp, 0 },
    { L::SenseLevel, 0 },
    { L::IntervalUnit, 1 },
    { L::Timer1, 0 },
    { L::Timer2, 0 },
    kResetSerial,
    kResetCharacter1,
    kResetCharacter2,
    kResetCharacter3,
    kResetCharacter4,
    { L::TimeLapse, 1 },
    kResetDateFormat,
});

constexpr auto kDefaultNumbers = std::to_array<NumberReset>({
    { N::VideoLength, 10 },
    { N::TimeLapseHour, 0 },
    { N::TimeLapseMinute, 0 },
    { N::TimeLapseSecond, 0 },
    { N::Timer1StartHour, 0 },
    { N::Timer1StartMinute, 0 },
    { N::Timer1StopHour, 0 },
    { N::Timer1StopMinute, 0 },
});

constexpr CameraFamilyData kData {
    CameraFamily::Q220,
    148,
    kLists,
    kNumbers,
    kSyncOrder,
    kModels,
    0,
    false,
    false,
    GenerateFolder::LastSyncedValue,
    kDefaultLists,
    kDefaultNumbers,
    FactoryRecord::FixedReset,
    CameraResultText::CameraMenuGenerated,
    CameraResultText::FactoryGenerated,
};

} // namespace

const CameraFamilyData& Q220Family()
{
    return kData;
}

} // namespace tamb::families
