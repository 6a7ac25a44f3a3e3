#include "camera/families/FamilyTables.h"

namespace tamb::families {
namespace {

// The template's PIR direction row is hidden for good and stores nothing, so it has no list here.
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
static_assert(kLists.size() == 19 && kNumbers.size() == 13, "the template binds 19 shown lists and 13 numbers");

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
    { 2, kSizes12MP5MP2MP, 0, kVideo14401280640, 1, 1, true },
    { 4, kSizes12MP5MP2MP, 0, kVideo14401280640, 1, 1, true },
    { 7, kSizes12MP5MP2MP, 0, kVideo14401280640, 1, 1, true },
    { 10, kSizes12MP5MP2MP, 0, kVideo14401280640, 1, 0, true },
});

// SD Cycle keeps its selection over Default.
constexpr auto kDefaultLists = std::to_array<ListReset>({
    { L::CameraMode, 0 },
    { L::ImageSize, 0 },
    { L::PictureCount, 0 },
    { L::VideoSize, 1 },
    { L::TimeStamp, 0 },
    { L::SenseLevel, 0 },
    { L::SidePir, kStartByModel },
    { L::IntervalUnit, 1 },
    { L::Timer1, 0 },
    kResetSerial,
    kResetCharacter1,
    kResetCharacter2,
    kResetCharacter3,
    kResetCharacter4,
    { L::TimeLapse, 1 },
    { L::BeepSound, 1 },
    { L::Timer2, 0 },
    kResetDateFormat,
});

constexpr auto kDefaultNumbers = std::to_array<NumberReset>({
    { N::Interval, 1 },
    { N::VideoLength, 10 },
    { N::TimeLapseHour, 0 },
    { N::TimeLapseMinute, 0 },
    { N::TimeLapseSecond, 0 },
    { N::Timer1StartHour, 0 },
    { N::Timer1StartMinute, 0 },
    { N::Timer1StopHour, 0 },
    { N::Timer1StopMinute, 0 },
    { N::Timer2StartHour, 0 },
    { N::Timer2StartMinute, 0 },
    { N::Timer2StopHour, 0 },
    { N::Timer2StopMinute, 0 },
});

constexpr CameraFamilyData kData {
    CameraFamily::Q400,
    140,
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

const CameraFamilyData& Q400Family()
{
    return kData;
}

} // namespace tamb::families
