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
    kTimer2List,
    kSerialNumberList,
    kSerialCharacter1List,
    kSerialCharacter2List,
    kSerialCharacter3List,
    kSerialCharacter4List,
    kTimeLapseList,
});

static_assert(kLists.size() == 16 && kNumbers.size() == 13, "the template binds 16 lists and 13 numbers");

// No Side PIR control: the record always carries On.
constexpr auto kModels = std::to_array<CameraModelVariant>({
    { .model = 6,
        .imageSizes = kSizes12MP5MP13MP,
        .imageSizeStart = 0,
        .videoSizes = kVideo1280640320,
        .videoSizeStart = 0,
        .sidePirStart = 1,
        .sdCycleShown = false },
    { .model = 9,
        .imageSizes = kSizes12MP5MP13MP,
        .imageSizeStart = 0,
        .videoSizes = kVideo1280640320,
        .videoSizeStart = 0,
        .sidePirStart = 1,
        .sdCycleShown = false },
});

// Default leaves the interval value and the Timer 2 times as they are.
constexpr auto kDefaultLists = std::to_array<ListReset>({
    { .list = L::CameraMode, .index = 0 },
    { .list = L::ImageSize, .index = 0 },
    { .list = L::VideoSize, .index = 0 },
    { .list = L::PictureCount, .index = 0 },
    { .list = L::TimeStamp, .index = 0 },
    { .list = L::SenseLevel, .index = 0 },
    { .list = L::IntervalUnit, .index = 1 },
    { .list = L::Timer1, .index = 0 },
    { .list = L::Timer2, .index = 0 },
    kResetSerial,
    kResetCharacter1,
    kResetCharacter2,
    kResetCharacter3,
    kResetCharacter4,
    { .list = L::TimeLapse, .index = 1 },
    kResetDateFormat,
});

constexpr auto kDefaultNumbers = std::to_array<NumberReset>({
    { .number = N::VideoLength, .value = 10 },
    { .number = N::TimeLapseHour, .value = 0 },
    { .number = N::TimeLapseMinute, .value = 0 },
    { .number = N::TimeLapseSecond, .value = 0 },
    { .number = N::Timer1StartHour, .value = 0 },
    { .number = N::Timer1StartMinute, .value = 0 },
    { .number = N::Timer1StopHour, .value = 0 },
    { .number = N::Timer1StopMinute, .value = 0 },
});

constexpr CameraFamilyData kData {
    .family = CameraFamily::Q220,
    .templateId = 148,
    .lists = kLists,
    .numbers = kNumbers,
    .syncOrder = kSyncOrder,
    .models = kModels,
    .locks = kLocks,
    .constructionClockFormat = 0,
    .clockEditable = false,
    .generateParsesClock = false,
    .defaultLists = kDefaultLists,
    .defaultNumbers = kDefaultNumbers,
    .factoryRecord = FactoryRecord::FixedReset,
    .generatedText = MessageId::MenuFileGenerated,
    .factoryText = MessageId::FactoryFileGenerated,
};

} // namespace

const CameraFamilyData& Q220Family()
{
    return kData;
}

} // namespace tamb::families
