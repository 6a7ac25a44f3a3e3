#include "cellular/MmsDialogRules.h"

#include <algorithm>
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

// What each model changes in the rules of its dialog.
struct MmsModelRow
{
    ModelId model = 0;
    MmsStatusList statusList = MmsStatusList::Full;
    int smsPosition = kNoSmsPosition;
    MmsRecipients recipients = MmsRecipients::PhoneAndEmail;
};

// Models with MMS Setup; the others keep the rules of their catalogue dialog.
constexpr auto kModelRows = std::to_array<MmsModelRow>({
    { .model = 1, .statusList = MmsStatusList::Full, .smsPosition = 3 },
    { .model = 2, .statusList = MmsStatusList::Short, .smsPosition = 2 },
    { .model = 3, .statusList = MmsStatusList::Full, .smsPosition = 3 },
    { .model = 4, .statusList = MmsStatusList::Short, .smsPosition = 2 },
    { .model = 5, .statusList = MmsStatusList::ShortSmsThree, .smsPosition = 2 },
    { .model = 6, .statusList = MmsStatusList::ShortSmsThree, .smsPosition = 2 },
    { .model = 7, .statusList = MmsStatusList::Short, .smsPosition = 2 },
    { .model = 8, .statusList = MmsStatusList::Short },
    { .model = 9, .statusList = MmsStatusList::Full },
    { .model = 10, .statusList = MmsStatusList::Short },
    { .model = 13, .statusList = MmsStatusList::Short },
    { .model = 15, .statusList = MmsStatusList::Short },
    { .model = 16, .statusList = MmsStatusList::Short },
    { .model = 17, .statusList = MmsStatusList::Short, .recipients = MmsRecipients::PhoneOrEmail },
});

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
    const auto row = std::ranges::find(kModelRows, model, &MmsModelRow::model);
    if (row == kModelRows.end())
        return rules;
    rules.statusList = row->statusList;
    rules.smsPosition = row->smsPosition;
    rules.recipients = row->recipients;
    if (row->recipients == MmsRecipients::PhoneOrEmail) {
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
