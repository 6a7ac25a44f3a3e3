#include "smtp/SmtpAssignments.h"

#include "common/SettingText.h"
#include "model/SettingKey.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace tamb {
namespace {

// The SMS phone's edit differs by family; this stands for it.
constexpr int kSmsPhoneEdit = kNoControl;
// The lists whose identifiers differ by family (kNoControl where the family lacks them); these stand for them.
constexpr int kHourList = -2;
constexpr int kStatusList = -3;

constexpr auto kKeys = std::to_array<SettingKey>({
    { .key = "picturesPerDay", .controlId = kSmtpPicturesEditId },
    { .key = "apn", .controlId = kSmtpApnEditId },
    { .key = "account", .controlId = kSmtpAccountEditId },
    { .key = "password", .controlId = kSmtpPasswordEditId },
    { .key = "smtpServer", .controlId = kSmtpServerEditId },
    { .key = "smtpPort", .controlId = kSmtpPortEditId },
    { .key = "senderEmail", .controlId = kSmtpSenderEmailEditId },
    { .key = "senderPassword", .controlId = kSmtpSenderPasswordEditId },
    { .key = "smsPhone", .controlId = kSmsPhoneEdit },
    { .key = "recipientEmail", .controlId = kSmtpRecipientEmailEditId },
    { .key = "country", .controlId = kSmtpCountryListId, .isList = true, .autoOnly = true },
    { .key = "operator", .controlId = kSmtpOperatorListId, .isList = true, .autoOnly = true },
    { .key = "remoteControlHour", .controlId = kHourList, .isList = true },
    { .key = "smtpStatus", .controlId = kStatusList, .isList = true },
});

// The control of `key` in the model's family.
int ControlOf(const SettingKey& key, const SmtpDialogData& data)
{
    switch (key.controlId) {
    case kSmsPhoneEdit:
        return data.smsPhoneEditId;
    case kHourList:
        return data.hourListId;
    case kStatusList:
        return data.statusListId;
    default:
        return key.controlId;
    }
}

Status ApplySmtpKey(std::string_view name, std::string_view value, SmtpSettingsModel& model)
{
    const auto key = std::ranges::find(kKeys, name, &SettingKey::key);
    if (key == kKeys.end())
        return Status::failure("unknown key '" + std::string { name } + "'; see --help for the keys");
    SettingKey own = *key;
    own.controlId = ControlOf(*key, model.data());
    const SettingKeyWords words {
        .notOffered = " applies to the Q400 SMTP family only",
        .readOnly = " comes from the operator database in auto mode; give mode=manual to type it",
        .positions = "a position of its list, 0 to ",
    };
    DialogOutcome outcome;
    if (Status applied = ApplySettingKey(model, own, value, model.mode() != SmtpMode::Auto, words, outcome);
        !applied.ok())
        return applied;
    // The first message of the event refuses the key that caused it.
    if (outcome.messages.empty())
        return Status::success();
    return Status::failure(std::string { name } + ": " + outcome.messages.front().text(kEnglish));
}

} // namespace

Status ApplySmtpAssignments(SmtpSettingsModel& model, std::span<const SmtpAssignment> assignments)
{
    std::vector<SmtpAssignment> ordered;
    for (const SmtpAssignment& assignment : assignments) {
        if (assignment.first != "mode") {
            ordered.push_back(assignment);
            continue;
        }
        const std::optional<bool> autoMode = AutoModeFromText(assignment.second);
        if (!autoMode)
            return Status::failure("mode takes auto or manual");
        const auto mode = *autoMode ? SmtpMode::Auto : SmtpMode::Manual;
        if (model.mode() != mode)
            (void)model.selectionChanged(kSmtpModeListId, static_cast<int>(mode));
    }
    std::stable_partition(
        ordered.begin(), ordered.end(), [](const SmtpAssignment& assignment) { return assignment.first == "country"; });
    for (const auto& [key, value] : ordered) {
        if (Status applied = ApplySmtpKey(key, value, model); !applied.ok())
            return applied;
    }
    return Status::success();
}

} // namespace tamb
