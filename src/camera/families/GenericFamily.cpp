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
    { .list = L::SdCycle, .controlId = 1052, .options = O::OffOn, .start = 0 },
    kTimer1List,
    kTimer2List,
    kSerialNumberList,
    kSerialCharacter1List,
    kSerialCharacter2List,
    kSerialCharacter3List,
    kSerialCharacter4List,
    kTimeLapseList,
});

static_assert(kLists.size() == 18 && kNumbers.size() == 13, "the template binds 18 lists and 13 numbers");

// Side PIR starts On for every model of this family; only the two 1080P models show the SD Cycle row.
constexpr auto kModels = std::to_array<CameraModelVariant>({
    { .model = 1,
        .imageSizes = kSizes5MP12MP13MP,
        .imageSizeStart = 0,
        .videoSizes = kVideo640320,
        .videoSizeStart = 0,
        .sidePirStart = 1,
        .sdCycleShown = false },
    { .model = 3,
        .imageSizes = kSizes5MP12MP13MP,
        .imageSizeStart = 0,
        .videoSizes = kVideo640320,
        .videoSizeStart = 0,
        .sidePirStart = 1,
        .sdCycleShown = false },
    { .model = 5,
        .imageSizes = kSizes12MP5MP13MP,
        .imageSizeStart = 0,
        .videoSizes = kVideo1280640320,
        .videoSizeStart = 0,
        .sidePirStart = 1,
        .sdCycleShown = false },
    { .model = 15,
        .imageSizes = kSizes5MP12MP13MP,
        .imageSizeStart = 1,
        .videoSizes = kVideo19201280640320,
        .videoSizeStart = 1,
        .sidePirStart = 1,
        .sdCycleShown = true },
    { .model = 16,
        .imageSizes = kSizes5MP12MP13MP,
        .imageSizeStart = 1,
        .videoSizes = kVideo19201280640320,
        .videoSizeStart = 1,
        .sidePirStart = 1,
        .sdCycleShown = true },
});

// The image and video indexes are fixed, so what they select depends on the model.
constexpr auto kDefaultLists = std::to_array<ListReset>({
    { .list = L::CameraMode, .index = 0 },
    { .list = L::ImageSize, .index = 1 },
    { .list = L::VideoSize, .index = 1 },
    { .list = L::PictureCount, .index = 0 },
    { .list = L::TimeStamp, .index = 0 },
    { .list = L::SenseLevel, .index = 0 },
    { .list = L::SidePir, .index = 1 },
    { .list = L::IntervalUnit, .index = 1 },
    { .list = L::SdCycle, .index = 0 },
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
    { .number = N::Interval, .value = 1 },
    { .number = N::Timer2StartHour, .value = 0 },
    { .number = N::Timer2StartMinute, .value = 0 },
    { .number = N::Timer2StopHour, .value = 0 },
    { .number = N::Timer2StopMinute, .value = 0 },
});

// Frame, caption and list of the SD Cycle row.
constexpr std::array<int, 3> kSdCycleRow { 1076, 1051, 1052 };
constexpr auto kHiddenRows = std::to_array<HiddenRow>({
    { .controls = kSdCycleRow, .when = RowCondition::ModelWithoutSdCycle },
});

constexpr CameraFamilyData kData {
    .family = CameraFamily::Generic,
    .templateId = 129,
    .lists = kLists,
    .numbers = kNumbers,
    .syncOrder = kSyncOrder,
    .models = kModels,
    .locks = kLocks,
    .hiddenRows = kHiddenRows,
    .constructionClockFormat = 0,
    .clockEditable = false,
    .generateParsesClock = false,
    .defaultLists = kDefaultLists,
    .defaultNumbers = kDefaultNumbers,
    .factoryRecord = FactoryRecord::FromResetControls,
    .generatedText = MessageId::MenuFileGenerated,
    .factoryText = MessageId::FactoryFileGenerated,
};

} // namespace

const CameraFamilyData& GenericFamily()
{
    return kData;
}

} // namespace tamb::families
