#include "camera/CameraRecord.h"

#include "common/Crc16.h"

#include <algorithm>
#include <cstdio>

namespace tamb {
namespace {

template <auto Member> constexpr std::int32_t field(const CameraSettings& settings)
{
    return settings.*Member;
}

template <std::size_t K> constexpr std::int32_t serialCharacter(const CameraSettings& settings)
{
    return settings.serialNumber[K];
}

template <std::size_t K> constexpr std::int32_t passwordDigit(const CameraSettings& settings)
{
    return settings.wirelessPassword[K];
}

template <std::int32_t Value> constexpr std::int32_t constant(const CameraSettings&)
{
    return Value;
}

constexpr std::int32_t clockYear(const CameraSettings& settings)
{
    return std::clamp(settings.clock.year, kClockYearBase, kClockYearLast) - kClockYearBase;
}

template <auto Member> constexpr std::int32_t clockPart(const CameraSettings& settings)
{
    return settings.clock.*Member;
}

using S = CameraSettings;
using C = ClockReading;

constexpr std::array kCommonBytes {
    RecordByte { 0, "cameraMode", &field<&S::cameraMode> },
    RecordByte { 1, "imageSize", &field<&S::imageSize> },
    RecordByte { 2, "videoSize", &field<&S::videoSize> },
    RecordByte { 3, "pictureCount", &field<&S::pictureCount> },
    RecordByte { 4, "videoLength", &field<&S::videoLength> },
    RecordByte { 5, "timeStamp", &field<&S::timeStamp> },
    RecordByte { 6, "interval", &field<&S::interval> },
    RecordByte { 7, "senseLevel", &field<&S::senseLevel> },
    RecordByte { 8, "timer1Enabled", &field<&S::timer1Enabled> },
    RecordByte { 10, "timeLapseEnabled", &field<&S::timeLapseEnabled> },
    RecordByte { 11, "timeLapseHour", &field<&S::timeLapseHour> },
    RecordByte { 12, "timeLapseMinute", &field<&S::timeLapseMinute> },
    RecordByte { 13, "timeLapseSecond", &field<&S::timeLapseSecond> },
    RecordByte { 14, "clockYear", &clockYear },
    RecordByte { 15, "clockMonth", &clockPart<&C::month> },
    RecordByte { 16, "clockDay", &clockPart<&C::day> },
    RecordByte { 17, "clockHour", &clockPart<&C::hour> },
    RecordByte { 18, "clockMinute", &clockPart<&C::minute> },
    RecordByte { 19, "clockSecond", &clockPart<&C::second> },
    RecordByte { 20, "timer1StartHour", &field<&S::timer1StartHour> },
    RecordByte { 21, "timer1StartMinute", &field<&S::timer1StartMinute> },
    RecordByte { 22, "timer1StopHour", &field<&S::timer1StopHour> },
    RecordByte { 23, "timer1StopMinute", &field<&S::timer1StopMinute> },
    RecordByte { 24, "serialNumberEnabled", &field<&S::serialNumberEnabled> },
    RecordByte { 25, "serialNumber1", &serialCharacter<0> },
    RecordByte { 26, "serialNumber2", &serialCharacter<1> },
    RecordByte { 27, "serialNumber3", &serialCharacter<2> },
    RecordByte { 28, "serialNumber4", &serialCharacter<3> },
    RecordByte { 29, "language", &field<&S::language> },
    RecordByte { 30, "tvMode", &field<&S::tvMode> },
    RecordByte { kDateFormatOffset, "dateFormat", &field<&S::dateFormat> },
};

constexpr RecordByte kSidePirFromList { kSidePirOffset, "sidePir", &field<&S::sidePir> };
constexpr RecordByte kSidePirCopy { kSidePirCopyOffset, "sidePirCopy", &field<&S::sidePir> };

// Timer 2 sits at the start of the family area in every family but Q400 and Q420.
constexpr RecordByte kTimer2Enabled { 31, "timer2Enabled", &field<&S::timer2Enabled> };
constexpr RecordByte kTimer2StartHour { 32, "timer2StartHour", &field<&S::timer2StartHour> };
constexpr RecordByte kTimer2StartMinute { 33, "timer2StartMinute", &field<&S::timer2StartMinute> };
constexpr RecordByte kTimer2StopHour { 34, "timer2StopHour", &field<&S::timer2StopHour> };
constexpr RecordByte kTimer2StopMinute { 35, "timer2StopMinute", &field<&S::timer2StopMinute> };

constexpr std::array kGenericBytes {
    kSidePirFromList,
    kTimer2Enabled,
    kTimer2StartHour,
    kTimer2StartMinute,
    kTimer2StopHour,
    kTimer2StopMinute,
    RecordByte { 36, "sdCycle", &field<&S::sdCycle> },
    kSidePirCopy,
};

constexpr std::array kQ100Bytes {
    RecordByte { kSidePirOffset, "sidePir", &constant<0> },
    kTimer2Enabled,
    kTimer2StartHour,
    kTimer2StartMinute,
    kTimer2StopHour,
    kTimer2StopMinute,
    RecordByte { 36, "wirelessPassword1", &passwordDigit<0> },
    RecordByte { 37, "wirelessPassword2", &passwordDigit<1> },
    RecordByte { 38, "wirelessPassword3", &passwordDigit<2> },
    RecordByte { 39, "wirelessPassword4", &passwordDigit<3> },
    RecordByte { 40, "wirelessPasswordEnabled", &field<&S::wirelessPasswordEnabled> },
};

// The Q220 has no side PIR list; its camera expects the byte set.
constexpr std::array kQ220Bytes {
    RecordByte { kSidePirOffset, "sidePir", &constant<1> },
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
    RecordByte { 36, "sdCycle", &field<&S::sdCycle> },
    RecordByte { 40, "longitudeDirection", &field<&S::longitudeDirection> },
    RecordByte { 41, "longitudeDegrees", &field<&S::longitudeDegrees> },
    RecordByte { 42, "longitudeMinutes", &field<&S::longitudeMinutes> },
    RecordByte { 43, "longitudeSeconds", &field<&S::longitudeSeconds> },
    RecordByte { 44, "latitudeDirection", &field<&S::latitudeDirection> },
    RecordByte { 45, "latitudeDegrees", &field<&S::latitudeDegrees> },
    RecordByte { 46, "latitudeMinutes", &field<&S::latitudeMinutes> },
    RecordByte { 47, "latitudeSeconds", &field<&S::latitudeSeconds> },
    kSidePirCopy,
};

// Q400 and Q420 lead with beep and SD cycle, which moves timer 2 back by two bytes; the Q400 reads its side PIR
// list, the Q420 has none.
constexpr std::array kQ400Area {
    RecordByte { 31, "beepSound", &field<&S::beepSound> },
    RecordByte { 32, "sdCycle", &field<&S::sdCycle> },
    RecordByte { 33, "timer2Enabled", &field<&S::timer2Enabled> },
    RecordByte { 34, "timer2StartHour", &field<&S::timer2StartHour> },
    RecordByte { 35, "timer2StartMinute", &field<&S::timer2StartMinute> },
    RecordByte { 36, "timer2StopHour", &field<&S::timer2StopHour> },
    RecordByte { 37, "timer2StopMinute", &field<&S::timer2StopMinute> },
};

template <std::size_t N>
constexpr std::array<RecordByte, N + 1> prepend(const RecordByte& first, const std::array<RecordByte, N>& rest)
{
    std::array<RecordByte, N + 1> bytes {};
    bytes[0] = first;
    std::copy(rest.begin(), rest.end(), bytes.begin() + 1);
    return bytes;
}

constexpr auto kQ400Bytes = prepend(kSidePirFromList, kQ400Area);
constexpr auto kQ420Bytes = prepend(RecordByte { kSidePirOffset, "sidePir", &constant<0> }, kQ400Area);

// A family may only fill byte 9, the family area and byte 51, each at most once.
template <std::size_t N> constexpr bool isFamilyLayout(const std::array<RecordByte, N>& bytes)
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

static_assert(isFamilyLayout(kGenericBytes));
static_assert(isFamilyLayout(kQ100Bytes));
static_assert(isFamilyLayout(kQ220Bytes));
static_assert(isFamilyLayout(kQ300Bytes));
static_assert(isFamilyLayout(kQ400Bytes));
static_assert(isFamilyLayout(kQ420Bytes));
static_assert(kCommonBytes.size() == 31, "bytes 0..30 without sidePir, plus dateFormat");

std::uint8_t low8(std::int32_t value)
{
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFFu);
}

void store(CameraSettingsRecord& record, std::span<const RecordByte> bytes, const CameraSettings& settings)
{
    for (const auto& byte : bytes) {
        record[byte.offset] = low8(byte.value(settings));
    }
}

void seal(CameraSettingsRecord& record)
{
    const auto crc = CameraRecordCrc(record);
    record[kCrcLowOffset] = static_cast<std::uint8_t>(crc & 0xFFu);
    record[kCrcHighOffset] = static_cast<std::uint8_t>(crc >> 8);
    record[kLineEndOffset] = kCarriageReturn;
    record[kLineEndOffset + 1] = kLineFeed;
}

std::string hex4(unsigned value)
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
    if (byte->value == &constant<0>) {
        return 0;
    }
    if (byte->value == &constant<1>) {
        return 1;
    }
    return std::nullopt;
}

std::int32_t IntervalField(std::int32_t value, std::int32_t unitIndex)
{
    constexpr std::int32_t kSecondsFlag = 128;
    return unitIndex == 0 ? value + kSecondsFlag : value;
}

std::int32_t VideoLengthField(std::int32_t seconds)
{
    return seconds - 1;
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
    std::array<std::int32_t, 4> digits {};
    for (std::size_t k = 0; k < digits.size() && k < text.size(); ++k) {
        const char character = text[k];
        digits[k] = character >= '0' && character <= '9' ? character - '0' : 0;
    }
    return digits;
}

CameraSettingsRecord BuildCameraRecord(CameraFamily family, const CameraSettings& settings)
{
    CameraSettingsRecord record {};
    store(record, CommonRecordBytes(), settings);
    store(record, FamilyRecordBytes(family), settings);
    seal(record);
    return record;
}

CameraSettingsRecord FactoryResetRecord()
{
    CameraSettingsRecord record {};
    std::fill_n(record.begin(), 4, std::uint8_t { 0xFF });
    record[kDateFormatOffset] = 1;
    seal(record);
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
            "the stored CRC " + hex4(stored) + " does not match " + hex4(expected) + " computed over bytes 0..49");
    }
    if (record[kLineEndOffset] != kCarriageReturn || record[kLineEndOffset + 1] != kLineFeed) {
        problems.push_back("the record does not end with CR LF (bytes 58..59)");
    }
    return problems;
}

} // namespace tamb
