#include "cellular/MmsValidation.h"
#include "cellular/SetupFile.h"
#include "cli/CliCommand.h"
#include "cli/SettingsKeys.h"
#include "common/ModelCatalogue.h"
#include "common/Paths.h"

#include <array>
#include <string>

namespace tamb {
namespace {

constexpr std::string_view kName = "mms";

struct TextKey
{
    std::string_view key;
    std::string MmsSettings::*field;
    bool operatorParameter; // typed in Manual mode only; Auto mode takes it from the database
};

constexpr std::array kTextKeys {
    TextKey { "url", &MmsSettings::url, true },
    TextKey { "apn", &MmsSettings::apn, true },
    TextKey { "gateway", &MmsSettings::gateway, true },
    TextKey { "port", &MmsSettings::port, true },
    TextKey { "account", &MmsSettings::account, true },
    TextKey { "password", &MmsSettings::password, true },
    TextKey { "phone1", &MmsSettings::phone1, false },
    TextKey { "phone2", &MmsSettings::phone2, false },
    TextKey { "phone3", &MmsSettings::phone3, false },
    TextKey { "email", &MmsSettings::email, false },
};

struct NumberKey
{
    std::string_view key;
    std::uint8_t MmsSettings::*field;
    bool autoOnly; // a position in the database lists, which Manual mode does not show
};

constexpr std::array kNumberKeys {
    NumberKey { "picturesPerDay", &MmsSettings::picturesPerDay, false },
    NumberKey { "remoteControlHour", &MmsSettings::remoteControlHour, false },
    NumberKey { "country", &MmsSettings::countryIndex, true },
    NumberKey { "operator", &MmsSettings::operatorIndex, true },
};

// Applies one KEY=VALUE word; a failure says what is wrong.
Status applyKey(std::string_view key, std::string_view value, const MmsModelRules& rules, MmsSettings& settings)
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
    const auto number = SmallNumberFromText(value);
    for (const auto& numeric : kNumberKeys) {
        if (numeric.key == key) {
            if (numeric.autoOnly && !settings.autoMode) {
                return Status::failure(std::string { key } + " applies in auto mode only");
            }
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
    if (key == "mmsStatus") {
        if (!number || *number >= rules.statusCodes.size()) {
            const auto last = std::to_string(rules.statusCodes.size() - 1);
            return Status::failure(BadValueMessage(key, value, "a position of the MMS Status list, 0 to " + last));
        }
        settings.mmsStatusIndex = *number;
        settings.mmsStatusCode = rules.statusCodes[*number];
        return Status::success();
    }
    if (key == "linkType" || key == "phoneScope") {
        if (!number || *number > 1) {
            return Status::failure(BadValueMessage(key, value, "0 or 1"));
        }
        if (key == "linkType") {
            settings.linkType = static_cast<LinkType>(*number);
        } else {
            settings.phoneScope = static_cast<PhoneScope>(*number);
        }
        return Status::success();
    }
    return Status::failure("unknown key '" + std::string { key } + "'; see --help for the keys");
}

int runMms(const ParsedArguments& arguments, std::ostream& out, std::ostream& err)
{
    const auto model = *arguments.model;
    if (!ButtonsFor(model).mms) {
        return ReportUsageError(kName, "model " + std::to_string(model) + " has no MMS settings", err);
    }
    const auto autoMode = AutoModeOf(arguments);
    if (!autoMode) {
        return ReportUsageError(kName, "mode takes auto or manual", err);
    }
    const auto rules = MmsRulesFor(model);
    MmsSettings settings;
    settings.autoMode = *autoMode;
    settings.mmsStatusCode = rules.statusCodes[settings.mmsStatusIndex];
    if (!settings.autoMode) {
        settings.countryIndex = kManualCountryIndex;
        settings.operatorIndex = kManualOperatorIndex;
    }
    for (const auto& [key, value] : arguments.assignments) {
        if (auto applied = applyKey(key, value, rules, settings); !applied.ok()) {
            return ReportUsageError(kName, applied.reason(), err);
        }
    }
    const auto codePage = OemCodePage::forSystem();
    if (auto filled = ApplyMmsOperatorParams(settings); !filled.ok()) {
        return ReportUsageError(kName, filled.reason(), err);
    }
    if (auto valid = ValidateMmsSettings(settings, model, codePage); !valid.ok()) {
        return ReportUsageError(kName, valid.reason(), err);
    }
    const auto& folder = *arguments.out;
    if (auto written = WriteSetupFile(folder, settings, AppStateFromArguments(arguments), codePage); !written.ok()) {
        err << kProgramName << ' ' << kName << ": " << written.reason() << '\n';
        return kExitFailure;
    }
    out << "Wrote " << FileInFolder(folder, kSetupFileName) << " (texts in code page " << codePage.number() << ")\n";
    return kExitSuccess;
}

} // namespace

const CliCommand kMmsCommand {
    kName,
    "write setup.dat, the MMS settings of a cellular model",
    R"(Usage: tamb-setup-cli mms --model N --out DIR [--language L] [--chinese-requested]
                          [--tv-mode T] [KEY=VALUE ...]

Writes DIR/setup.dat as the MMS dialog of model N writes it. An existing setup.dat is
replaced only once the new file is complete; the working file mms.dat never stays.
A wrong key or value writes nothing and exits with 2.

Keys:
  mode=auto|manual         operator parameters from the database (auto, default) or typed in
  mmsStatus=P              position in the MMS Status list (default 1, VGA); the status code
                           follows from the model
  country=C operator=O     auto mode: country index 0..43 and operator position (default 0, 0)
  linkType=0|1             0 APN, 1 CSD (manual mode only)
  picturesPerDay=0..99     daily picture limit, 0 for no limit (default 0)
  phoneScope=0|1           0 China, 1 international (default 0)
  remoteControlHour=0..25  SMS remote-control hour, 25 for Off (default 25)
  url= apn= gateway= port= account= password=   manual mode only
  phone1= phone2= phone3= email=                recipients

Texts are stored in the OEM code page of the system's locale; a text the code page
cannot hold, or too long for its field, is refused.

Options:
  --model N            the model, 1..17 (its MMS Setup button must be enabled)
  --out DIR            the folder to write into, normally the root of the SD card
  --language L         the camera language 1..15 (default: the stored one, else 2)
  --chinese-requested  the camera language is Chinese while the screen shows English
  --tv-mode T          the TV-out mode (default: the stored one, else 0)
  --help               show this text
)",
    ArgumentRules { Option::Out | Option::Model | Option::Language | Option::ChineseRequested | Option::TvMode,
        Option::Out | Option::Model, true, false },
    &runMms,
};

} // namespace tamb
