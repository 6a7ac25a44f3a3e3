#include "cellular/SetupFile.h"

#include "cellular/OperatorDatabase.h"
#include "i18n/CountryTexts.h"

#include <array>

namespace tamb {
namespace {

void Put(Record& record, MmsHeaderByte at, std::uint8_t value)
{
    record[static_cast<std::size_t>(at)] = value;
}

std::int64_t get(const Record& record, MmsHeaderByte at)
{
    return record[static_cast<std::size_t>(at)];
}

struct TextRecordName
{
    std::size_t record;
    std::string_view name;
};

constexpr std::array<TextRecordName, 10> kTextRecords { {
    { 1, "url" },
    { 2, "apn" },
    { 3, "gateway" },
    { 4, "port" },
    { 5, "phone1" },
    { 6, "email" },
    { 7, "account" },
    { 8, "password" },
    { 9, "phone2" },
    { 10, "phone3" },
} };

} // namespace

Record BuildMmsHeader(const MmsSettings& settings, const AppState& app)
{
    auto header = EmptyRecord();
    Put(header, MmsHeaderByte::StatusCode, settings.mmsStatusCode);
    Put(header, MmsHeaderByte::StatusPosition, static_cast<std::uint8_t>(settings.mmsStatusIndex + 1));
    Put(header, MmsHeaderByte::LinkType, static_cast<std::uint8_t>(settings.linkType));
    Put(header, MmsHeaderByte::PicturesTens, static_cast<std::uint8_t>(settings.picturesPerDay / 10));
    Put(header, MmsHeaderByte::PicturesUnits, static_cast<std::uint8_t>(settings.picturesPerDay % 10));
    Put(header, MmsHeaderByte::Language, static_cast<std::uint8_t>(app.fileLanguage()));
    Put(header, MmsHeaderByte::TvMode, static_cast<std::uint8_t>(app.tvMode & 0xFF));
    Put(header, MmsHeaderByte::PhoneScope, static_cast<std::uint8_t>(settings.phoneScope));
    Put(header, MmsHeaderByte::Country, settings.countryIndex);
    Put(header, MmsHeaderByte::OperatorPosition, settings.operatorIndex);
    Put(header, MmsHeaderByte::RemoteControlHour, settings.remoteControlHour);
    header[kAutoModeByte] = settings.autoMode ? 1 : 0;
    return header;
}

PlainRecords BuildSetupRecords(const MmsSettings& settings, const AppState& app, const OemCodePage& codePage)
{
    const auto text = [&codePage](const std::string& value) { return EncodeTextRecord(value, codePage); };
    return { BuildMmsHeader(settings, app), text(settings.url), text(settings.apn), text(settings.gateway),
        text(settings.port), text(settings.phone1), text(settings.email), text(settings.account),
        text(settings.password), text(settings.phone2), text(settings.phone3) };
}

std::uint16_t SetupChecksumBias(PhoneScope scope)
{
    return scope == PhoneScope::International ? kInternationalChecksumBias : 0;
}

std::vector<std::uint8_t> SetupFileBytes(const MmsSettings& settings, const AppState& app, const OemCodePage& codePage)
{
    return BuildScrambledSettingsBytes(
        BuildSetupRecords(settings, app, codePage), SetupChecksumBias(settings.phoneScope));
}

Status WriteSetupFile(std::string_view folder, const MmsSettings& settings, const AppState& app,
    const OemCodePage& codePage, const ScrambledFileFaults& faults)
{
    return WriteScrambledSettingsFile(folder, kSetupFileName, BuildSetupRecords(settings, app, codePage),
        SetupChecksumBias(settings.phoneScope), faults);
}

SettingsFileReport InspectSetupFile(std::span<const std::uint8_t> bytes, const OemCodePage& codePage)
{
    auto reading = ReadScrambledSettingsFile(bytes);
    const auto& header = reading.records[0];
    const auto scope = header[static_cast<std::size_t>(MmsHeaderByte::PhoneScope)] == 1 ? PhoneScope::International
                                                                                        : PhoneScope::China;
    const auto bias = SetupChecksumBias(scope);
    CheckScrambledSum(reading, bias);

    SettingsFileReport report { "setup", reading.problems, {} };
    auto& fields = report.fields;
    fields.push_back({ "size", static_cast<std::int64_t>(bytes.size()) });
    fields.push_back({ "checksum", static_cast<std::int64_t>(reading.storedSum.value_or(0)) });
    fields.push_back({ "crc", static_cast<std::int64_t>(reading.crc) });
    fields.push_back({ "bias", static_cast<std::int64_t>(bias) });
    fields.push_back({ "mmsStatusCode", get(header, MmsHeaderByte::StatusCode) });
    fields.push_back({ "mmsStatusIndex", get(header, MmsHeaderByte::StatusPosition) - 1 });
    fields.push_back({ "linkType", get(header, MmsHeaderByte::LinkType) });
    fields.push_back({ "picturesPerDay",
        get(header, MmsHeaderByte::PicturesTens) * 10 + get(header, MmsHeaderByte::PicturesUnits) });
    fields.push_back({ "language", get(header, MmsHeaderByte::Language) });
    fields.push_back({ "tvMode", get(header, MmsHeaderByte::TvMode) });
    fields.push_back({ "phoneScope", get(header, MmsHeaderByte::PhoneScope) });
    const auto country = get(header, MmsHeaderByte::Country);
    const auto op = get(header, MmsHeaderByte::OperatorPosition);
    fields.push_back({ "country", country });
    fields.push_back({ "operator", op });
    fields.push_back({ "remoteControlHour", get(header, MmsHeaderByte::RemoteControlHour) });
    const bool autoMode = header[kAutoModeByte] == 1;
    fields.push_back({ "autoMode", autoMode });
    const auto countryIndex = static_cast<std::size_t>(country);
    if (autoMode && countryIndex < kCountryCount) {
        fields.push_back({ "countryName", std::string(CountryName(kEnglish, countryIndex)) });
        const auto operators = MmsOperators(countryIndex);
        if (static_cast<std::size_t>(op) < operators.size()) {
            fields.push_back({ "operatorName", std::string(operators[static_cast<std::size_t>(op)]) });
        }
    }
    for (const auto& text : kTextRecords) {
        fields.push_back({ std::string(text.name), DecodeTextRecord(reading.records[text.record], codePage) });
    }
    return report;
}

} // namespace tamb
