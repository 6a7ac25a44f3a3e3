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

static_assert(kLists.size() == 19 && kQ400Numbers.size() == 13, "the template binds 19 shown lists and 13 numbers");

constexpr auto kModels = std::to_array<CameraModelVariant>({
    { .model = 2,
        .imageSizes = kSizes12MP5MP2MP,
        .imageSizeStart = 0,
        .videoSizes = kVideo14401280640,
        .videoSizeStart = 1,
        .sidePirStart = 1,
        .sdCycleShown = true },
    { .model = 4,
        .imageSizes = kSizes12MP5MP2MP,
        .imageSizeStart = 0,
        .videoSizes = kVideo14401280640,
        .videoSizeStart = 1,
        .sidePirStart = 1,
        .sdCycleShown = true },
    { .model = 7,
        .imageSizes = kSizes12MP5MP2MP,
        .imageSizeStart = 0,
        .videoSizes = kVideo14401280640,
        .videoSizeStart = 1,
        .sidePirStart = 1,
        .sdCycleShown = true },
    { .model = 10,
        .imageSizes = kSizes12MP5MP2MP,
        .imageSizeStart = 0,
        .videoSizes = kVideo14401280640,
        .videoSizeStart = 1,
        .sidePirStart = 0,
        .sdCycleShown = true },
});

// SD Cycle keeps its selection over Default.
constexpr auto kDefaultLists = std::to_array<ListReset>({
    { .list = L::CameraMode, .index = 0 },
    { .list = L::ImageSize, .index = 0 },
    { .list = L::PictureCount, .index = 0 },
    { .list = L::VideoSize, .index = 1 },
    { .list = L::TimeStamp, .index = 0 },
    { .list = L::SenseLevel, .index = 0 },
    { .list = L::SidePir, .index = kStartByModel },
    { .list = L::IntervalUnit, .index = 1 },
    { .list = L::Timer1, .index = 0 },
    kResetSerial,
    kResetCharacter1,
    kResetCharacter2,
    kResetCharacter3,
    kResetCharacter4,
    { .list = L::TimeLapse, .index = 1 },
    { .list = L::BeepSound, .index = 1 },
    { .list = L::Timer2, .index = 0 },
    kResetDateFormat,
});

constexpr auto kDefaultNumbers = std::to_array<NumberReset>({
    { .number = N::Interval, .value = 1 },
    { .number = N::VideoLength, .value = 10 },
    { .number = N::TimeLapseHour, .value = 0 },
    { .number = N::TimeLapseMinute, .value = 0 },
    { .number = N::TimeLapseSecond, .value = 0 },
    { .number = N::Timer1StartHour, .value = 0 },
    { .number = N::Timer1StartMinute, .value = 0 },
    { .number = N::Timer1StopHour, .value = 0 },
    { .number = N::Timer1StopMinute, .value = 0 },
    { .number = N::Timer2StartHour, .value = 0 },
    { .number = N::Timer2StartMinute, .value = 0 },
    { .number = N::Timer2StopHour, .value = 0 },
    { .number = N::Timer2StopMinute, .value = 0 },
});

// Frame, caption and list of the PIR direction row, which the template carries but no model uses.
constexpr std::array<int, 3> kPirDirectionRow { 1077, 1053, 1054 };
constexpr auto kHiddenRows = std::to_array<HiddenRow>({
    { .controls = kPirDirectionRow, .when = RowCondition::Always },
});

constexpr CameraFamilyData kData {
    .family = CameraFamily::Q400,
    .templateId = 140,
    .lists = kLists,
    .numbers = kQ400Numbers,
    .syncOrder = kQ400SyncOrder,
    .models = kModels,
    .locks = kQ400Locks,
    .hiddenRows = kHiddenRows,
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

const CameraFamilyData& Q400Family()
{
    return kData;
}

} // namespace tamb::families
