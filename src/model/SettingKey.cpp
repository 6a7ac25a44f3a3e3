#include "model/SettingKey.h"

#include "common/SettingText.h"

#include <optional>

namespace tamb {
namespace {

// The position a list key's value selects.
std::optional<int> PositionOf(const SettingKey& key, std::string_view value)
{
    if (key.modeWords) {
        const std::optional<bool> autoMode = AutoModeFromText(value);
        return autoMode ? std::optional<int> { *autoMode ? 0 : 1 } : std::nullopt;
    }
    if (const std::optional<std::uint8_t> number = SmallNumberFromText(value))
        return *number;
    return std::nullopt;
}

Status ApplyText(SettingsModel& model, const SettingKey& key, std::string_view value, const SettingKeyWords& words,
    DialogOutcome& outcome)
{
    if (key.checkedBeforehand) {
        outcome = model.editChanged(key.controlId, std::string { value });
        return Status::success();
    }
    if (!model.isShown(key.controlId))
        return Status::failure(std::string { key.key } + words.notOffered);
    if (model.editText(key.controlId) == value)
        return Status::success();
    if (model.isReadOnly(key.controlId))
        return Status::failure(std::string { key.key } + std::string { words.readOnly });
    outcome = model.editChanged(key.controlId, std::string { value });
    return Status::success();
}

Status ApplyList(SettingsModel& model, const SettingKey& key, std::string_view value, bool manualMode,
    const SettingKeyWords& words, DialogOutcome& outcome)
{
    const std::string name { key.key };
    if (key.autoOnly && manualMode)
        return Status::failure(name + " applies in auto mode only");
    if (key.controlId == kNoControl)
        return Status::failure(name + words.notOffered);
    const auto count = static_cast<int>(model.listItems(key.controlId).size());
    const std::optional<int> position = PositionOf(key, value);
    if (!position || *position >= count) {
        const std::string allowed
            = key.modeWords ? "auto or manual" : std::string { words.positions } + std::to_string(count - 1);
        return Status::failure(BadValueMessage(key.key, value, allowed));
    }
    if (key.checkedBeforehand) {
        outcome = model.selectionChanged(key.controlId, *position);
        return Status::success();
    }
    if (model.selection(key.controlId) == *position)
        return Status::success();
    if (!model.isShown(key.controlId))
        return Status::failure(name + words.notOffered);
    outcome = model.selectionChanged(key.controlId, *position);
    return Status::success();
}

} // namespace

Status ApplySettingKey(SettingsModel& model, const SettingKey& key, std::string_view value, bool manualMode,
    const SettingKeyWords& words, DialogOutcome& outcome)
{
    return key.isList ? ApplyList(model, key, value, manualMode, words, outcome)
                      : ApplyText(model, key, value, words, outcome);
}

} // namespace tamb
