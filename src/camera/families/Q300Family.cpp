#include "camera/families/FamilyTables.h"

namespace tamb::families {
namespace {

constexpr auto kLists = std::to_array<ListBinding>({
    kCameraModeList,
    kImageSizeList,
    { .list = L::VideoSize, .controlId = 1015, .options = O::ModelVideoSizes, .start = 1 },
    kPictureCountList,
    kTimeStampList,
    kSenseLevelList,
    kSidePirList,
    { .list = L::SdCycle, .controlId = 1081, .options = O::OffOn, .start = 0 },
    kIntervalUnitList,
    { .list = L::DateFormat, .controlId = 1044, .options = O::LiteralDateFormat, .start = 1 },
    kTimer1List,
    kTimer2List,
    kSerialNumberList,
    kSerialCharacter1List,
    kSerialCharacter2List,
    kSerialCharacter3List,
    kSerialCharacter4List,
    kTimeLapseList,
    { .list = L::LongitudeDirection, .controlId = 1055, .options = O::LongitudeHemisphere, .start = 0 },
    { .list = L::LatitudeDirection, .controlId = 1049, .options = O::LatitudeHemisphere, .start = 0 },
});

constexpr auto kQ300Numbers = Joined(kNumbers,
    std::to_array<NumberBinding>({
        { .number = N::LongitudeDegrees,
            .controlId = 1056,
            .minimum = 0,
            .maximum = kLongitudeMaximumDegrees,
            .start = 0,
            .correction = C::CoordinatePart },
        { .number = N::LongitudeMinutes,
            .controlId = 1058,
            .minimum = 0,
            .maximum = 59,
            .start = 0,
            .correction = C::CoordinatePart },
        { .number = N::LongitudeSeconds,
            .controlId = 1071,
            .minimum = 0,
            .maximum = 59,
            .start = 0,
            .correction = C::CoordinatePart },
        { .number = N::LatitudeDegrees,
            .controlId = 1051,
            .minimum = 0,
            .maximum = kLatitudeMaximumDegrees,
            .start = 0,
            .correction = C::CoordinatePart },
        { .number = N::LatitudeMinutes,
            .controlId = 1052,
            .minimum = 0,
            .maximum = 59,
            .start = 0,
            .correction = C::CoordinatePart },
        { .number = N::LatitudeSeconds,
            .controlId = 1053,
            .minimum = 0,
            .maximum = 59,
            .start = 0,
            .correction = C::CoordinatePart },
    }));
static_assert(kLists.size() == 20 && kQ300Numbers.size() == 19, "the template binds 20 lists and 19 numbers");

constexpr auto kQ300SyncOrder = std::to_array<SyncStep>({
    Number(N::VideoLength),
    Number(N::Interval),
    Number(N::TimeLapseMinute),
    Number(N::TimeLapseSecond),
    Number(N::TimeLapseHour),
    Number(N::Timer1StopMinute),
    Number(N::Timer1StopHour),
    Number(N::Timer1StartHour),
    Number(N::Timer1StartMinute),
    Number(N::LongitudeDegrees),
    Number(N::LongitudeMinutes),
    Number(N::LongitudeSeconds),
    Number(N::LatitudeDegrees),
    Number(N::LatitudeMinutes),
    Number(N::LatitudeSeconds),
    kClockStep,
    kFolderStep,
    Number(N::Timer2StopMinute),
    Number(N::Timer2StopHour),
    Number(N::Timer2StartMinute),
    Number(N::Timer2StartHour),
});

constexpr auto kCoordinateGroups = std::to_array<CoordinateGroup>({
    { .degrees = N::LongitudeDegrees,
        .minutes = N::LongitudeMinutes,
        .seconds = N::LongitudeSeconds,
        .maximumDegrees = kLongitudeMaximumDegrees },
    { .degrees = N::LatitudeDegrees,
        .minutes = N::LatitudeMinutes,
        .seconds = N::LatitudeSeconds,
        .maximumDegrees = kLatitudeMaximumDegrees },
});

// The same image-size index means a different resolution on different models.
constexpr std::array<std::string_view, 3> kSizes5MP12MP14MP { "5MP", "12MP", "14MP" };
constexpr std::array<std::string_view, 4> kSizes5MP12MP13MP14MP { "5MP", "12MP", "1.3MP", "14MP" };

constexpr auto kModels = std::to_array<CameraModelVariant>({
    { .model = 11,
        .imageSizes = kSizes5MP12MP14MP,
        .imageSizeStart = 2,
        .videoSizes = kVideo19201280640320,
        .videoSizeStart = 1,
        .sidePirStart = 1,
        .sdCycleShown = true },
    { .model = 12,
        .imageSizes = kSizes5MP12MP14MP,
        .imageSizeStart = 2,
        .videoSizes = kVideo19201280640320,
        .videoSizeStart = 1,
        .sidePirStart = 1,
        .sdCycleShown = true },
    { .model = 13,
        .imageSizes = kSizes5MP12MP13MP14MP,
        .imageSizeStart = 3,
        .videoSizes = kVideo19201280640320,
        .videoSizeStart = 1,
        .sidePirStart = 1,
        .sdCycleShown = true },
    { .model = 17,
        .imageSizes = kSizes5MP12MP13MP,
        .imageSizeStart = 1,
        .videoSizes = kVideo19201280640320,
        .videoSizeStart = 1,
        .sidePirStart = 0,
        .sdCycleShown = true },
});

// Recycle keeps its selection over Default.
constexpr auto kDefaultLists = std::to_array<ListReset>({
    { .list = L::CameraMode, .index = 0 },
    { .list = L::ImageSize, .index = kStartByModel },
    { .list = L::VideoSize, .index = 1 },
    { .list = L::PictureCount, .index = 0 },
    { .list = L::TimeStamp, .index = 0 },
    { .list = L::SenseLevel, .index = 0 },
    { .list = L::SidePir, .index = kStartByModel },
    { .list = L::IntervalUnit, .index = 1 },
    { .list = L::Timer1, .index = 0 },
    { .list = L::Timer2, .index = 0 },
    kResetSerial,
    kResetCharacter1,
    kResetCharacter2,
    kResetCharacter3,
    kResetCharacter4,
    { .list = L::TimeLapse, .index = 1 },
    { .list = L::LongitudeDirection, .index = 0 },
    { .list = L::LatitudeDirection, .index = 0 },
    kResetDateFormat,
});

constexpr auto kDefaultNumbers = std::to_array<NumberReset>({
    { .number = N::VideoLength, .value = 10 },
    { .number = N::Interval, .value = 1 },
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
    { .number = N::LongitudeDegrees, .value = 0 },
    { .number = N::LongitudeMinutes, .value = 0 },
    { .number = N::LongitudeSeconds, .value = 0 },
    { .number = N::LatitudeDegrees, .value = 0 },
    { .number = N::LatitudeMinutes, .value = 0 },
    { .number = N::LatitudeSeconds, .value = 0 },
});

// The clock text starts month first and is read back at Generate; Generate writes into the folder the edit
// shows at that moment.
constexpr CameraFamilyData kData {
    .family = CameraFamily::Q300,
    .templateId = 149,
    .lists = kLists,
    .numbers = kQ300Numbers,
    .syncOrder = kQ300SyncOrder,
    .models = kModels,
    .locks = kLocks,
    .coordinateGroups = kCoordinateGroups,
    .constructionClockFormat = 1,
    .clockEditable = true,
    .generateParsesClock = true,
    .defaultLists = kDefaultLists,
    .defaultNumbers = kDefaultNumbers,
    .factoryRecord = FactoryRecord::FixedReset,
    .generatedText = MessageId::MenuFileGenerated,
    .factoryText = MessageId::FactoryFileGenerated,
};

} // namespace

const CameraFamilyData& Q300Family()
{
    return kData;
}

} // namespace tamb::families
