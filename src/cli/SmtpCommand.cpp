#include "cli/CliCommand.h"
#include "cli/SettingsKeys.h"
#include "common/Paths.h"
#include "smtp/SmtpFile.h"
#include "smtp/SmtpValidation.h"

#include <array>
#include <string>

namespace tamb {
namespace {

constexpr std::string_view kName = "smtp";

struct TextKey
{
    std::string_view key;
    std::string SmtpSettings::*field;
    bool operatorParameter; // typed in Manual mode only; Auto mode takes it from the database
};

constexpr std::array kTextKeys {
    TextKey { "apn", &SmtpSettings::apn, true },
    TextKey { "account", &SmtpSettings::account, true },
    TextKey { "password", &SmtpSettings::password, true },
    TextKey { "smtpServer", &SmtpSettings::smtpServer, false },
    TextKey { "smtpPort", &SmtpSettings::smtpPort, false },
    TextKey { "senderEmail", &SmtpSettings::senderEmail, false },
    TextKey { "senderPassword", &SmtpSettings::senderPassword, false },
    TextKey { "smsPhone", &SmtpSettings::smsPhone, false },
    TextKey { "recipientEmail", &SmtpSettings::recipientEmail, false },
};

struct NumberKey
{
    std::string_view key;
    std::uint8_t SmtpSettings::*field;
    bool autoOnly; // a position in the database lists, which Manual mode does not show
    bool q400Only;
};

constexpr std::array kNumberKeys {
    NumberKey { "picturesPerDay", &SmtpSettings::picturesPerDay, false, false },
    NumberKey { "remoteControlHour", &SmtpSettings::remoteControlHour, false, false },
    NumberKey { "country", &SmtpSettings::countryIndex, true, false },
    NumberKey { "operator", &SmtpSettings::operatorIndex, true, false },
    NumberKey { "smtpStatus", &SmtpSettings::smtpStatus, false, true },
};

Status applyKey(std::string_view key, std::string_view value, SmtpFamily family, SmtpSettings& settings)
{
    for (const auto& text : kTextKeys) {
        if (text.key == key) {
            if (text.operatorParameter && settings.autoMode) {
                return Status::failure(std::string { key }
                    + " comes from the operator database in auto mode; give mode=manual to type it");
            }
            settings.*text.field = value;
            return Status::success();
        }
    }
    for (const auto& numeric : kNumberKeys) {
        if (numeric.key == key) {
            if (numeric.autoOnly && !settings.autoMode) {
                return Status::failure(std::string { key } + " applies in auto mode only");
            }
            if (numeric.q400Only && family != SmtpFamily::q400) {
                return Status::failure(std::string { key } + " applies to the Q400 SMTP family only");
            }
            const auto number = SmallNumberFromText(value);
            if (!number) {
                return Status::failure(BadValueMessage(key, value, "a whole number"));
            }
            settings.*numeric.field = *number;
            return Status::success();
        }
    }
    if (key == "mode") {
        return Status::success(); // read before every other key
    }
    return Status::failure("unknown key '" + std::string { key } + "'; see --help for the keys");
}

int runSmtp(const ParsedArguments& arguments, std::ostream& out, std::ostream& err)
{
    const auto model = *arguments.model;
    const auto family = SmtpFamilyFor(model);
    if (!family) {
        return ReportUsageError(kName, "model " + std::to_string(model) + " has no SMTP settings", err);
    }
    const auto autoMode = AutoModeOf(arguments);
    if (!autoMode) {
        return ReportUsageError(kName, "mode takes auto or manual", err);
    }
    SmtpSettings settings;
    settings.autoMode = *autoMode;
    if (!settings.autoMode) {
        settings.countryIndex = kManualCountryIndex;
        settings.operatorIndex = kManualOperatorIndex;
    }
    for (const auto& [key, value] : arguments.assignments) {
        if (auto applied = applyKey(key, value, *family, settings); !applied.ok()) {
            return ReportUsageError(kName, applied.reason(), err);
        }
    }
    const auto codePage = OemCodePage::forSystem();
    if (auto filled = ApplyGprsOperatorParams(settings); !filled.ok()) {
        return ReportUsageError(kName, filled.reason(), err);
    }
    if (auto valid = ValidateSmtpSettings(settings, model, codePage); !valid.ok()) {
        return ReportUsageError(kName, valid.reason(), err);
    }
    const auto& folder = *arguments.out;
    const auto app = AppStateFromArguments(arguments);
    if (auto written = WriteSmtpFile(folder, settings, *family, app, codePage); !written.ok()) {
        err << kProgramName << ' ' << kName << ": " << written.reason() << '\n';
        return kExitFailure;
    }
    out << "Wrote " << FileInFolder(folder, kSmtpFileName) << " (texts in code page " << codePage.number() << ")\n";
    return kExitSuccess;
}

} // namespace

const CliCommand kSmtpCommand {
    kName,
    "write smtp.dat, the e-mail settings of a cellular model",
    R"(Usage: tamb-setup-cli smtp --model N --out DIR [--language L] [--chinese-requested]
                           [KEY=VALUE ...]

Writes DIR/smtp.dat as the SMTP dialog of model N writes it. An existing smtp.dat is
replaced only once the new file is complete; the working file mms.dat never stays.
A wrong key or value writes nothing and exits with 2.

Keys:
  mode=auto|manual         GPRS parameters from the database (auto, default) or typed in
  country=P operator=O     auto mode: position in the SMTP country list 0..42 (the list
                           without Cayman Islands) and operator position (default 0, 0)
  smtpStatus=0..2          Q400 SMTP family only: 0 Off, 1 VGA (default), 2 SMS
  picturesPerDay=0..99     daily picture limit, 0 for no limit (default 0)
  remoteControlHour=0..25  SMS remote-control hour, 25 for Off (default 25)
  apn= account= password=  manual mode only
  smtpServer= smtpPort= senderEmail= senderPassword= smsPhone= recipientEmail=

Texts are stored in the OEM code page of the system's locale; a text the code page
cannot hold, or too long for its field, is refused.

Options:
  --model N            the model, 1..17 (its SMTP Setup button must be enabled)
  --out DIR            the folder to write into, normally the root of the SD card
  --language L         the camera language 1..15 (default: the stored one, else 2)
  --chinese-requested  the camera language is Chinese while the screen shows English
  --help               show this text
)",
    ArgumentRules { Option::Out | Option::Model | Option::Language | Option::ChineseRequested,
        Option::Out | Option::Model, true, false },
    &runSmtp,
};

} // namespace tamb
