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
    { .list = L::BeepSound, .controlId = 1042, .options = O::OffOn, .start = 1 },
    { .list = L::SdCycle, .controlId = 1046, .options = O::OffOn, .start = 0 },
    kTimer1List,
    kQ400Timer2List,
    kSerialNumberList,
    kSerialCharacter1List,
    kSerialCharacter2List,
    kSerialCharacter3List,
    kSerialCharacter4List,
    kTimeLapseList,
});

static_assert(kLists.size() == 18 && kQ400Numbers.size() == 13, "the template binds 18 lists and 13 numbers");

constexpr auto kModels = std::to_array<CameraModelVariant>({
    { .model = 8,
        .imageSizes = kSizes12MP5MP2MP,
        .imageSizeStart = 0,
        .videoSizes = kVideo14401280640,
        .videoSizeStart = 1,
        .sidePirStart = 0,
        .sdCycleShown = true },
});

// Default leaves beep sound, SD cycle, the interval value and the timer-2 times as they are, and selects the
// first video size rather than the start one.
constexpr auto kDefaultLists = std::to_array<ListReset>({
    { .list = L::CameraMode, .index = 0 },
    { .list = L::ImageSize, .index = 0 },
    { .list = L::VideoSize, .index = 0 },
    { .list = L::PictureCount, .index = 0 },
    { .list = L::TimeStamp, .index = 0 },
    { .list = L::SenseLevel, .index = 0 },
    { .list = L::IntervalUnit, .index = 1 },
    { .list = L::Timer1, .index = 0 },
    kResetSerial,
    kResetCharacter1,
    kResetCharacter2,
    kResetCharacter3,
    kResetCharacter4,
    { .list = L::TimeLapse, .index = 1 },
    { .list = L::Timer2, .index = 0 },
    kResetDateFormat,
});

constexpr auto kDefaultNumbers = std::to_array<NumberReset>({
    { .number = N::TimeLapseHour, .value = 0 },
    { .number = N::TimeLapseMinute, .value = 0 },
    { .number = N::TimeLapseSecond, .value = 0 },
    { .number = N::Timer1StartHour, .value = 0 },
    { .number = N::Timer1StartMinute, .value = 0 },
    { .number = N::Timer1StopHour, .value = 0 },
    { .number = N::Timer1StopMinute, .value = 0 },
    { .number = N::VideoLength, .value = 10 },
});

constexpr CameraFamilyData kData {
    .family = CameraFamily::Q420,
    .templateId = 157,
    .lists = kLists,
    .numbers = kQ400Numbers,
    .syncOrder = kQ400SyncOrder,
    .models = kModels,
    .locks = kQ400Locks,
    .constructionClockFormat = 0,
    .clockEditable = false,
    .generateParsesClock = false,
    .defaultLists = kDefaultLists,
    .defaultNumbers = kDefaultNumbers,
    .factoryRecord = FactoryRecord::FixedReset,
    .generatedText = MessageId::Q400MenuFileGenerated,
    .factoryText = MessageId::Q400FactoryFileGenerated,
};

} // namespace

const CameraFamilyData& Q420Family()
{
    return kData;
}

} // namespace tamb::families
