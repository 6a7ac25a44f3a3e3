#include "cellular/MmsAssignments.h"

#include "common/SettingText.h"

#include <algorithm>
#include <array>
#include <optional>

namespace tamb {
namespace {

// A key and the control of the MMS dialog it sets. `autoOnly`: a list that Manual mode replaces by "Other".
struct MmsKey
{
    std::string_view key;
    int controlId;
    bool isList = false;
    bool autoOnly = false;
};

// The remote-control hour list has another identifier in each dialog; this stands for it.
constexpr int kRemoteHourList = 0;

// In the order they are applied, as a user would set them.
constexpr auto kKeys = std::to_array<MmsKey>({
    { .key = "mode", .controlId = mms::kModeList, .isList = true },
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

// The position a list key selects; mode also takes its words.
std::optional<int> PositionOf(const MmsKey& key, const std::string& value)
{
    if (key.controlId == mms::kModeList) {
        const std::optional<bool> autoMode = AutoModeFromText(value);
        return autoMode ? std::optional<int> { *autoMode ? 0 : 1 } : std::nullopt;
    }
    if (const std::optional<std::uint8_t> number = SmallNumberFromText(value))
        return *number;
    return std::nullopt;
}

// Makes one setting through the dialog's model. As in the dialog, typing the text an edit already shows or
// picking the entry a list already shows changes nothing.
Status ApplyKey(MmsSettingsModel& dialog, const MmsKey& key, const std::string& value, DialogOutcome& outcome)
{
    const int controlId = key.controlId == kRemoteHourList ? dialog.remoteHourListId() : key.controlId;
    const std::string name { key.key };
    const auto notOffered
        = [&] { return Status::failure(name + " is not offered for model " + std::to_string(dialog.app().model)); };
    if (!key.isList) {
        if (!dialog.isShown(controlId))
            return notOffered();
        if (dialog.editText(controlId) == value)
            return Status::success();
        if (dialog.isReadOnly(controlId)) {
            return Status::failure(name
                + " cannot be typed with these settings: the dialog shows it read-only (the operator parameters need"
                  " mode=manual and no SMS status, a further recipient needs the one before it)");
        }
        outcome = dialog.editChanged(controlId, value);
        return Status::success();
    }
    if (key.autoOnly && dialog.mode() == MmsMode::Manual)
        return Status::failure(name + " applies in auto mode only");
    const auto count = static_cast<int>(dialog.listItems(controlId).size());
    const std::optional<int> position = PositionOf(key, value);
    if (!position || *position >= count) {
        const std::string allowed
            = key.controlId == mms::kModeList ? "auto or manual" : "a position from 0 to " + std::to_string(count - 1);
        return Status::failure(BadValueMessage(key.key, value, allowed));
    }
    if (dialog.selection(controlId) == *position)
        return Status::success();
    // A hidden list keeps what it shows; a key that repeats it changes nothing, like any other list.
    if (!dialog.isShown(controlId))
        return notOffered();
    outcome = dialog.selectionChanged(controlId, *position);
    return Status::success();
}

} // namespace

bool IsMmsKey(std::string_view key)
{
    return std::ranges::any_of(kKeys, [key](const MmsKey& known) { return known.key == key; });
}

std::optional<MmsRefusal> ApplyMmsAssignments(
    MmsSettingsModel& model, std::span<const MmsAssignment> assignments, LanguageId language)
{
    for (const MmsKey& key : kKeys) {
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
