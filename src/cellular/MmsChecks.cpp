#include "cellular/MmsChecks.h"

#include "cellular/CellularRecord.h"
#include "cellular/MmsControls.h"
#include "common/Utf8Text.h"
#include "i18n/MmsTexts.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>

namespace tamb {
namespace {

using namespace mms;

// A recipient needs more than this many characters to count as given.
constexpr std::size_t kShortRecipient = 4;

[[nodiscard]] std::size_t Length(const std::string& text)
{
    return Utf16Length(text);
}

// Digits only, after the first `skipped` characters (whole characters, not bytes of their UTF-8 form).
[[nodiscard]] bool DigitsAfter(const std::string& text, std::size_t skipped)
{
    const std::u32string characters = CodePointsFromUtf8(text);
    return std::all_of(characters.begin() + static_cast<std::ptrdiff_t>(std::min(skipped, characters.size())),
        characters.end(), [](char32_t c) { return c >= U'0' && c <= U'9'; });
}

[[nodiscard]] bool DigitsAndPlus(const std::string& text)
{
    return std::ranges::all_of(text, [](char c) { return (c >= '0' && c <= '9') || c == '+'; });
}

[[nodiscard]] bool Contains(const std::string& text, char c)
{
    return text.find(c) != std::string::npos;
}

// Each phone number given but too short, then a first number that is not digits.
std::optional<DialogMessage> ShortRecipientFault(const MmsSettings& typed)
{
    constexpr std::array kTooShort { MessageId::Phone1TooShort, MessageId::Phone2TooShort, MessageId::Phone3TooShort };
    const std::array<const std::string*, 3> phones { &typed.phone1, &typed.phone2, &typed.phone3 };
    for (std::size_t i = 0; i < phones.size(); ++i) {
        const std::size_t length = Length(*phones[i]);
        if (length >= 1 && length <= kShortRecipient)
            return DialogMessage::of(kTooShort[i]);
    }
    // An international number may start with anything, usually "+".
    const bool international = typed.phoneScope == PhoneScope::International;
    if (IsGivenRecipient(typed.phone1) && !DigitsAfter(typed.phone1, international ? 1 : 0))
        return DialogMessage::of(MessageId::Phone1NotDigits);
    return std::nullopt;
}

std::optional<DialogMessage> SmsRecipientFault(const MmsSettings& typed)
{
    if (std::optional<DialogMessage> failure = ShortRecipientFault(typed))
        return failure;
    for (const std::string* phone : { &typed.phone2, &typed.phone3 }) {
        if (IsGivenRecipient(*phone) && !DigitsAndPlus(*phone))
            return DialogMessage::of(MessageId::PhoneRecheck);
    }
    return std::nullopt;
}

std::optional<DialogMessage> MmsRecipientFault(const MmsSettings& typed, const MmsDialogRules& rules)
{
    if (typed.phone1.empty() && typed.email.empty())
        return DialogMessage::of(MessageId::PhoneAndEmailEmpty);
    const bool phoneOrEmail = rules.recipients == MmsRecipients::PhoneOrEmail;
    // A phone number or, with "@", an address.
    const auto recipientIsSound = [](const std::string& text) { return Contains(text, '@') || DigitsAndPlus(text); };
    if (phoneOrEmail) {
        if (IsGivenRecipient(typed.phone1) && !recipientIsSound(typed.phone1))
            return DialogMessage::of(MessageId::PhoneOrEmailRecheck);
    } else if (std::optional<DialogMessage> failure = ShortRecipientFault(typed)) {
        return failure;
    }
    for (const std::string* phone : { &typed.phone2, &typed.phone3 }) {
        if (IsGivenRecipient(*phone) && !recipientIsSound(*phone))
            return DialogMessage::of(MessageId::PhoneOrEmailRecheck);
    }
    if (typed.email.empty())
        return std::nullopt;
    if (phoneOrEmail)
        return recipientIsSound(typed.email) ? std::nullopt
                                             : std::optional { DialogMessage::of(MessageId::PhoneOrEmailRecheck) };
    if (!Contains(typed.email, '@'))
        return DialogMessage::of(MessageId::EmailWithoutAt);
    if (!Contains(typed.email, '.'))
        return DialogMessage::of(MessageId::EmailWithoutDot);
    return std::nullopt;
}

} // namespace

bool IsGivenRecipient(const std::string& text)
{
    return Length(text) > kShortRecipient;
}

std::size_t Phone1Limit(const MmsDialogRules& rules, PhoneScope scope)
{
    return scope == PhoneScope::International ? rules.phone1InternationalLimit : rules.phone1Limit;
}

std::optional<DialogMessage> Phone1LengthFault(const std::string& phone, const MmsDialogRules& rules, PhoneScope scope)
{
    const std::size_t limit = Phone1Limit(rules, scope);
    if (limit == 0 || Length(phone) <= limit)
        return std::nullopt;
    return DialogMessage::of(MessageId::PhoneTooManyDigits, limit);
}

std::optional<DialogMessage> RecipientFault(const MmsSettings& typed, const MmsDialogRules& rules, bool sms)
{
    return sms ? SmsRecipientFault(typed) : MmsRecipientFault(typed, rules);
}

std::optional<DialogMessage> ManualParameterFault(const MmsSettings& typed, const MmsDialogRules& rules)
{
    const std::array<std::pair<const std::string*, MessageId>, 4> required { {
        { &typed.url, MessageId::UrlEmpty },
        { &typed.apn, MessageId::ApnEmpty },
        { &typed.gateway, MessageId::GatewayEmpty },
        { &typed.port, MessageId::PortEmpty },
    } };
    for (const auto& [value, message] : required) {
        if (value->empty())
            return DialogMessage::of(message);
    }
    if (!Contains(typed.gateway, '.'))
        return DialogMessage::of(rules.gatewayWithoutDot);
    return std::nullopt;
}

std::optional<DialogMessage> RemoteControlFault(const MmsSettings& typed, const MmsDialogRules& rules)
{
    if (typed.remoteControlHour != kRemoteControlOff && rules.recipients == MmsRecipients::PhoneAndEmail
        && !IsGivenRecipient(typed.phone1))
        return DialogMessage::of(MessageId::RemoteControlWithoutPhone);
    return std::nullopt;
}

std::optional<SyncFailure> UnstorableMmsText(
    const MmsSettings& settings, const MmsDialogRules& rules, const OemCodePage& codePage, LanguageId language)
{
    const bool phoneOrEmail = rules.recipients == MmsRecipients::PhoneOrEmail;
    const std::string_view recipient = PhoneOrEmailText.text(language, 0);
    const std::array<std::tuple<int, const std::string*, std::string_view>, 10> fields { {
        { kUrlEdit, &settings.url, UrlText.text(language, 0) },
        { kApnEdit, &settings.apn, "APN" },
        { kGatewayEdit, &settings.gateway, GatewayText.text(language, 0) },
        { kPortEdit, &settings.port, PortText.text(language, 0) },
        { kPhone1Edit, &settings.phone1, phoneOrEmail ? recipient : PhoneNoText.text(language, 0) },
        { kEmailEdit, &settings.email, phoneOrEmail ? recipient : EmailText.text(language, 0) },
        { kAccountEdit, &settings.account, AccountText.text(language, 0) },
        { kPasswordEdit, &settings.password, PasswordText.text(language, 0) },
        { kPhone2Edit, &settings.phone2, recipient },
        { kPhone3Edit, &settings.phone3, recipient },
    } };
    for (const auto& [controlId, text, caption] : fields) {
        if (!TextFitsRecord(*text, codePage))
            return SyncFailure { controlId, DialogMessage::of(MessageId::TextNotStorable, caption) };
    }
    return std::nullopt;
}

} // namespace tamb
