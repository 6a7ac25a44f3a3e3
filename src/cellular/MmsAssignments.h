#pragma once

#include "cellular/MmsSettingsModel.h"
#include "common/Status.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tamb {

using MmsAssignment = std::pair<std::string, std::string>;

// Whether `key` names a setting of the MMS dialogs: mode, mmsStatus, country, operator, remoteControlHour,
// linkType, phoneScope, the texts url apn gateway port account password phone1 email phone2 phone3, and
// picturesPerDay.
[[nodiscard]] bool IsMmsKey(std::string_view key);

// Makes the settings given as KEY=VALUE through the dialog's own events, as a user of the dialog would: in the
// order above whatever the order given (the lists that refill or lock others first, each recipient before the
// ones it unlocks); of a key given twice, the last value counts. A list takes its position (mode also "auto" or
// "manual"), an edit its text. Stops at the first key the dialog does not offer, a value outside its list, or a
// check of the dialog that refuses the value, and says why.
struct MmsRefusal
{
    std::string reason;
    // The dialog's own check refused the value: `reason` is its message in `language`, as its message box shows it.
    bool byDialog = false;
};
[[nodiscard]] std::optional<MmsRefusal> ApplyMmsAssignments(
    MmsSettingsModel& model, std::span<const MmsAssignment> assignments, LanguageId language);

} // namespace tamb
