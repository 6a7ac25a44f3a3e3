#include "cellular/MmsAssignments.h"

#include "model/SettingKey.h"

#include <algorithm>
#include <array>
#include <optional>

namespace tamb {
namespace {

// The remote-control hour list has another identifier in each dialog; this stands for it.
constexpr int kRemoteHourList = 0;

// In the order they are applied, as a user would set them.
constexpr auto kKeys = std::to_array<SettingKey>({
    { .key = "mode", .controlId = mms::kModeList, .isList = true, .modeWords = true },
    { .key = "mmsStatus", .controlId = mms::kStatusList, .isList = true },
    { .key = "country", .controlId = mms::kCountryList, .isList = true, .autoOnly = true },
    { .key = "operator", .controlId = mms::kOperatorList, .isList = true, .autoOnly = true },
    { .key = "remoteControlHour", .controlId = kRemoteHourList, .isList = true },
    { .key = "linkType", .controlId = mms::kLinkTypeList, .isList = true },
    { .key = "phoneScope", .controlId = mms::kPhoneScopeList, .isList = true },
    { .key = "url", .controlId = mms::kUrlEdit },
    { .key = "apn", .controlId = mms::kApnEdit },
    { .key = "gateway", .controlId = mms::kGatewayEdit },
    { .key = "port", .controlId = mms::kPortEdit },
    { .key = "account", .controlId = mms::kAccountEdit },
    { .key = "password", .controlId = mms::kPasswordEdit },
    { .key = "phone1", .controlId = mms::kPhone1Edit },
    { .key = "email", .controlId = mms::kEmailEdit },
    { .key = "phone2", .controlId = mms::kPhone2Edit },
    { .key = "phone3", .controlId = mms::kPhone3Edit },
    { .key = "picturesPerDay", .controlId = mms::kPicturesPerDayEdit },
});

// The last value given for `key`, if any.
std::optional<std::string> ValueOf(std::span<const MmsAssignment> assignments, std::string_view key)
{
    std::optional<std::string> value;
    for (const auto& [given, text] : assignments) {
        if (given == key)
            value = text;
    }
    return value;
}

// Makes one setting through the dialog's model.
Status ApplyKey(MmsSettingsModel& dialog, SettingKey key, const std::string& value, DialogOutcome& outcome)
{
    if (key.controlId == kRemoteHourList)
        key.controlId = dialog.remoteHourListId();
    const SettingKeyWords words {
        .notOffered = " is not offered for model " + std::to_string(dialog.app().model),
        .readOnly = " cannot be typed with these settings: the dialog shows it read-only (the operator parameters need"
                    " mode=manual and no SMS status, a further recipient needs the one before it)",
        .positions = "a position from 0 to ",
    };
    return ApplySettingKey(dialog, key, value, dialog.mode() == MmsMode::Manual, words, outcome);
}

} // namespace

bool IsMmsKey(std::string_view key)
{
    return std::ranges::any_of(kKeys, [key](const SettingKey& known) { return known.key == key; });
}

std::optional<MmsRefusal> ApplyMmsAssignments(
    MmsSettingsModel& model, std::span<const MmsAssignment> assignments, LanguageId language)
{
    for (const SettingKey& key : kKeys) {
        const std::optional<std::string> value = ValueOf(assignments, key.key);
        if (!value)
            continue;
        DialogOutcome outcome;
        if (Status applied = ApplyKey(model, key, *value, outcome); !applied.ok())
            return MmsRefusal { .reason = applied.reason() };
        // A check that stops the dialog's sync refuses the value; a notice does not.
        if (outcome.focusControl)
            return MmsRefusal { .reason = outcome.messages.front().text(language), .byDialog = true };
    }
    return std::nullopt;
}

} // namespace tamb
