#include "camera/CameraRecord.h"

#include "common/Crc16.h"
#include "common/Utf8Text.h"

#include <algorithm>
#include <cstdio>

namespace tamb {
namespace {

template <auto Member> constexpr std::int32_t Field(const CameraSettings& settings)
{
    return settings.*Member;
}

template <std::size_t K> constexpr std::int32_t SerialCharacterAt(const CameraSettings& settings)
{
    return settings.serialNumber[K];
}

template <std::size_t K> constexpr std::int32_t PasswordDigitAt(const CameraSettings& settings)
{
    return settings.wirelessPassword[K];
}

template <std::int32_t Value> constexpr std::int32_t Constant(const CameraSettings&)
{
    return Value;
}

constexpr std::int32_t ClockYear(const CameraSettings& settings)
{
    return std::clamp(settings.clock.year, kClockYearBase, kClockYearLast) - kClockYearBase;
}

template <auto Member> constexpr std::int32_t ClockPart(const CameraSettings& settings)
{
    return settings.clock.*Member;
}

// The interval's record form carries the unit in this bit: set for seconds.
constexpr std::int32_t kIntervalSecondsFlag = 128;

// The digit a password character shows: an ASCII digit, or the full-width form an input method may type, counts
// as its value; any other character as 0.
std::int32_t PasswordDigit(char32_t character)
{
    if (character >= U'0' && character <= U'9')
        return static_cast<std::int32_t>(character - U'0');
    if (character >= U'\uFF10' && character <= U'\uFF19')
        return static_cast<std::int32_t>(character - U'\uFF10');
    return 0;
}

using S = CameraSettings;
using C = ClockReading;

// A byte that takes the settings field `Member` as it stands.
template <auto Member> constexpr RecordByte Plain(std::size_t offset, std::string_view name)
{
    return RecordByte { offset, name, &Field<Member>, Member };
}

constexpr std::array kCommonBytes {
    Plain<&S::cameraMode>(0, "cameraMode"),
    Plain<&S::imageSize>(1, "imageSize"),
    Plain<&S::videoSize>(2, "videoSize"),
    Plain<&S::pictureCount>(3, "pictureCount"),
    Plain<&S::videoLength>(4, "videoLength"),
    Plain<&S::timeStamp>(5, "timeStamp"),
    Plain<&S::interval>(6, "interval"),
    Plain<&S::senseLevel>(7, "senseLevel"),
    Plain<&S::timer1Enabled>(8, "timer1Enabled"),
    Plain<&S::timeLapseEnabled>(10, "timeLapseEnabled"),
    Plain<&S::timeLapseHour>(11, "timeLapseHour"),
    Plain<&S::timeLapseMinute>(12, "timeLapseMinute"),
    Plain<&S::timeLapseSecond>(13, "timeLapseSecond"),
    RecordByte { kClockOffset, "clockYear", &ClockYear },
    RecordByte { kClockOffset + 1, "clockMonth", &ClockPart<&C::month> },
    RecordByte { kClockOffset + 2, "clockDay", &ClockPart<&C::day> },
    RecordByte { kClockOffset + 3, "clockHour", &ClockPart<&C::hour> },
    RecordByte { kClockOffset + 4, "clockMinute", &ClockPart<&C::minute> },
    RecordByte { kClockOffset + 5, "clockSecond", &ClockPart<&C::second> },
    Plain<&S::timer1StartHour>(20, "timer1StartHour"),
    Plain<&S::timer1StartMinute>(21, "timer1StartMinute"),
    Plain<&S::timer1StopHour>(22, "timer1StopHour"),
    Plain<&S::timer1StopMinute>(23, "timer1StopMinute"),
    Plain<&S::serialNumberEnabled>(24, "serialNumberEnabled"),
    RecordByte { 25, "serialNumber1", &SerialCharacterAt<0> },
    RecordByte { 26, "serialNumber2", &SerialCharacterAt<1> },
    RecordByte { 27, "serialNumber3", &SerialCharacterAt<2> },
    RecordByte { 28, "serialNumber4", &SerialCharacterAt<3> },
    Plain<&S::language>(kLanguageOffset, "language"),
    Plain<&S::tvMode>(kTvModeOffset, "tvMode"),
    Plain<&S::dateFormat>(kDateFormatOffset, "dateFormat"),
};

constexpr RecordByte kSidePirFromList = Plain<&S::sidePir>(kSidePirOffset, "sidePir");
constexpr RecordByte kSidePirCopy = Plain<&S::sidePir>(kSidePirCopyOffset, "sidePirCopy");

// Timer 2 sits at the start of the family area in every family but Q400 and Q420.
constexpr RecordByte kTimer2Enabled = Plain<&S::timer2Enabled>(31, "timer2Enabled");
constexpr RecordByte kTimer2StartHour = Plain<&S::timer2StartHour>(32, "timer2StartHour");
constexpr RecordByte kTimer2StartMinute = Plain<&S::timer2StartMinute>(33, "timer2StartMinute");
constexpr RecordByte kTimer2StopHour = Plain<&S::timer2StopHour>(34, "timer2StopHour");
constexpr RecordByte kTimer2StopMinute = Plain<&S::timer2StopMinute>(35, "timer2StopMinute");

constexpr std::array kGenericBytes {
    kSidePirFromList,
    kTimer2Enabled,
    kTimer2StartHour,
    kTimer2StartMinute,
    kTimer2StopHour,
    kTimer2StopMinute,
    Plain<&S::sdCycle>(36, "sdCycle"),
    kSidePirCopy,
};

constexpr std::array kQ100Bytes {
    RecordByte { kSidePirOffset, "sidePir", &Constant<0> },
    kTimer2Enabled,
    kTimer2StartHour,
    kTimer2StartMinute,
    kTimer2StopHour,
    kTimer2StopMinute,
    RecordByte { 36, "wirelessPassword1", &PasswordDigitAt<0> },
    RecordByte { 37, "wirelessPassword2", &PasswordDigitAt<1> },
    RecordByte { 38, "wirelessPassword3", &PasswordDigitAt<2> },
    RecordByte { 39, "wirelessPassword4", &PasswordDigitAt<3> },
    Plain<&S::wirelessPasswordEnabled>(40, "wirelessPasswordEnabled"),
};

// The Q220 has no side PIR list; its camera expects the byte set.
constexpr std::array kQ220Bytes {
    RecordByte { kSidePirOffset, "sidePir", &Constant<1> },
    kTimer2Enabled,
    kTimer2StartHour,
    kTimer2StartMinute,
    kTimer2StopHour,
    kTimer2StopMinute,
};

constexpr std::array kQ300Bytes {
    kSidePirFromList,
    kTimer2Enabled,
    kTimer2StartHour,
    kTimer2StartMinute,
    kTimer2StopHour,
    kTimer2StopMinute,
    Plain<&S::sdCycle>(36, "sdCycle"),
    Plain<&S::longitudeDirection>(40, "longitudeDirection"),
    Plain<&S::longitudeDegrees>(41, "longitudeDegrees"),
    Plain<&S::longitudeMinutes>(42, "longitudeMinutes"),
    Plain<&S::longitudeSeconds>(43, "longitudeSeconds"),
    Plain<&S::latitudeDirection>(44, "latitudeDirection"),
    Plain<&S::latitudeDegrees>(45, "latitudeDegrees"),
    Plain<&S::latitudeMinutes>(46, "latitudeMinutes"),
    Plain<&S::latitudeSeconds>(47, "latitudeSeconds"),
    kSidePirCopy,
};

// Q400 and Q420 lead with beep and SD cycle, which moves timer 2 back by two bytes; the Q400 reads its side PIR
// list, the Q420 has none.
constexpr std::array kQ400Area {
    Plain<&S::beepSound>(31, "beepSound"),
    Plain<&S::sdCycle>(32, "sdCycle"),
    Plain<&S::timer2Enabled>(33, "timer2Enabled"),
    Plain<&S::timer2StartHour>(34, "timer2StartHour"),
    Plain<&S::timer2StartMinute>(35, "timer2StartMinute"),
    Plain<&S::timer2StopHour>(36, "timer2StopHour"),
    Plain<&S::timer2StopMinute>(37, "timer2StopMinute"),
};

template <std::size_t N>
constexpr std::array<RecordByte, N + 1> Prepend(const RecordByte& first, const std::array<RecordByte, N>& rest)
{
    std::array<RecordByte, N + 1> bytes {};
    bytes[0] = first;
    std::copy(rest.begin(), rest.end(), bytes.begin() + 1);
    return bytes;
}

constexpr auto kQ400Bytes = Prepend(kSidePirFromList, kQ400Area);
constexpr auto kQ420Bytes = Prepend(RecordByte { kSidePirOffset, "sidePir", &Constant<0> }, kQ400Area);

// A family may only fill byte 9, the family area and byte 51, each at most once.
template <std::size_t N> constexpr bool IsFamilyLayout(const std::array<RecordByte, N>& bytes)
{
    for (std::size_t i = 0; i < N; ++i) {
        const auto offset = bytes[i].offset;
        const bool inArea = offset >= kFamilyAreaBegin && offset < kFamilyAreaEnd;
        if (!inArea && offset != kSidePirOffset && offset != kSidePirCopyOffset) {
            return false;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (bytes[j].offset == offset) {
                return false;
            }
        }
    }
    return true;
}

static_assert(IsFamilyLayout(kGenericBytes));
static_assert(IsFamilyLayout(kQ100Bytes));
static_assert(IsFamilyLayout(kQ220Bytes));
static_assert(IsFamilyLayout(kQ300Bytes));
static_assert(IsFamilyLayout(kQ400Bytes));
static_assert(IsFamilyLayout(kQ420Bytes));
static_assert(kCommonBytes.size() == 31, "bytes 0..30 without sidePir, plus dateFormat");

std::uint8_t Low8(std::int32_t value)
{
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFFu);
}

void Store(CameraSettingsRecord& record, std::span<const RecordByte> bytes, const CameraSettings& settings)
{
    for (const auto& byte : bytes) {
        record[byte.offset] = Low8(byte.value(settings));
    }
}

void Seal(CameraSettingsRecord& record)
{
    const auto crc = CameraRecordCrc(record);
    record[kCrcLowOffset] = static_cast<std::uint8_t>(crc & 0xFFu);
    record[kCrcHighOffset] = static_cast<std::uint8_t>(crc >> 8);
    record[kLineEndOffset] = kCarriageReturn;
    record[kLineEndOffset + 1] = kLineFeed;
}

std::string Hex4(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", value & 0xFFFFu);
    return text;
}

} // namespace

std::span<const RecordByte> CommonRecordBytes()
{
    return kCommonBytes;
}

std::span<const RecordByte> FamilyRecordBytes(CameraFamily family)
{
    switch (family) {
    case CameraFamily::Generic:
        return kGenericBytes;
    case CameraFamily::Q100:
        return kQ100Bytes;
    case CameraFamily::Q220:
        return kQ220Bytes;
    case CameraFamily::Q300:
        return kQ300Bytes;
    case CameraFamily::Q400:
        return kQ400Bytes;
    case CameraFamily::Q420:
        return kQ420Bytes;
    }
    return kGenericBytes;
}

std::optional<std::uint8_t> FixedRecordByte(CameraFamily family, std::size_t offset)
{
    const auto carries = [offset](const RecordByte& byte) { return byte.offset == offset; };
    if (offset >= kCrcLowOffset || std::ranges::any_of(kCommonBytes, carries)) {
        return std::nullopt;
    }
    const auto own = FamilyRecordBytes(family);
    const auto byte = std::ranges::find_if(own, carries);
    if (byte == own.end()) {
        return 0;
    }
    if (byte->value == &Constant<0>) {
        return 0;
    }
    if (byte->value == &Constant<1>) {
        return 1;
    }
    return std::nullopt;
}

std::int32_t* SettingsField(CameraSettings& settings, std::string_view name)
{
    const auto names = [name](const RecordByte& byte) { return byte.name == name && byte.field != nullptr; };
    std::span<const RecordByte> tables[1 + kCameraFamilyCount] { CommonRecordBytes() };
    for (std::size_t family = 0; family < kCameraFamilyCount; ++family)
        tables[1 + family] = FamilyRecordBytes(static_cast<CameraFamily>(family));
    for (const std::span<const RecordByte> table : tables) {
        if (const auto byte = std::ranges::find_if(table, names); byte != table.end())
            return &(settings.*(byte->field));
    }
    return nullptr;
}

std::int32_t IntervalField(std::int32_t value, std::int32_t unitIndex)
{
    return unitIndex == 0 ? value + kIntervalSecondsFlag : value;
}

std::int32_t IntervalValue(std::int32_t field)
{
    return field & ~kIntervalSecondsFlag;
}

std::int32_t IntervalUnitIndex(std::int32_t field)
{
    return (field & kIntervalSecondsFlag) != 0 ? 0 : 1;
}

std::int32_t VideoLengthField(std::int32_t seconds)
{
    return seconds - 1;
}

std::int32_t VideoLengthSeconds(std::int32_t field)
{
    return field + 1;
}

std::optional<std::int32_t> SerialCharacterIndex(char character)
{
    if (character >= '0' && character <= '9') {
        return character - '0';
    }
    if (character >= 'A' && character <= 'Z') {
        return 10 + (character - 'A');
    }
    return std::nullopt;
}

char SerialCharacter(std::int32_t index)
{
    if (index >= 0 && index <= 9) {
        return static_cast<char>('0' + index);
    }
    if (index >= 10 && index <= 35) {
        return static_cast<char>('A' + (index - 10));
    }
    return '?';
}

std::array<std::int32_t, 4> WirelessPasswordDigits(std::string_view text)
{
    const std::u32string characters = CodePointsFromUtf8(text);
    std::array<std::int32_t, 4> digits {};
    for (std::size_t k = 0; k < digits.size() && k < characters.size(); ++k)
        digits[k] = PasswordDigit(characters[k]);
    return digits;
}

CameraSettingsRecord BuildCameraRecord(CameraFamily family, const CameraSettings& settings)
{
    CameraSettingsRecord record {};
    Store(record, CommonRecordBytes(), settings);
    Store(record, FamilyRecordBytes(family), settings);
    Seal(record);
    return record;
}

CameraSettingsRecord FactoryResetRecord()
{
    CameraSettingsRecord record {};
    std::fill_n(record.begin(), 4, std::uint8_t { 0xFF });
    record[kDateFormatOffset] = 1;
    Seal(record);
    return record;
}

std::uint16_t CameraRecordCrc(std::span<const std::uint8_t, kCameraRecordSize> record)
{
    return Crc16(0, record.first<kCrcCoveredBytes>());
}

std::vector<std::string> CameraRecordProblems(std::span<const std::uint8_t> bytes)
{
    std::vector<std::string> problems;
    if (bytes.size() != kCameraRecordSize) {
        problems.push_back("the file holds " + std::to_string(bytes.size()) + " bytes instead of "
            + std::to_string(kCameraRecordSize));
        return problems;
    }
    const auto record = bytes.first<kCameraRecordSize>();
    const unsigned stored = record[kCrcLowOffset] | (record[kCrcHighOffset] << 8);
    const unsigned expected = CameraRecordCrc(record);
    if (stored != expected) {
        problems.push_back(
            "the stored CRC " + Hex4(stored) + " does not match " + Hex4(expected) + " computed over bytes 0..49");
    }
    if (record[kLineEndOffset] != kCarriageReturn || record[kLineEndOffset + 1] != kLineFeed) {
        problems.push_back("the record does not end with CR LF (bytes 58..59)");
    }
    return problems;
}

} // namespace tamb
