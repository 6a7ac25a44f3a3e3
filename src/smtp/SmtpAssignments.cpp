#include "smtp/SmtpAssignments.h"

#include "common/SettingText.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace tamb {
namespace {

// The edits the keys type into, by key.
struct TextKey
{
    std::string_view key;
    int controlId; // kNoControl: the SMS phone, whose edit differs by family
};

constexpr std::array kTextKeys {
    TextKey { "picturesPerDay", kSmtpPicturesEditId },
    TextKey { "apn", kSmtpApnEditId },
    TextKey { "account", kSmtpAccountEditId },
    TextKey { "password", kSmtpPasswordEditId },
    TextKey { "smtpServer", kSmtpServerEditId },
    TextKey { "smtpPort", kSmtpPortEditId },
    TextKey { "senderEmail", kSmtpSenderEmailEditId },
    TextKey { "senderPassword", kSmtpSenderPasswordEditId },
    TextKey { "smsPhone", kNoControl },
    TextKey { "recipientEmail", kSmtpRecipientEmailEditId },
};

// The lists the keys choose in, by key; the value is the position in the list.
struct ListKey
{
    std::string_view key;
    bool autoOnly; // Manual mode lists only "Other"
};

constexpr std::array kListKeys {
    ListKey { "country", true },
    ListKey { "operator", true },
    ListKey { "remoteControlHour", false },
    ListKey { "smtpStatus", false },
};

int listOf(std::string_view key, const SmtpDialogData& data)
{
    if (key == "country")
        return kSmtpCountryListId;
    if (key == "operator")
        return kSmtpOperatorListId;
    return key == "smtpStatus" ? data.statusListId : data.hourListId;
}

// The first message of an event, as a refusal of the key that caused it.
Status refusal(std::string_view key, const DialogOutcome& outcome)
{
    if (outcome.messages.empty())
        return Status::success();
    return Status::failure(std::string { key } + ": " + outcome.messages.front().text(kEnglish));
}

Status applyText(const TextKey& text, std::string_view value, SmtpSettingsModel& model)
{
    const int controlId = text.controlId == kNoControl ? model.data().smsPhoneEditId : text.controlId;
    if (model.editText(controlId) == value)
        return Status::success();
    if (model.isReadOnly(controlId)) {
        return Status::failure(
            std::string { text.key } + " comes from the operator database in auto mode; give mode=manual to type it");
    }
    return refusal(text.key, model.editChanged(controlId, std::string { value }));
}

Status applyList(const ListKey& list, std::string_view value, SmtpSettingsModel& model)
{
    const std::string key { list.key };
    if (list.autoOnly && model.mode() != SmtpMode::Auto)
        return Status::failure(key + " applies in auto mode only");
    const int controlId = listOf(list.key, model.data());
    if (controlId == kNoControl)
        return Status::failure(key + " applies to the Q400 SMTP family only");
    const auto count = model.listItems(controlId).size();
    const auto number = SmallNumberFromText(value);
    if (!number || *number >= count) {
        return Status::failure(
            BadValueMessage(key, value, "a position of its list, 0 to " + std::to_string(count - 1)));
    }
    if (model.selection(controlId) == *number)
        return Status::success();
    return refusal(list.key, model.selectionChanged(controlId, *number));
}

Status applyKey(std::string_view key, std::string_view value, SmtpSettingsModel& model)
{
    for (const TextKey& text : kTextKeys) {
        if (text.key == key)
            return applyText(text, value, model);
    }
    for (const ListKey& list : kListKeys) {
        if (list.key == key)
            return applyList(list, value, model);
    }
    return Status::failure("unknown key '" + std::string { key } + "'; see --help for the keys");
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
        if (Status applied = applyKey(key, value, model); !applied.ok())
            return applied;
    }
    return Status::success();
}

} // namespace tamb
