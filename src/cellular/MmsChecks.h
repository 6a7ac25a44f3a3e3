#pragma once

#include "cellular/MmsDialogRules.h"
#include "cellular/MmsSettings.h"
#include "cellular/OemCodePage.h"
#include "common/AppState.h"
#include "model/DataExchange.h"
#include "model/DialogOutcome.h"

#include <cstddef>
#include <optional>
#include <string>

namespace tamb {

// The checks of the MMS dialogs' values, without the dialog: each looks at the settings as typed and at the
// rules of the model's dialog, and gives the first message the dialog shows, or nothing.

// Whether a recipient text counts as given: more than four characters.
[[nodiscard]] bool IsGivenRecipient(const std::string& text);

// The most characters the first phone number may have with the phone scope `scope`; 0 for no limit.
[[nodiscard]] std::size_t Phone1Limit(const MmsDialogRules& rules, PhoneScope scope);

// The sync's check of the first phone number against that limit.
[[nodiscard]] std::optional<DialogMessage> Phone1LengthFault(
    const std::string& phone, const MmsDialogRules& rules, PhoneScope scope);

// The recipients at Generate: with `sms` (the status list shows the SMS entry) phone numbers only, otherwise a phone
// number or an e-mail address as the model takes them.
[[nodiscard]] std::optional<DialogMessage> RecipientFault(
    const MmsSettings& typed, const MmsDialogRules& rules, bool sms);

// The parameters typed in Manual mode: centre, access point, gateway and port given, the gateway with a dot.
[[nodiscard]] std::optional<DialogMessage> ManualParameterFault(const MmsSettings& typed, const MmsDialogRules& rules);

// Remote control needs the first phone number where the dialog takes phone numbers and e-mail apart.
[[nodiscard]] std::optional<DialogMessage> RemoteControlFault(const MmsSettings& typed, const MmsDialogRules& rules);

// The first text of `settings` that the file cannot hold in `codePage`, with its edit and a message naming it in
// `language`: it would be stored as an empty field.
[[nodiscard]] std::optional<SyncFailure> UnstorableMmsText(
    const MmsSettings& settings, const MmsDialogRules& rules, const OemCodePage& codePage, LanguageId language);

} // namespace tamb
