#pragma once

#include "common/Status.h"
#include "model/DialogOutcome.h"
#include "model/SettingsModel.h"

#include <string>
#include <string_view>

namespace tamb {

// A setting that the command line makes as KEY=VALUE through a dialog's model, as a user of the dialog would: an
// edit takes the value as its text, a list the position the value names.
struct SettingKey
{
    std::string_view key;
    int controlId = kNoControl;
    bool isList = false;
    // A list that Manual mode replaces by its single "Other" entry.
    bool autoOnly = false;
    // A list of the two modes, which also takes the words "auto" and "manual".
    bool modeWords = false;
    // The command checked the value together with all the others before applying any (the camera's keys, whose
    // limits depend on each other). It is then the control's event as such: picking the entry a list shows runs
    // its handler again, as a click on it does, and a locked edit keeps the value for when its switch unlocks it.
    bool checkedBeforehand = false;
};

// What a command says after the key when a setting cannot be made.
struct SettingKeyWords
{
    // The model's dialog has no such control (no identifier, or not shown).
    std::string notOffered;
    // The edit is read-only as the dialog stands.
    std::string_view readOnly;
    // The positions a list takes, followed by its last position.
    std::string_view positions;
};

// Makes `value` the setting `key` through the model's own events: a list key first checks that it applies in the
// mode (`manualMode`: Manual is chosen) and names a position of the list; an edit key that the edit is shown and
// not read-only. As in the dialog, typing the text an edit already shows or picking the entry a list already shows
// changes nothing; a hidden list keeps what it shows. A key `checkedBeforehand` is only the control's event. A
// refusal says why, in English; otherwise `outcome` is what the event gave, for the command to judge.
[[nodiscard]] Status ApplySettingKey(SettingsModel& model, const SettingKey& key, std::string_view value,
    bool manualMode, const SettingKeyWords& words, DialogOutcome& outcome);

} // namespace tamb
