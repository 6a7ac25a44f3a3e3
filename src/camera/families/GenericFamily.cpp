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
    kSidePirList,
    kIntervalUnitList,
    kDateFormatList,
    { L::SdCycle, 1052, O::OffOn, 0 },
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
    Number(N::Timer2StartMinute),
    Number(N::Timer2StartHour),
});

// Side PIR starts On for every model of this family; only the two 1080P models show the SD Cycle row.
constexpr auto kModels = std::to_array<CameraModelVariant>({
    { 1, kSizes5MP12MP13MP, 0, kVideo640320, 0, 1, false },
    { 3, kSizes5MP12MP13MP, 0, kVideo640320, 0, 1, false },
    { 5, kSizes12MP5MP13MP, 0, kVideo1280640320, 0, 1, false },
    { 15, kSizes5MP12MP13MP, 1, kVideo19201280640320, 1, 1, true },
    { 16, kSizes5MP12MP13MP, 1, kVideo19201280640320, 1, 1, true },
});

// The image and video indexes are fixed, so what they select depends on the model.
constexpr auto kDefaultLists = std::to_array<ListReset>({
    { L::CameraMode, 0 },
    { L::ImageSize, 1 },
    { L::VideoSize, 1 },
    { L::PictureCount, 0 },
    { L::TimeStamp, 0 },
    { L::SenseLevel, 0 },
    { L::SidePir, 1 },
    { L::IntervalUnit, 1 },
    { L::SdCycle, 0 },
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
    { N::Interval, 1 },
    { N::Timer2StartHour, 0 },
    { N::Timer2StartMinute, 0 },
    { N::Timer2StopHour, 0 },
    { N::Timer2StopMinute, 0 },
});

constexpr CameraFamilyData kData {
    CameraFamily::Generic,
    129,
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
    FactoryRecord::FromResetControls,
    CameraResultText::CameraMenuGenerated,
    CameraResultText::FactoryGenerated,
};

} // namespace

const CameraFamilyData& GenericFamily()
{
    return kData;
}

} // namespace tamb::families
