#include "camera/MenuFileReport.h"

#include "camera/CameraFamilyData.h"
#include "camera/CameraOptions.h"
#include "common/ModelCatalogue.h"
#include "i18n/CameraOptionTexts.h"
#include "i18n/Languages.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace tamb {
namespace {

std::string EnglishOption(const auto& table, std::uint8_t index)
{
    return std::string { table.text(kEnglish, index) };
}

std::string IntervalMeaning(std::uint8_t value)
{
    const std::int32_t amount = IntervalValue(value);
    const std::string unit = IntervalUnitIndex(value) == 0 ? " second" : " minute";
    return std::to_string(amount) + unit + (amount == 1 ? "" : "s");
}

std::string LanguageMeaning(std::uint8_t value)
{
    if (value >= kFirstLanguage && value <= kLastLanguage) {
        return std::string { LanguageOf(value).name };
    }
    return "not a language";
}

std::string SerialMeaning(std::uint8_t value)
{
    const char character = SerialCharacter(value);
    return character == '?' ? std::string { "not a serial character" } : std::string { "'" } + character + "'";
}

// Meaning of a field that reads the same in every family.
std::string MeaningOf(std::string_view name, std::uint8_t value)
{
    if (name == "timer1Enabled" || name == "timer2Enabled" || name == "serialNumberEnabled") {
        return EnglishOption(OffOnOptions, value);
    }
    if (name == "timeLapseEnabled") {
        return EnglishOption(OnOffOptions, value);
    }
    if (name == "videoLength") {
        return std::to_string(VideoLengthSeconds(value)) + " s";
    }
    if (name == "interval") {
        return IntervalMeaning(value);
    }
    if (name == "clockYear") {
        return std::to_string(kClockYearBase + value);
    }
    if (name.starts_with("serialNumber") && name != "serialNumberEnabled") {
        return SerialMeaning(value);
    }
    if (name == "language") {
        return LanguageMeaning(value);
    }
    if (name == "dateFormat") {
        constexpr std::array<std::string_view, 3> kLayouts { "year-month-day", "month-day-year", "day-month-year" };
        return value < kLayouts.size() ? std::string { kLayouts[value] } : std::string { "unknown layout" };
    }
    return {};
}

// The English option text of a list field on `model`, or nothing when the family has no list behind the field.
std::optional<std::string> OptionText(std::string_view name, std::uint8_t value, ModelId model)
{
    const auto& data = FamilyData(CameraFamilyFor(model));
    for (const auto& binding : data.lists) {
        if (KeyOf(binding.list) != name) {
            continue;
        }
        const auto texts = OptionTexts(binding.options, ModelVariant(data, model), kEnglish);
        if (value < texts.size()) {
            return std::string { texts[value] };
        }
        return "outside the " + std::to_string(texts.size()) + " options of the list";
    }
    return std::nullopt;
}

std::string Hex4(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", value & 0xFFFFu);
    return text;
}

bool CopiesSidePir(CameraFamily family)
{
    return std::ranges::any_of(
        FamilyRecordBytes(family), [](const RecordByte& byte) { return byte.offset == kSidePirCopyOffset; });
}

// The value a byte holds in every family alike, when there is one.
std::optional<std::uint8_t> FixedInEveryFamily(std::size_t offset)
{
    const auto first = FixedRecordByte(CameraFamily::Generic, offset);
    for (std::size_t family = 0; family < kCameraFamilyCount; ++family) {
        if (FixedRecordByte(static_cast<CameraFamily>(family), offset) != first) {
            return std::nullopt;
        }
    }
    return first;
}

std::string ByteName(std::size_t offset)
{
    return "byte " + std::to_string(offset);
}

// The bytes outside the CRC are checked as closely as those inside: every byte with a fixed value must hold it,
// and the side PIR copy must repeat the side PIR byte where the family copies it. Without a family, a byte counts
// as fixed only when it is the same in every family, and the copy may be either 0 or the repeat.
std::vector<std::string> FixedByteProblems(
    std::span<const std::uint8_t, kCameraRecordSize> record, std::optional<CameraFamily> family)
{
    std::vector<std::string> problems;
    const auto factory = FactoryResetRecord();
    if (std::ranges::equal(record, factory)) {
        return problems;
    }
    for (std::size_t offset = 0; offset < kCrcLowOffset; ++offset) {
        const auto fixed = family ? FixedRecordByte(*family, offset) : FixedInEveryFamily(offset);
        if (fixed && record[offset] != *fixed) {
            problems.push_back(ByteName(offset) + " holds " + std::to_string(record[offset]) + " where "
                + (family ? "this family" : "every family") + " writes " + std::to_string(*fixed));
        }
    }
    const auto side = record[kSidePirOffset];
    const auto copy = record[kSidePirCopyOffset];
    const bool copyExpected = family && CopiesSidePir(*family);
    const bool copyAllowed = family ? !copyExpected || copy == side : copy == 0 || copy == side;
    if (!copyAllowed) {
        problems.push_back("byte 51 (sidePirCopy) holds " + std::to_string(copy) + " but must repeat byte 9 (sidePir), "
            + std::to_string(side) + (family ? std::string {} : std::string { ", or be 0" }));
    }
    return problems;
}

} // namespace

MenuFileReport InspectMenuFile(std::span<const std::uint8_t> bytes, std::optional<ModelId> model)
{
    MenuFileReport report;
    report.problems = CameraRecordProblems(bytes);
    if (bytes.size() != kCameraRecordSize) {
        return report;
    }
    std::optional<CameraFamily> family;
    if (model)
        family = CameraFamilyFor(*model);
    const auto fixed = FixedByteProblems(bytes.first<kCameraRecordSize>(), family);
    report.problems.insert(report.problems.end(), fixed.begin(), fixed.end());
    std::vector<RecordByte> layout(CommonRecordBytes().begin(), CommonRecordBytes().end());
    if (model) {
        const auto own = FamilyRecordBytes(CameraFamilyFor(*model));
        layout.insert(layout.end(), own.begin(), own.end());
    } else {
        layout.push_back(RecordByte { kSidePirOffset, "sidePir", nullptr });
        layout.push_back(RecordByte { kSidePirCopyOffset, "sidePirCopy", nullptr });
        report.familyArea.assign(bytes.begin() + kFamilyAreaBegin, bytes.begin() + kFamilyAreaEnd);
    }
    std::ranges::sort(layout, std::less<> {}, &RecordByte::offset);
    for (const auto& byte : layout) {
        const auto value = bytes[byte.offset];
        auto meaning = model ? OptionText(byte.name, value, *model) : std::nullopt;
        report.fields.push_back({ std::string { byte.name }, value, meaning.value_or(MeaningOf(byte.name, value)) });
    }
    const unsigned crc = bytes[kCrcLowOffset] | (bytes[kCrcHighOffset] << 8);
    report.fields.push_back({ "crc", crc, Hex4(crc) });
    return report;
}

} // namespace tamb
