#include "camera/families/FamilyTables.h"

namespace tamb::families {
namespace {

constexpr auto kLists = std::to_array<ListBinding>({
    kCameraModeList,
    kImageSizeList,
    { L::VideoSize, 1015, O::ModelVideoSizes, 1 },
    kPictureCountList,
    kTimeStampList,
    kSenseLevelList,
    kSidePirList,
    { L::SdCycle, 1081, O::OffOn, 0 },
    kIntervalUnitList,
    { L::DateFormat, 1044, O::LiteralDateFormat, 1 },
    kTimer1List,
    { L::Timer2, 1048, O::OffOn, 0 },
    kSerialNumberList,
    kSerialCharacter1List,
    kSerialCharacter2List,
    kSerialCharacter3List,
    kSerialCharacter4List,
    kTimeLapseList,
    { L::LongitudeDirection, 1055, O::LongitudeHemisphere, 0 },
    { L::LatitudeDirection, 1049, O::LatitudeHemisphere, 0 },
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
    { N::LongitudeDegrees, 1056, 0, 180, 0, C::CoordinatePart },
    { N::LongitudeMinutes, 1058, 0, 59, 0, C::CoordinatePart },
    { N::LongitudeSeconds, 1071, 0, 59, 0, C::CoordinatePart },
    { N::LatitudeDegrees, 1051, 0, 90, 0, C::CoordinatePart },
    { N::LatitudeMinutes, 1052, 0, 59, 0, C::CoordinatePart },
    { N::LatitudeSeconds, 1053, 0, 59, 0, C::CoordinatePart },
});
static_assert(kLists.size() == 20 && kNumbers.size() == 19, "the template binds 20 lists and 19 numbers");

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

// The same image-size index means a different resolution on different models.
constexpr std::array<std::string_view, 3> kSizes5MP12MP14MP { "5MP", "12MP", "14MP" };
constexpr std::array<std::string_view, 4> kSizes5MP12MP13MP14MP { "5MP", "12MP", "1.3MP", "14MP" };

constexpr auto kModels = std::to_array<CameraModelVariant>({
    { 11, kSizes5MP12MP14MP, 2, kVideo19201280640320, 1, 1, true },
    { 12, kSizes5MP12MP14MP, 2, kVideo19201280640320, 1, 1, true },
    { 13, kSizes5MP12MP13MP14MP, 3, kVideo19201280640320, 1, 1, true },
    { 17, kSizes5MP12MP13MP, 1, kVideo19201280640320, 1, 0, true },
});

// Recycle keeps its selection over Default.
constexpr auto kDefaultLists = std::to_array<ListReset>({
    { L::CameraMode, 0 },
    { L::ImageSize, kStartByModel },
    { L::VideoSize, 1 },
    { L::PictureCount, 0 },
    { L::TimeStamp, 0 },
    { L::SenseLevel, 0 },
    { L::SidePir, kStartByModel },
    { L::IntervalUnit, 1 },
    { L::Timer1, 0 },
    { L::Timer2, 0 },
    kResetSerial,
    kResetCharacter1,
    kResetCharacter2,
    kResetCharacter3,
    kResetCharacter4,
    { L::TimeLapse, 1 },
    { L::LongitudeDirection, 0 },
    { L::LatitudeDirection, 0 },
    kResetDateFormat,
});

constexpr auto kDefaultNumbers = std::to_array<NumberReset>({
    { N::VideoLength, 10 },
    { N::Interval, 1 },
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
    { N::LongitudeDegrees, 0 },
    { N::LongitudeMinutes, 0 },
    { N::LongitudeSeconds, 0 },
    { N::LatitudeDegrees, 0 },
    { N::LatitudeMinutes, 0 },
    { N::LatitudeSeconds, 0 },
});

// The clock text starts month first and is read back at Generate; Generate writes into the folder the edit
// shows at that moment.
constexpr CameraFamilyData kData {
    CameraFamily::Q300,
    149,
    kLists,
    kNumbers,
    kSyncOrder,
    kModels,
    1,
    true,
    true,
    GenerateFolder::CurrentEditText,
    kDefaultLists,
    kDefaultNumbers,
    FactoryRecord::FixedReset,
    CameraResultText::CameraMenuGenerated,
    CameraResultText::FactoryGenerated,
};

} // namespace

const CameraFamilyData& Q300Family()
{
    return kData;
}

} // namespace tamb::families
