#pragma once

#include "common/AppState.h"
#include "common/ModelCatalogue.h"
#include "i18n/Messages.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace tamb {

// What an MMS dialog does differently for a model: the dialog it is, its status list, which status position
// means SMS (handled apart: no e-mail, SMS-only checks), the limits of the recipient edits, the identifier of its
// remote-control hour list and the message for a gateway without a dot.
struct MmsDialogRules
{
    SetupDialog dialog = SetupDialog::Mms;
    MmsStatusList statusList = MmsStatusList::Full;
    int smsPosition = kNoSmsPosition;
    MmsRecipients recipients = MmsRecipients::PhoneAndEmail;
    // The most characters of the first phone number with the China and the International scope; 0 when the
    // first edit is not checked as a phone number.
    std::size_t phone1Limit = 0;
    std::size_t phone1InternationalLimit = 0;
    // The typing limit of the first recipient edit; 0 for none.
    std::size_t phone1TypingLimit = 0;
    std::size_t phoneOrEmailLimit = 0;
    int remoteHourListId = 0;
    MessageId gatewayWithoutDot = MessageId::GatewayWithoutDot;

    [[nodiscard]] bool phoneScopeShown() const { return recipients == MmsRecipients::PhoneAndEmail; }
};

// The rules of the MMS dialog of `model`; a model without MMS Setup gets those of the dialog the catalogue names.
[[nodiscard]] MmsDialogRules MmsDialogRulesFor(ModelId model);

// The status codes of the positions of a status list.
[[nodiscard]] std::span<const std::uint8_t> MmsStatusCodes(MmsStatusList list);

} // namespace tamb
