#pragma once

#include "common/AppState.h"

#include <array>
#include <concepts>
#include <span>
#include <string>
#include <string_view>

namespace tamb {

// Every message the application shows in a message box, named for its purpose. Placeholders are written %1, %2.
// (The functions avoid the names FormatMessage and GetMessage, which the Windows headers define as macros.)
enum class MessageId
{
    // Results of writing menu.dat.
    MenuFileGenerated,
    Q400MenuFileGenerated,
    FactoryFileGenerated,
    Q400FactoryFileGenerated,
    // A final file could not be written (%1 its path, %2 the reason); the previous file is kept.
    FileNotWritten,
    // A text of a cellular settings file that the camera cannot store: a character its code page lacks, or too
    // many bytes for the record.
    SmtpTextNotStorable,
    // Data exchange of the setup dialogs.
    IntegerOutOfRange,
    PromptInteger,
    PromptTextTooLong,
    PromptIntegerRange,
    // MMS dialogs.
    PhoneTooManyDigits,
    PhoneNotShownInCamera,
    Phone1TooShort,
    Phone2TooShort,
    Phone3TooShort,
    Phone1NotDigits,
    PhoneRecheck,
    PhoneAndEmailEmpty,
    PhoneOrEmailRecheck,
    EmailWithoutAt,
    EmailWithoutDot,
    UrlEmpty,
    ApnEmpty,
    GatewayEmpty,
    PortEmpty,
    GatewayWithoutDot,
    Q400GatewayWithoutDot,
    RemoteControlWithoutPhone,
    MmsFileGenerated,
    // A text (%1 the caption of its edit) that the code page of the settings files cannot hold or fit.
    TextNotStorable,
    // SMTP dialogs.
    GprsApnMissing,
    SmtpServerMissing,
    SmtpPortMissing,
    EmailMissing,
    SenderPasswordMissing,
    SmsPhoneError,
    SmtpFileGenerated,
    // The dialog's folder holds a file (%1 its path) that the dialog could have written: load it?
    LoadExistingFile,
    // The file offered (%1 its path) could not be loaded after all (%2 why).
    FileNotLoaded,
    // The download page (%1 its address) could not be opened: no browser.
    DownloadPageNotOpened,
};

struct Message
{
    MessageId id;
    std::string_view name;
    std::string_view chinese;
    std::string_view english;
};

// The whole catalogue in MessageId order.
[[nodiscard]] std::span<const Message> AllMessages();

// The catalogue row of `id`.
[[nodiscard]] const Message& CatalogueEntry(MessageId id);

// The message's pattern for `language`: Chinese for Chinese, English for every other language.
[[nodiscard]] std::string_view MessageText(MessageId id, LanguageId language);

// The message's pattern for the language on screen.
[[nodiscard]] inline std::string_view MessageText(MessageId id, const AppState& state)
{
    return MessageText(id, state.language);
}

// Replaces %1..%9 in `pattern` by the matching argument; a placeholder without an argument and any other "%"
// stay as they are.
[[nodiscard]] std::string FillPlaceholders(std::string_view pattern, std::span<const std::string> args);

namespace detail {
[[nodiscard]] inline std::string MessageArgument(std::string_view text)
{
    return std::string { text };
}
[[nodiscard]] inline std::string MessageArgument(std::integral auto number)
{
    return std::to_string(number);
}
} // namespace detail

// The message for `language` with its placeholders filled from `args` (numbers or texts) in order.
template <typename... Args>
[[nodiscard]] std::string FormattedMessage(MessageId id, LanguageId language, const Args&... args)
{
    const std::array<std::string, sizeof...(Args)> texts { detail::MessageArgument(args)... };
    return FillPlaceholders(MessageText(id, language), texts);
}

} // namespace tamb
