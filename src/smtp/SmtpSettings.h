#pragma once

#include "cellular/MmsSettings.h"

#include <cstdint>
#include <string>

namespace tamb {

// The two header layouts of smtp.dat.
enum class SmtpFamily
{
    Q200,
    Q400,
};

// What an SMTP dialog (or the command line) hands to WriteSmtpFile. Texts are UTF-8.
struct SmtpSettings
{
    // Operator position in Auto mode, kManualOperatorIndex in Manual mode.
    std::uint8_t operatorIndex = 0;
    // SMTP position 0..42 in Auto mode (not the country index), kManualCountryIndex in Manual mode.
    std::uint8_t countryIndex = 0;
    // Daily picture limit 0..99; 0 means no limit.
    std::uint8_t picturesPerDay = 0;
    // Q400 family only: 0 Off, 1 VGA, 2 SMS.
    std::uint8_t smtpStatus = 1;
    // 0..24 an hour, kRemoteControlOff for Off.
    std::uint8_t remoteControlHour = kRemoteControlOff;
    // True when the GPRS parameters come from the operator database.
    bool autoMode = true;

    std::string apn;
    std::string account;
    std::string password;
    std::string smtpServer;
    std::string smtpPort;
    std::string senderEmail;
    std::string senderPassword;
    std::string smsPhone;
    std::string recipientEmail;
};

} // namespace tamb
