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
    { .list = L::WirelessPassword, .controlId = 1049, .options = O::OffOn, .start = 0 },
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

static_assert(kLists.size() == 17 && kNumbers.size() == 13, "the template binds 17 lists and 13 numbers");

constexpr std::array<std::string_view, 3> kImageSizes { "3MP", "5MP", "1.3MP" };

constexpr auto kModels = std::to_array<CameraModelVariant>({
    { .model = 14,
        .imageSizes = kImageSizes,
        .imageSizeStart = 1,
        .videoSizes = kVideo640320,
        .videoSizeStart = 0,
        .sidePirStart = 0,
        .sdCycleShown = false },
});

constexpr auto kDefaultLists = std::to_array<ListReset>({
    { .list = L::CameraMode, .index = 0 },
    { .list = L::ImageSize, .index = 1 },
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
    { .list = L::WirelessPassword, .index = 0 },
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

// The clock edit accepts typing, but Generate writes the captured time; Generate writes into the folder the
// edit shows at that moment.
// The password edit shares its identifier with the Side PIR list of other templates.
constexpr int kPasswordEditId = 1028;
constexpr std::array<int, 1> kPasswordEdit { kPasswordEditId };
constexpr auto kQ100Locks = Joined(kLocks,
    std::to_array<LockRule>({
        { .list = L::WirelessPassword, .lockedIndex = 0, .controls = kPasswordEdit },
    }));

constexpr CameraFamilyData kData {
    .family = CameraFamily::Q100,
    .templateId = 163,
    .lists = kLists,
    .numbers = kNumbers,
    .syncOrder = kSyncOrder,
    .models = kModels,
    .locks = kQ100Locks,
    .passwordEditId = kPasswordEditId,
    .constructionClockFormat = 0,
    .clockEditable = true,
    .generateParsesClock = false,
    .defaultLists = kDefaultLists,
    .defaultNumbers = kDefaultNumbers,
    .factoryRecord = FactoryRecord::FixedReset,
    .generatedText = MessageId::MenuFileGenerated,
    .factoryText = MessageId::FactoryFileGenerated,
};

} // namespace

const CameraFamilyData& Q100Family()
{
    return kData;
}

} // namespace tamb::families
