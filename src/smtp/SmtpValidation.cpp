#include "smtp/SmtpValidation.h"

#include "cellular/OperatorDatabase.h"
#include "cellular/TextFieldCheck.h"
#include "common/ModelCatalogue.h"

#include <array>
#include <string>

namespace tamb {
namespace {

constexpr int kMaxSmtpStatus = 2; // Off, VGA, SMS

struct TextLimit
{
    std::string_view name;
    std::string SmtpSettings::*field;
    std::size_t q200Limit;
    std::size_t q400Limit;
};

constexpr std::array kTextLimits {
    TextLimit { "apn", &SmtpSettings::apn, 32, 32 },
    TextLimit { "account", &SmtpSettings::account, 32, 32 },
    TextLimit { "password", &SmtpSettings::password, 32, 32 },
    TextLimit { "smtpServer", &SmtpSettings::smtpServer, 40, 40 },
    TextLimit { "smtpPort", &SmtpSettings::smtpPort, 10, 10 },
    TextLimit { "senderEmail", &SmtpSettings::senderEmail, 32, 40 },
    TextLimit { "senderPassword", &SmtpSettings::senderPassword, 32, 32 },
    TextLimit { "smsPhone", &SmtpSettings::smsPhone, 30, 30 },
    TextLimit { "recipientEmail", &SmtpSettings::recipientEmail, 32, 40 },
};

Status checkPositions(const SmtpSettings& settings)
{
    if (!settings.autoMode) {
        if (settings.countryIndex != kManualCountryIndex || settings.operatorIndex != kManualOperatorIndex) {
            return Status::failure("in manual mode the country is 128 and the operator 0");
        }
        return Status::success();
    }
    if (auto country = CheckFieldRange("country", settings.countryIndex, 0, kSmtpCountryCount - 1); !country.ok()) {
        return country;
    }
    const auto operators = static_cast<int>(SmtpOperators(settings.countryIndex).size());
    return CheckFieldRange("operator", settings.operatorIndex, 0, operators - 1);
}

} // namespace

std::optional<SmtpFamily> SmtpFamilyFor(ModelId model)
{
    if (!ButtonsFor(model).smtp) {
        return std::nullopt;
    }
    return SmtpDialogFor(model) == SetupDialog::Q400Smtp ? SmtpFamily::q400 : SmtpFamily::q200;
}

Status ApplyGprsOperatorParams(SmtpSettings& settings)
{
    if (auto positions = checkPositions(settings); !positions.ok() || !settings.autoMode) {
        return positions;
    }
    const auto& params = GprsParamsFor(settings.countryIndex, settings.operatorIndex);
    settings.apn = params.apn;
    settings.account = params.account;
    settings.password = params.password;
    return Status::success();
}

Status ValidateSmtpSettings(const SmtpSettings& settings, ModelId model, const OemCodePage& codePage)
{
    const auto family = SmtpFamilyFor(model);
    if (!family) {
        return Status::failure("model " + std::to_string(model) + " has no SMTP settings");
    }
    // The Q200 header has no place for the status, so any value is harmless there.
    const auto status = *family == SmtpFamily::q400
        ? CheckFieldRange("smtpStatus", settings.smtpStatus, 0, kMaxSmtpStatus)
        : Status::success();
    for (const auto& check : {
             CheckFieldRange("picturesPerDay", settings.picturesPerDay, 0, kMaxPicturesPerDay),
             status,
             CheckFieldRange("remoteControlHour", settings.remoteControlHour, 0, kRemoteControlOff),
             checkPositions(settings),
         }) {
        if (!check.ok()) {
            return check;
        }
    }
    for (const auto& limit : kTextLimits) {
        const auto most = *family == SmtpFamily::q400 ? limit.q400Limit : limit.q200Limit;
        if (auto text = CheckTextField(limit.name, settings.*limit.field, most, codePage); !text.ok()) {
            return text;
        }
    }
    return Status::success();
}

} // namespace tamb
