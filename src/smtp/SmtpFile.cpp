#include "smtp/SmtpFile.h"

#include "cellular/Utf8Text.h"

#include <algorithm>

namespace tamb {
namespace {

constexpr SmtpFamilyLayout kQ200Layout { 6, 8, 7, false };
constexpr SmtpFamilyLayout kQ400Layout { 6, 7, 8, true };

void put(Record& record, SmtpHeaderByte at, std::uint8_t value)
{
    record[static_cast<std::size_t>(at)] = value;
}

} // namespace

const SmtpFamilyLayout& LayoutOf(SmtpFamily family)
{
    return family == SmtpFamily::q400 ? kQ400Layout : kQ200Layout;
}

Record BuildSmtpHeader(const SmtpSettings& settings, SmtpFamily family, const AppState& app)
{
    const auto& layout = LayoutOf(family);
    auto header = EmptyRecord();
    put(header, SmtpHeaderByte::operatorPosition, settings.operatorIndex);
    put(header, SmtpHeaderByte::country, settings.countryIndex);
    put(header, SmtpHeaderByte::picturesTens, static_cast<std::uint8_t>(settings.picturesPerDay / 10));
    put(header, SmtpHeaderByte::picturesUnits, static_cast<std::uint8_t>(settings.picturesPerDay % 10));
    put(header, SmtpHeaderByte::language, static_cast<std::uint8_t>(app.fileLanguage()));
    header[layout.statusByte] = layout.hasStatus ? settings.smtpStatus : 1;
    header[layout.hourByte] = settings.remoteControlHour;
    header[layout.constantByte] = 1;
    header[kAutoModeByte] = settings.autoMode ? 1 : 0;
    return header;
}

Record SenderUserRecord(std::string_view senderEmail, const OemCodePage& codePage)
{
    // The address is converted as for a text record, so an address too long for the record yields zeros.
    const auto converted = EncodeTextRecord(senderEmail, codePage);
    const auto examined = std::min(Utf16Length(senderEmail), kTextAreaSize);
    const auto end = std::find(converted.begin(), converted.begin() + static_cast<std::ptrdiff_t>(examined), '@');
    auto record = EmptyRecord();
    std::copy(converted.begin(), end, record.begin());
    record[kCharacterCountByte] = static_cast<std::uint8_t>(end - converted.begin());
    return record;
}

PlainRecords BuildSmtpRecords(
    const SmtpSettings& settings, SmtpFamily family, const AppState& app, const OemCodePage& codePage)
{
    const auto text = [&codePage](const std::string& value) { return EncodeTextRecord(value, codePage); };
    return { BuildSmtpHeader(settings, family, app), text(settings.apn), text(settings.account),
        text(settings.password), text(settings.smtpServer), text(settings.smtpPort), text(settings.senderEmail),
        text(settings.senderPassword), text(settings.smsPhone), SenderUserRecord(settings.senderEmail, codePage),
        text(settings.recipientEmail) };
}

Status WriteSmtpFile(std::string_view folder, const SmtpSettings& settings, SmtpFamily family, const AppState& app,
    const OemCodePage& codePage, const ScrambledFileFaults& faults)
{
    return WriteScrambledSettingsFile(
        folder, kSmtpFileName, BuildSmtpRecords(settings, family, app, codePage), kSmtpChecksumBias, faults);
}

} // namespace tamb
