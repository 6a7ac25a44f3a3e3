#pragma once

#include "common/AppState.h"
#include "i18n/LocalisedTable.h"

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
    // A final file (%1 its path) could not be written because the card is locked, full or gone; the previous
    // file is kept.
    CardWriteProtected,
    CardFull,
    CardMissing,
    // A new final file (%1 its path) read back otherwise than it was written; the previous file is kept.
    CardReadBackDiffers,
    // Another write into the folder held its lock too long (%1 the file's path); the previous file is kept.
    CardBusy,
    // The new file (%1) is in place, but the card did not confirm that its folder is stored.
    FileNotConfirmed,
    // The final file (%1) is written; the working file mms.dat could not be removed and was overwritten with
    // zeros, or could not even be overwritten.
    WorkingFileWiped,
    WorkingFileLeft,
    // The file (%1) is written, but only for its owner: the earlier file's access rights could not be kept.
    FileWrittenOwnerOnly,
    // A text of a cellular settings file that the camera cannot store: a character its code page lacks, or too
    // many bytes for the record.
    SmtpTextNotStorable,
    // Data exchange of the setup dialogs.
    IntegerOutOfRange,
    PromptInteger,
    PromptTextTooLong,
    PromptIntegerRange,
    // The clock text read at Generate is no date and time of the calendar: %1 an example of the layout, %2 and
    // %3 the first and last year the camera takes.
    ClockNotTime,
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
    // Auto mode with an operator that has no parameters (%1 the Manual entry of the mode list); MMS and SMTP.
    OperatorWithoutParameters,
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
    // The check of an e-mail account: %1 the server, %2 the port, %3 the server's reply line after a blank line
    // (or nothing), %4 the time limit in seconds.
    SmtpPortNotNumber,
    SmtpServerNotHostName,
    SmtpLoginAcceptedWithTls,
    SmtpLoginAcceptedWithoutTls,
    SmtpLoginRefused,
    SmtpLoginNotOffered,
    SmtpServerUnreachable,
    SmtpTlsFailed,
    SmtpNoAnswer,
    SmtpConversationFailed,
    SmtpCheckCancelled,
    // The server (%1) offers no encryption on its port (%2): no login was attempted, or may it go ahead readable?
    SmtpPlainLoginNotAllowed,
    SmtpPlainLoginQuestion,
    // A setup dialog is closed while its settings differ from what was last written or loaded.
    CloseWithoutWriting,
    // Where the operator's parameters come from in Auto mode: the provider database or the built-in table (%1 the
    // date of its data), or nowhere.
    ParameterSourceDatabase,
    ParameterSourceBuiltIn,
    ParameterSourceNone,
    // The chosen operator (%1) ended MMS on %2; the question asks whether to write setup.dat anyway.
    MmsEnded,
    MmsEndedWriteAnyway,
};

// A row of the catalogue: a message named and worded by its table, one text per language.
struct Message
{
    constexpr Message(MessageId messageId, const LocalisedTable<1>& table)
        : id(messageId)
        , name(table.name)
        , translations(&table)
    {
    }

    [[nodiscard]] std::string_view chinese() const { return translations->text(kChinese, 0); }
    [[nodiscard]] std::string_view english() const { return translations->text(kEnglish, 0); }

    MessageId id;
    std::string_view name;
    // The texts of every language.
    const LocalisedTable<1>* translations = nullptr;
};

// The whole catalogue in MessageId order.
[[nodiscard]] std::span<const Message> AllMessages();

// The catalogue row of `id`.
[[nodiscard]] const Message& CatalogueEntry(MessageId id);

// The message's pattern for `language` (English for a language without a text of its own).
[[nodiscard]] std::string_view MessageText(MessageId id, LanguageId language);

// The message's pattern for the language on screen.
[[nodiscard]] inline std::string_view MessageText(MessageId id, const AppState& state)
{
    return MessageText(id, state.language);
}

// For a message of a failed check, the sentence in `language` that says what to do about it; empty for any other
// message. A dialog shows it on a line of its own under the message.
[[nodiscard]] std::string_view MessageHint(MessageId id, LanguageId language);

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
