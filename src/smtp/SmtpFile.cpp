#include "smtp/SmtpFile.h"

#include "cellular/OperatorDatabase.h"
#include "common/Utf8Text.h"
#include "i18n/CountryTexts.h"

#include <algorithm>
#include <array>

namespace tamb {
namespace {

constexpr SmtpFamilyLayout kQ200Layout { 6, 8, 7, false };
constexpr SmtpFamilyLayout kQ400Layout { 6, 7, 8, true };

void Put(Record& record, SmtpHeaderByte at, std::uint8_t value)
{
    record[static_cast<std::size_t>(at)] = value;
}

std::int64_t get(const Record& record, SmtpHeaderByte at)
{
    return record[static_cast<std::size_t>(at)];
}

constexpr std::array<std::string_view, 10> kRecordNames {
    "apn",
    "account",
    "password",
    "smtpServer",
    "smtpPort",
    "senderEmail",
    "senderPassword",
    "smsPhone",
    "senderUser",
    "recipientEmail",
};

// The family whose constant 1 sits where the header has it; both when bytes 6..8 all read 1.
std::string FamilyOf(const Record& header)
{
    const bool q200 = header[kQ200Layout.statusByte] == 1 && header[kQ200Layout.constantByte] == 1;
    const bool q400 = header[kQ400Layout.constantByte] == 1;
    if (q200 && q400) {
        return "either";
    }
    return q400 ? "q400" : (q200 ? "q200" : "unknown");
}

} // namespace

const SmtpFamilyLayout& LayoutOf(SmtpFamily family)
{
    return family == SmtpFamily::Q400 ? kQ400Layout : kQ200Layout;
}

Record BuildSmtpHeader(const SmtpSettings& settings, SmtpFamily family, const AppState& app)
{
    const auto& layout = LayoutOf(family);
    auto header = EmptyRecord();
    Put(header, SmtpHeaderByte::OperatorPosition, settings.operatorIndex);
    Put(header, SmtpHeaderByte::Country, settings.countryIndex);
    Put(header, SmtpHeaderByte::PicturesTens, static_cast<std::uint8_t>(settings.picturesPerDay / 10));
    Put(header, SmtpHeaderByte::PicturesUnits, static_cast<std::uint8_t>(settings.picturesPerDay % 10));
    Put(header, SmtpHeaderByte::Language, static_cast<std::uint8_t>(app.fileLanguage()));
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

std::vector<std::uint8_t> SmtpFileBytes(
    const SmtpSettings& settings, SmtpFamily family, const AppState& app, const OemCodePage& codePage)
{
    return BuildScrambledSettingsBytes(BuildSmtpRecords(settings, family, app, codePage), kSmtpChecksumBias);
}

Status WriteSmtpFile(std::string_view folder, const SmtpSettings& settings, SmtpFamily family, const AppState& app,
    const OemCodePage& codePage, const ScrambledFileFaults& faults)
{
    return WriteScrambledSettingsFile(
        folder, kSmtpFileName, BuildSmtpRecords(settings, family, app, codePage), kSmtpChecksumBias, faults);
}

SettingsFileReport InspectSmtpFile(std::span<const std::uint8_t> bytes, const OemCodePage& codePage)
{
    auto reading = ReadScrambledSettingsFile(bytes);
    CheckScrambledSum(reading, kSmtpChecksumBias);
    const auto& header = reading.records[0];

    SettingsFileReport report { "smtp", reading.problems, {} };
    auto& fields = report.fields;
    fields.push_back({ "size", static_cast<std::int64_t>(bytes.size()) });
    fields.push_back({ "checksum", static_cast<std::int64_t>(reading.storedSum.value_or(0)) });
    fields.push_back({ "crc", static_cast<std::int64_t>(reading.crc) });
    fields.push_back({ "bias", static_cast<std::int64_t>(kSmtpChecksumBias) });
    const auto family = FamilyOf(header);
    fields.push_back({ "family", family });
    const auto position = get(header, SmtpHeaderByte::Country);
    const auto op = get(header, SmtpHeaderByte::OperatorPosition);
    fields.push_back({ "country", position });
    fields.push_back({ "operator", op });
    fields.push_back({ "picturesPerDay",
        get(header, SmtpHeaderByte::PicturesTens) * 10 + get(header, SmtpHeaderByte::PicturesUnits) });
    fields.push_back({ "language", get(header, SmtpHeaderByte::Language) });
    const auto& layout = LayoutOf(family == "q200" ? SmtpFamily::Q200 : SmtpFamily::Q400);
    if (family != "q200") {
        fields.push_back({ "smtpStatus", static_cast<std::int64_t>(header[kQ400Layout.statusByte]) });
    }
    fields.push_back({ "remoteControlHour", static_cast<std::int64_t>(header[layout.hourByte]) });
    const bool autoMode = header[kAutoModeByte] == 1;
    fields.push_back({ "autoMode", autoMode });
    const auto smtpPosition = static_cast<std::size_t>(position);
    if (autoMode && smtpPosition < kSmtpCountryCount) {
        fields.push_back({ "countryName", std::string(CountryName(kEnglish, SmtpCountryPositions[smtpPosition])) });
        const auto operators = SmtpOperators(smtpPosition);
        if (static_cast<std::size_t>(op) < operators.size()) {
            fields.push_back({ "operatorName", std::string(operators[static_cast<std::size_t>(op)]) });
        }
    }
    for (std::size_t k = 0; k < kRecordNames.size(); ++k) {
        fields.push_back({ std::string(kRecordNames[k]), DecodeTextRecord(reading.records[k + 1], codePage) });
    }
    return report;
}

} // namespace tamb
