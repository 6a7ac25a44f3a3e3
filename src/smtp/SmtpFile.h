#pragma once

#include "cellular/ScrambledSettingsFile.h"
#include "cellular/SettingsFileReport.h"
#include "common/AppState.h"
#include "smtp/SmtpSettings.h"

#include <string_view>

namespace tamb {

inline constexpr std::string_view kSmtpFileName = "smtp.dat";
// Added to the checksum of smtp.dat, whatever the settings.
inline constexpr std::uint16_t kSmtpChecksumBias = 15;

// Header bytes of smtp.dat (before scrambling) that both families share.
enum class SmtpHeaderByte : std::size_t
{
    OperatorPosition = 1,
    Country = 2,
    PicturesTens = 3,
    PicturesUnits = 4,
    Language = 5,
};

// Where the families differ: bytes 6, 7 and 8 of the header.
struct SmtpFamilyLayout
{
    std::size_t statusByte; // the SMTP status (Q400) or the constant 1 (Q200)
    std::size_t hourByte; // the remote-control hour
    std::size_t constantByte; // always 1
    bool hasStatus;
};

[[nodiscard]] const SmtpFamilyLayout& LayoutOf(SmtpFamily family);

// Record 0 of smtp.dat, plain. The language comes from `app`.
[[nodiscard]] Record BuildSmtpHeader(const SmtpSettings& settings, SmtpFamily family, const AppState& app);

// The login name part of `senderEmail`: its encoded bytes up to the first "@", examining at most as many
// bytes as the address has characters; byte 57 holds the number of bytes copied, then CR LF.
[[nodiscard]] Record SenderUserRecord(std::string_view senderEmail, const OemCodePage& codePage);

// The 11 plain records of smtp.dat: the header, then apn, account, password, smtpServer, smtpPort,
// senderEmail, senderPassword, smsPhone, the sender's user name and recipientEmail.
[[nodiscard]] PlainRecords BuildSmtpRecords(
    const SmtpSettings& settings, SmtpFamily family, const AppState& app, const OemCodePage& codePage);

// Reads an smtp.dat without trusting it: form, checksum, header values, the family its bytes 6..8 point to
// ("q200", "q400", or "either" when they read 1, 1, 1), the country and operator names in Auto mode and the
// texts decoded from `codePage`.
[[nodiscard]] SettingsFileReport InspectSmtpFile(std::span<const std::uint8_t> bytes, const OemCodePage& codePage);

// The bytes of smtp.dat for `settings`, as WriteSmtpFile writes them.
[[nodiscard]] std::vector<std::uint8_t> SmtpFileBytes(
    const SmtpSettings& settings, SmtpFamily family, const AppState& app, const OemCodePage& codePage);

// Writes smtp.dat into `folder` through WriteScrambledSettingsFile; returns the reason of a failure.
[[nodiscard]] Status WriteSmtpFile(std::string_view folder, const SmtpSettings& settings, SmtpFamily family,
    const AppState& app, const OemCodePage& codePage, const ScrambledFileFaults& faults = {});

} // namespace tamb
