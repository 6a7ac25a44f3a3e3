#include "cellular/MmsDialogRules.h"

#include <array>

namespace tamb {
namespace {

constexpr std::array<std::uint8_t, 4> kFullStatusCodes { 0, 1, 2, 3 };
constexpr std::array<std::uint8_t, 3> kShortSmsThreeStatusCodes { 0, 1, 3 };
constexpr std::array<std::uint8_t, 3> kShortStatusCodes { 0, 1, 2 };

constexpr std::size_t kInternationalPhoneLimit = 32;
constexpr std::size_t kPhoneOrEmailLimit = 32;
// The edits of a model whose recipients are phone numbers or addresses alike take this many characters.
constexpr std::size_t kPhoneOrAddressLimit = 40;

constexpr MmsDialogRules kMmsDialog {
    .dialog = SetupDialog::Mms,
    .phone1Limit = 11,
    .phone1InternationalLimit = kInternationalPhoneLimit,
    .phoneOrEmailLimit = kPhoneOrEmailLimit,
    .remoteHourListId = 1134,
    .gatewayWithoutDot = MessageId::GatewayWithoutDot,
};

constexpr MmsDialogRules kQ400MmsDialog {
    .dialog = SetupDialog::Q400Mms,
    .statusList = MmsStatusList::Short,
    .phone1Limit = 12,
    .phone1InternationalLimit = kInternationalPhoneLimit,
    .phoneOrEmailLimit = kPhoneOrEmailLimit,
    .remoteHourListId = 1061,
    .gatewayWithoutDot = MessageId::Q400GatewayWithoutDot,
};

} // namespace

MmsDialogRules MmsDialogRulesFor(ModelId model)
{
    MmsDialogRules rules = MmsDialogFor(model) == SetupDialog::Q400Mms ? kQ400MmsDialog : kMmsDialog;
    const ModelMmsRules own = MmsRulesFor(model);
    rules.statusList = own.statusList;
    rules.smsPosition = own.smsPosition;
    rules.recipients = own.recipients;
    if (own.recipients == MmsRecipients::PhoneOrEmail) {
        // Either kind of recipient fits the first edit, so it is limited like an address, not like a number.
        rules.phone1Limit = 0;
        rules.phone1InternationalLimit = 0;
        rules.phone1TypingLimit = kPhoneOrAddressLimit;
        rules.phoneOrEmailLimit = kPhoneOrAddressLimit;
    }
    return rules;
}

std::span<const std::uint8_t> MmsStatusCodes(MmsStatusList list)
{
    switch (list) {
    case MmsStatusList::ShortSmsThree:
        return kShortSmsThreeStatusCodes;
    case MmsStatusList::Short:
        return kShortStatusCodes;
    case MmsStatusList::Full:
        break;
    }
    return kFullStatusCodes;
}

} // namespace tamb
