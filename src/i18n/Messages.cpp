#include "i18n/Messages.h"

#include "i18n/FileWriteTexts.h"
#include "i18n/LocalisedText.h"
#include "i18n/OperatorDataTexts.h"
#include "i18n/OwnMessageTexts.h"
#include "i18n/SmtpLoginTexts.h"

#include <array>
#include <cstddef>

namespace tamb {
namespace {

constexpr std::array kMessages {
    Message { MessageId::MenuFileGenerated, "MenuFileGenerated", "相机菜单设置文件已经生成",
        "Camera menu configuration file is generated" },
    Message { MessageId::Q400MenuFileGenerated, "Q400MenuFileGenerated", "相机菜单设置文件已经生成",
        "Configuration file is generated" },
    // The leading blank of the Chinese text belongs to it.
    Message { MessageId::FactoryFileGenerated, "FactoryFileGenerated", " 相机菜单出厂设置文件已经生成",
        "Camera menu factory settings file has been generated" },
    Message { MessageId::Q400FactoryFileGenerated, "Q400FactoryFileGenerated", "相机菜单出厂设置文件已经生成",
        "Camera menu factory settings file has been generated" },
    Message { MessageId::FileNotWritten, FileNotWrittenText },
    Message { MessageId::CardWriteProtected, CardWriteProtectedText },
    Message { MessageId::CardFull, CardFullText },
    Message { MessageId::CardMissing, CardMissingText },
    Message { MessageId::CardReadBackDiffers, CardReadBackDiffersText },
    Message { MessageId::SmtpTextNotStorable, SmtpTextNotStorableText },
    Message { MessageId::IntegerOutOfRange, "IntegerOutOfRange", "请输入一个介于%1和%2之间的值!",
        "Please enter an integer between %1 and %2!" },
    Message { MessageId::PromptInteger, PromptIntegerText },
    Message { MessageId::PromptTextTooLong, PromptTextTooLongText },
    Message { MessageId::PromptIntegerRange, PromptIntegerRangeText },
    Message { MessageId::PhoneTooManyDigits, "PhoneTooManyDigits", "最大允许手机号码位数 %1!",
        "The max allowable number of digits phone %1!" },
    Message { MessageId::PhoneNotShownInCamera, "PhoneNotShownInCamera", "手机号码将不能在相机设置菜单显示",
        "Phone number will not be displayed in the camera setup menu" },
    Message { MessageId::Phone1TooShort, "Phone1TooShort", "手机号码错误(01)", "Phone No. Error(01)" },
    Message { MessageId::Phone2TooShort, "Phone2TooShort", "手机号码错误(02)", "Phone No. Error(02)" },
    Message { MessageId::Phone3TooShort, "Phone3TooShort", "手机号码错误(03)", "Phone No. Error(03)" },
    Message { MessageId::Phone1NotDigits, "Phone1NotDigits", "手机号码只允许数字(+)",
        "Only numbers(+) are allowed phone number" },
    Message { MessageId::PhoneRecheck, "PhoneRecheck", "请重新检查手机号码是否输入正确",
        "Please re-check the phone number is entered correctly" },
    Message { MessageId::PhoneAndEmailEmpty, "PhoneAndEmailEmpty", "手机号码和Email错误(0)", "Phone & Email Error(0)" },
    Message { MessageId::PhoneOrEmailRecheck, "PhoneOrEmailRecheck", "请重新检查手机号码或者email地址是否输入正确",
        "Please re-check the phone number or email address is entered correctly" },
    Message { MessageId::EmailWithoutAt, "EmailWithoutAt", "Email 错误(@)", "Email Error(@)" },
    Message { MessageId::EmailWithoutDot, "EmailWithoutDot", "Email 错误(.)", "Email Error(.)" },
    Message { MessageId::UrlEmpty, "UrlEmpty", "彩信网址错误(0)", "URL Error(0)" },
    Message { MessageId::ApnEmpty, "ApnEmpty", "APN 错误(0)", "APN Error(0)" },
    Message { MessageId::GatewayEmpty, "GatewayEmpty", "彩信网关错误(0)", "GateWay Error(0)" },
    Message { MessageId::PortEmpty, "PortEmpty", "彩信端口错误(0)", "Port Error(0)" },
    Message { MessageId::GatewayWithoutDot, "GatewayWithoutDot", "彩信网关错误(.)", "GateWay Error(.)" },
    Message { MessageId::Q400GatewayWithoutDot, "Q400GatewayWithoutDot", "网关错误(.)", "GateWay Error(.)" },
    // Same English text as Phone1TooShort, but the Chinese one asks for the first number.
    Message {
        MessageId::RemoteControlWithoutPhone, "RemoteControlWithoutPhone", "请设置手机号码1", "Phone No. Error(01)" },
    Message { MessageId::MmsFileGenerated, "MmsFileGenerated", "MMS配置文件已生成",
        "MMS configuration file (URL|APN|Gateway|Port ...) has been generated" },
    Message { MessageId::TextNotStorable, TextNotStorableText },
    Message { MessageId::GprsApnMissing, "GprsApnMissing", "请输入GPRS APN", "GPRS APN" },
    Message { MessageId::SmtpServerMissing, "SmtpServerMissing", "请输入Smtp Server地址", "Smtp Server" },
    Message { MessageId::SmtpPortMissing, "SmtpPortMissing", "请设置端口", "Port" },
    Message { MessageId::EmailMissing, "EmailMissing", "请输入Email", "Please Input Email" },
    Message {
        MessageId::SenderPasswordMissing, "SenderPasswordMissing", "请输入发送者邮箱密码", "Sender Email Password" },
    Message { MessageId::SmsPhoneError, "SmsPhoneError", "手机号码错误", "Phone No. Error" },
    Message { MessageId::SmtpFileGenerated, "SmtpFileGenerated", "SMTP配置文件已生成",
        "SMTP configuration file has been generated" },
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
    const Message& message = CatalogueEntry(id);
    if (message.translations != nullptr) {
        return message.translations->text(language, 0);
    }
    return UiText(message.chinese, message.english, language);
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
