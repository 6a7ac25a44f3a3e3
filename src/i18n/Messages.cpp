#include "i18n/Messages.h"

#include "i18n/CheckMessageTexts.h"
#include "i18n/CloseQuestionTexts.h"
#include "i18n/FileWriteTexts.h"
#include "i18n/MessageHintTexts.h"
#include "i18n/OperatorDataTexts.h"
#include "i18n/OperatorMessageTexts.h"
#include "i18n/OwnMessageTexts.h"
#include "i18n/SmtpLoginTexts.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace tamb {
namespace {

constexpr std::array kMessages {
    Message { MessageId::MenuFileGenerated, MenuFileGeneratedText },
    Message { MessageId::Q400MenuFileGenerated, Q400MenuFileGeneratedText },
    Message { MessageId::FactoryFileGenerated, FactoryFileGeneratedText },
    Message { MessageId::Q400FactoryFileGenerated, Q400FactoryFileGeneratedText },
    Message { MessageId::FileNotWritten, FileNotWrittenText },
    Message { MessageId::CardWriteProtected, CardWriteProtectedText },
    Message { MessageId::CardFull, CardFullText },
    Message { MessageId::CardMissing, CardMissingText },
    Message { MessageId::CardReadBackDiffers, CardReadBackDiffersText },
    Message { MessageId::CardBusy, CardBusyText },
    Message { MessageId::FileNotConfirmed, FileNotConfirmedText },
    Message { MessageId::WorkingFileWiped, WorkingFileWipedText },
    Message { MessageId::WorkingFileLeft, WorkingFileLeftText },
    Message { MessageId::FileWrittenOwnerOnly, FileWrittenOwnerOnlyText },
    Message { MessageId::SmtpTextNotStorable, SmtpTextNotStorableText },
    Message { MessageId::IntegerOutOfRange, IntegerOutOfRangeText },
    Message { MessageId::PromptInteger, PromptIntegerText },
    Message { MessageId::PromptTextTooLong, PromptTextTooLongText },
    Message { MessageId::PromptIntegerRange, PromptIntegerRangeText },
    Message { MessageId::ClockNotTime, ClockNotTimeText },
    Message { MessageId::PhoneTooManyDigits, PhoneTooManyDigitsText },
    Message { MessageId::PhoneNotShownInCamera, PhoneNotShownInCameraText },
    Message { MessageId::Phone1TooShort, Phone1TooShortText },
    Message { MessageId::Phone2TooShort, Phone2TooShortText },
    Message { MessageId::Phone3TooShort, Phone3TooShortText },
    Message { MessageId::Phone1NotDigits, Phone1NotDigitsText },
    Message { MessageId::PhoneRecheck, PhoneRecheckText },
    Message { MessageId::PhoneAndEmailEmpty, PhoneAndEmailEmptyText },
    Message { MessageId::PhoneOrEmailRecheck, PhoneOrEmailRecheckText },
    Message { MessageId::EmailWithoutAt, EmailWithoutAtText },
    Message { MessageId::EmailWithoutDot, EmailWithoutDotText },
    Message { MessageId::UrlEmpty, UrlEmptyText },
    Message { MessageId::ApnEmpty, ApnEmptyText },
    Message { MessageId::GatewayEmpty, GatewayEmptyText },
    Message { MessageId::PortEmpty, PortEmptyText },
    Message { MessageId::GatewayWithoutDot, GatewayWithoutDotText },
    Message { MessageId::Q400GatewayWithoutDot, Q400GatewayWithoutDotText },
    Message { MessageId::RemoteControlWithoutPhone, RemoteControlWithoutPhoneText },
    Message { MessageId::OperatorWithoutParameters, OperatorWithoutParametersText },
    Message { MessageId::MmsFileGenerated, MmsFileGeneratedText },
    Message { MessageId::TextNotStorable, TextNotStorableText },
    Message { MessageId::GprsApnMissing, GprsApnMissingText },
    Message { MessageId::SmtpServerMissing, SmtpServerMissingText },
    Message { MessageId::SmtpPortMissing, SmtpPortMissingText },
    Message { MessageId::EmailMissing, EmailMissingText },
    Message { MessageId::SenderPasswordMissing, SenderPasswordMissingText },
    Message { MessageId::SmsPhoneError, SmsPhoneErrorText },
    Message { MessageId::SmtpFileGenerated, SmtpFileGeneratedText },
    Message { MessageId::LoadExistingFile, LoadExistingFileText },
    Message { MessageId::FileNotLoaded, FileNotLoadedText },
    Message { MessageId::DownloadPageNotOpened, DownloadPageNotOpenedText },
    Message { MessageId::SmtpPortNotNumber, SmtpPortNotNumberText },
    Message { MessageId::SmtpServerNotHostName, SmtpServerNotHostNameText },
    Message { MessageId::SmtpLoginAcceptedWithTls, SmtpLoginAcceptedWithTlsText },
    Message { MessageId::SmtpLoginAcceptedWithoutTls, SmtpLoginAcceptedWithoutTlsText },
    Message { MessageId::SmtpLoginRefused, SmtpLoginRefusedText },
    Message { MessageId::SmtpLoginNotOffered, SmtpLoginNotOfferedText },
    Message { MessageId::SmtpServerUnreachable, SmtpServerUnreachableText },
    Message { MessageId::SmtpTlsFailed, SmtpTlsFailedText },
    Message { MessageId::SmtpNoAnswer, SmtpNoAnswerText },
    Message { MessageId::SmtpConversationFailed, SmtpConversationFailedText },
    Message { MessageId::SmtpCheckCancelled, SmtpCheckCancelledText },
    Message { MessageId::SmtpPlainLoginNotAllowed, SmtpPlainLoginNotAllowedText },
    Message { MessageId::SmtpPlainLoginQuestion, SmtpPlainLoginQuestionText },
    Message { MessageId::CloseWithoutWriting, CloseWithoutWritingText },
    Message { MessageId::ParameterSourceDatabase, ParameterSourceDatabaseText },
    Message { MessageId::ParameterSourceBuiltIn, ParameterSourceBuiltInText },
    Message { MessageId::ParameterSourceNone, ParameterSourceNoneText },
    Message { MessageId::MmsEnded, MmsEndedText },
    Message { MessageId::MmsEndedWriteAnyway, MmsEndedWriteAnywayText },
};

// CatalogueEntry indexes the catalogue by MessageId, so the rows must follow the enumeration without a gap.
constexpr bool InMessageIdOrder()
{
    for (std::size_t i = 0; i < kMessages.size(); ++i) {
        if (static_cast<std::size_t>(kMessages[i].id) != i) {
            return false;
        }
    }
    return static_cast<std::size_t>(MessageId::MmsEndedWriteAnyway) + 1 == kMessages.size();
}
static_assert(InMessageIdOrder(), "the message catalogue lists every MessageId once, in order");

// The checks that say what to do about them, with the sentence that says it.
struct MessageHintRow
{
    MessageId id;
    const LocalisedTable<1>* hint;
};

constexpr auto kMessageHints = std::to_array<MessageHintRow>({
    { MessageId::IntegerOutOfRange, &RangeHint },
    { MessageId::PromptIntegerRange, &RangeHint },
    { MessageId::PromptInteger, &IntegerHint },
    { MessageId::PromptTextTooLong, &TooLongHint },
    { MessageId::PhoneTooManyDigits, &PhoneLongHint },
    { MessageId::Phone1TooShort, &PhoneShortHint },
    { MessageId::Phone2TooShort, &PhoneShortHint },
    { MessageId::Phone3TooShort, &PhoneShortHint },
    { MessageId::Phone1NotDigits, &PhoneDigitsHint },
    { MessageId::PhoneRecheck, &PhoneFixHint },
    { MessageId::SmsPhoneError, &PhoneFixHint },
    { MessageId::PhoneAndEmailEmpty, &NoRecipientHint },
    { MessageId::PhoneOrEmailRecheck, &RecipientFixHint },
    { MessageId::EmailWithoutAt, &EmailHint },
    { MessageId::EmailWithoutDot, &EmailHint },
    { MessageId::UrlEmpty, &UrlHint },
    { MessageId::ApnEmpty, &ApnHint },
    { MessageId::GprsApnMissing, &ApnHint },
    { MessageId::GatewayEmpty, &GatewayHint },
    { MessageId::GatewayWithoutDot, &GatewayHint },
    { MessageId::Q400GatewayWithoutDot, &GatewayHint },
    { MessageId::PortEmpty, &PortHint },
    { MessageId::RemoteControlWithoutPhone, &RemoteHint },
    { MessageId::SmtpServerMissing, &SmtpServerHint },
    { MessageId::SmtpPortMissing, &SmtpPortHint },
    { MessageId::SmtpPortNotNumber, &SmtpPortHint },
    { MessageId::EmailMissing, &EmailMissingHint },
    { MessageId::SenderPasswordMissing, &PasswordHint },
    { MessageId::TextNotStorable, &StorableHint },
    { MessageId::SmtpTextNotStorable, &StorableHint },
});

} // namespace

std::span<const Message> AllMessages()
{
    return kMessages;
}

const Message& CatalogueEntry(MessageId id)
{
    return kMessages[static_cast<std::size_t>(id)];
}

std::string_view MessageText(MessageId id, LanguageId language)
{
    return CatalogueEntry(id).translations->text(language, 0);
}

std::string_view MessageHint(MessageId id, LanguageId language)
{
    const auto found = std::ranges::find(kMessageHints, id, &MessageHintRow::id);
    return found != kMessageHints.end() ? found->hint->text(language, 0) : std::string_view {};
}

std::string FillPlaceholders(std::string_view pattern, std::span<const std::string> args)
{
    std::string result;
    result.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9') {
            const auto argument = static_cast<std::size_t>(next - '1');
            if (argument < args.size()) {
                result += args[argument];
                ++i;
                continue;
            }
        }
        result += pattern[i];
    }
    return result;
}

} // namespace tamb
