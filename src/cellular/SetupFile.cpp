#include "cellular/SetupFile.h"

namespace tamb {
namespace {

void put(Record& record, MmsHeaderByte at, std::uint8_t value)
{
    record[static_cast<std::size_t>(at)] = value;
}

} // namespace

Record BuildMmsHeader(const MmsSettings& settings, const AppState& app)
{
    auto header = EmptyRecord();
    put(header, MmsHeaderByte::statusCode, settings.mmsStatusCode);
    put(header, MmsHeaderByte::statusPosition, static_cast<std::uint8_t>(settings.mmsStatusIndex + 1));
    put(header, MmsHeaderByte::linkType, static_cast<std::uint8_t>(settings.linkType));
    put(header, MmsHeaderByte::picturesTens, static_cast<std::uint8_t>(settings.picturesPerDay / 10));
    put(header, MmsHeaderByte::picturesUnits, static_cast<std::uint8_t>(settings.picturesPerDay % 10));
    put(header, MmsHeaderByte::language, static_cast<std::uint8_t>(app.fileLanguage()));
    put(header, MmsHeaderByte::tvMode, static_cast<std::uint8_t>(app.tvMode & 0xFF));
    put(header, MmsHeaderByte::phoneScope, static_cast<std::uint8_t>(settings.phoneScope));
    put(header, MmsHeaderByte::country, settings.countryIndex);
    put(header, MmsHeaderByte::operatorPosition, settings.operatorIndex);
    put(header, MmsHeaderByte::remoteControlHour, settings.remoteControlHour);
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
    return scope == PhoneScope::international ? kInternationalChecksumBias : 0;
}

Status WriteSetupFile(std::string_view folder, const MmsSettings& settings, const AppState& app,
    const OemCodePage& codePage, const ScrambledFileFaults& faults)
{
    return WriteScrambledSettingsFile(folder, kSetupFileName, BuildSetupRecords(settings, app, codePage),
        SetupChecksumBias(settings.phoneScope), faults);
}

} // namespace tamb
