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
    { L::BeepSound, 1042, O::OffOn, 1 },
    { L::SdCycle, 1046, O::OffOn, 0 },
    kTimer1List,
    { L::Timer2, 1052, O::OffOn, 0 },
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
    kQ400Timer2Edits[0],
    kQ400Timer2Edits[1],
    kQ400Timer2Edits[2],
    kQ400Timer2Edits[3],
});
static_assert(kLists.size() == 18 && kNumbers.size() == 13, "the template binds 18 lists and 13 numbers");

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
    Number(N::Timer2StartHour),
    Number(N::Timer2StartMinute),
});

constexpr auto kModels = std::to_array<CameraModelVariant>({
    { 8, kSizes12MP5MP2MP, 0, kVideo14401280640, 1, 0, true },
});

// Default leaves beep sound, SD cycle, the interval value and the timer-2 times as they are, and selects the
// first video size rather than the start one.
constexpr auto kDefaultLists = std::to_array<ListReset>({
    { L::CameraMode, 0 },
    { L::ImageSize, 0 },
    { L::VideoSize, 0 },
    { L::PictureCount, 0 },
    { L::TimeStamp, 0 },
    { L::SenseLevel, 0 },
    { L::IntervalUnit, 1 },
    { L::Timer1, 0 },
    kResetSerial,
    kResetCharacter1,
    kResetCharacter2,
    kResetCharacter3,
    kResetCharacter4,
    { L::TimeLapse, 1 },
    { L::Timer2, 0 },
    kResetDateFormat,
});

constexpr auto kDefaultNumbers = std::to_array<NumberReset>({
    { N::TimeLapseHour, 0 },
    { N::TimeLapseMinute, 0 },
    { N::TimeLapseSecond, 0 },
    { N::Timer1StartHour, 0 },
    { N::Timer1StartMinute, 0 },
    { N::Timer1StopHour, 0 },
    { N::Timer1StopMinute, 0 },
    { N::VideoLength, 10 },
});

constexpr CameraFamilyData kData {
    CameraFamily::Q420,
    157,
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
    CameraResultText::ConfigurationGenerated,
    CameraResultText::FactoryGeneratedNoBlank,
};

} // namespace

const CameraFamilyData& Q420Family()
{
    return kData;
}

} // namespace tamb::families
