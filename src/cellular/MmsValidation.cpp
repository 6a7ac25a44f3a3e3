#include "cellular/MmsValidation.h"

#include "cellular/OperatorDatabase.h"
#include "cellular/TextFieldCheck.h"
#include "common/ModelCatalogue.h"

#include <array>
#include <span>
#include <string>

namespace tamb {
namespace {

// Status list positions and the codes they give: Off, VGA, QVGA, SMS in the four-entry list; the three-entry
// list of the generic dialog sends SMS as 3 like the four-entry one; the Q400 list sends its position.
constexpr std::array<std::uint8_t, 4> kFullStatusCodes { 0, 1, 2, 3 };
constexpr std::array<std::uint8_t, 3> kShortStatusCodes { 0, 1, 3 };
constexpr std::array<std::uint8_t, 3> kQ400StatusCodes { 0, 1, 2 };

constexpr ModelId kQ210Mg = 5;
constexpr ModelId kQ220Mg = 6;
// The model whose first recipient may be a phone number or an e-mail address.
constexpr ModelId kQ230Mg1080p = 17;

constexpr std::size_t kInternationalPhoneLimit = 32;
constexpr std::size_t kPhoneOrEmailLimit = 32;
constexpr std::size_t kPhoneOrEmailLimitQ230Mg1080p = 40;

struct TextLimit
{
    std::string_view name;
    std::string MmsSettings::*field;
    std::size_t limit;
};

constexpr std::array kParameterLimits {
    TextLimit { "url", &MmsSettings::url, 50 },
    TextLimit { "apn", &MmsSettings::apn, 30 },
    TextLimit { "gateway", &MmsSettings::gateway, 20 },
    TextLimit { "port", &MmsSettings::port, 10 },
    TextLimit { "account", &MmsSettings::account, 30 },
    TextLimit { "password", &MmsSettings::password, 30 },
    TextLimit { "email", &MmsSettings::email, 40 },
};

Status checkPositions(const MmsSettings& settings)
{
    if (!settings.autoMode) {
        if (settings.countryIndex != kManualCountryIndex || settings.operatorIndex != kManualOperatorIndex) {
            return Status::failure("in manual mode the country is 128 and the operator 0");
        }
        return CheckFieldRange("linkType", static_cast<int>(settings.linkType), 0, 1);
    }
    if (settings.linkType != LinkType::apn) {
        return Status::failure("in auto mode the link type is APN (0)");
    }
    if (auto country = CheckFieldRange("country", settings.countryIndex, 0, kCountryCount - 1); !country.ok()) {
        return country;
    }
    const auto operators = static_cast<int>(MmsOperators(settings.countryIndex).size());
    return CheckFieldRange("operator", settings.operatorIndex, 0, operators - 1);
}

} // namespace

MmsModelRules MmsRulesFor(ModelId model)
{
    if (MmsDialogFor(model) == SetupDialog::Q400Mms) {
        if (model == kQ230Mg1080p) {
            return { kQ400StatusCodes, kPhoneOrEmailLimitQ230Mg1080p, kPhoneOrEmailLimitQ230Mg1080p,
                kPhoneOrEmailLimitQ230Mg1080p };
        }
        return { kQ400StatusCodes, 12, kInternationalPhoneLimit, kPhoneOrEmailLimit };
    }
    if (model == kQ210Mg || model == kQ220Mg) {
        return { kShortStatusCodes, 11, kInternationalPhoneLimit, kPhoneOrEmailLimit };
    }
    return { kFullStatusCodes, 11, kInternationalPhoneLimit, kPhoneOrEmailLimit };
}

Status ApplyMmsOperatorParams(MmsSettings& settings)
{
    if (auto positions = checkPositions(settings); !positions.ok() || !settings.autoMode) {
        return positions;
    }
    const auto& params = MmsParams(settings.countryIndex, settings.operatorIndex);
    settings.url = params.url;
    settings.apn = params.apn;
    settings.gateway = params.gateway;
    settings.port = params.port;
    settings.account = params.account;
    settings.password = params.password;
    return Status::success();
}

Status ValidateMmsSettings(const MmsSettings& settings, ModelId model, const OemCodePage& codePage)
{
    if (!ButtonsFor(model).mms) {
        return Status::failure("model " + std::to_string(model) + " has no MMS settings");
    }
    const auto rules = MmsRulesFor(model);
    const auto statusCount = static_cast<int>(rules.statusCodes.size());
    if (auto status = CheckFieldRange("mmsStatus", settings.mmsStatusIndex, 0, statusCount - 1); !status.ok()) {
        return status;
    }
    if (settings.mmsStatusCode != rules.statusCodes[settings.mmsStatusIndex]) {
        return Status::failure("status code " + std::to_string(settings.mmsStatusCode)
            + " does not belong to MMS status " + std::to_string(settings.mmsStatusIndex) + " of model "
            + std::to_string(model));
    }
    for (const auto& check : {
             CheckFieldRange("picturesPerDay", settings.picturesPerDay, 0, kMaxPicturesPerDay),
             CheckFieldRange("phoneScope", static_cast<int>(settings.phoneScope), 0, 1),
             CheckFieldRange("remoteControlHour", settings.remoteControlHour, 0, kRemoteControlOff),
             checkPositions(settings),
         }) {
        if (!check.ok()) {
            return check;
        }
    }
    const auto phone1Limit
        = settings.phoneScope == PhoneScope::international ? rules.phone1InternationalLimit : rules.phone1Limit;
    const std::array<TextLimit, 3> recipientLimits { {
        { "phone1", &MmsSettings::phone1, phone1Limit },
        { "phone2", &MmsSettings::phone2, rules.phoneOrEmailLimit },
        { "phone3", &MmsSettings::phone3, rules.phoneOrEmailLimit },
    } };
    for (const auto limits :
        { std::span<const TextLimit>(kParameterLimits), std::span<const TextLimit>(recipientLimits) }) {
        for (const auto& limit : limits) {
            if (auto text = CheckTextField(limit.name, settings.*limit.field, limit.limit, codePage); !text.ok()) {
                return text;
            }
        }
    }
    return Status::success();
}

} // namespace tamb
