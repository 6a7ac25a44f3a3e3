#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace tamb {

// A text table as every language holds it: its name and how many texts each language gives it (1 for a caption or
// a message, the entry count for an option list).
struct TextTableShape
{
    std::string_view name;
    std::size_t width = 1;
};

// Every text table of the interface. A language's texts (src/i18n/languages/) give each table a row of `width`
// texts; a table a language has no row for shows its English row.
// clang-format off
inline constexpr auto kTextTables = std::to_array<TextTableShape>({
    // MainWindowTexts.h
    { "CameraSetupText", 1 },
    { "SelectLanguageText", 1 },
    { "CameraModelText", 1 },
    { "MmsSetupText", 1 },
    { "SmtpSetupText", 1 },
    { "UpdateLinkText", 1 },
    { "VersionText", 1 },
    { "AboutItemText", 1 },
    // CameraTexts.h
    { "ModeText", 1 },
    { "ImageSizeText", 1 },
    { "VideoSizeText", 1 },
    { "PictureNoText", 1 },
    { "TimeStampText", 1 },
    { "SensorLevelText", 1 },
    { "VideoLengthText", 1 },
    { "IntervalText", 1 },
    { "SetClockText", 1 },
    { "TimerText", 1 },
    { "Timer2Text", 1 },
    { "SerialNoText", 1 },
    { "TimeLapseText", 1 },
    { "StartText", 1 },
    { "StopText", 1 },
    { "HourText", 1 },
    { "MinuteText", 1 },
    { "SecondText", 1 },
    { "DateFormatText", 1 },
    { "GetTimeText", 1 },
    { "DefaultText", 1 },
    { "SelectText", 1 },
    { "GenerateText", 1 },
    { "ExitText", 1 },
    { "CancelText", 1 },
    { "WirelessPwdText", 1 },
    { "Timer1Text", 1 },
    { "BeepSoundText", 1 },
    { "SdCycleText", 1 },
    { "SidePirText", 1 },
    // CameraOptionTexts.h
    { "CameraModeOptions", 3 },
    { "PictureCountOptions", 3 },
    { "OnOffOptions", 2 },
    { "SensitivityOptions", 4 },
    { "IntervalUnitOptions", 2 },
    { "OffOnOptions", 2 },
    { "DateFormatOptions", 3 },
    // CoordinateTexts.h
    { "CoordinateText", 1 },
    { "DirectionText", 1 },
    { "DegreeText", 1 },
    { "CoordinateUnitText", 2 },
    { "LongitudeText", 1 },
    { "LatitudeText", 1 },
    { "EastText", 1 },
    { "WestText", 1 },
    { "SouthText", 1 },
    { "NorthText", 1 },
    // CountryTexts.h
    { "CountryNames", 45 },
    { "OtherText", 1 },
    // MmsTexts.h
    { "MmsGroupText", 1 },
    { "MmsModeText", 1 },
    { "MmsStatusText", 1 },
    { "MmsModeOptions", 2 },
    { "MmsStatusOptions", 4 },
    { "MmsStatusShortOptions", 3 },
    { "PicturesPerDayText", 1 },
    { "UnlimitedNoteText", 1 },
    { "CountryText", 1 },
    { "OperatorText", 1 },
    { "SmsRemoteControlText", 1 },
    { "HourOffText", 1 },
    { "RemoteHourText", 1 },
    { "UrlText", 1 },
    { "GatewayText", 1 },
    { "PortText", 1 },
    { "PhoneNoText", 1 },
    { "PhoneScopeOptions", 2 },
    { "EmailText", 1 },
    { "AccountText", 1 },
    { "PasswordText", 1 },
    { "PhoneOrEmailText", 1 },
    // SmtpTexts.h
    { "SmtpModeText", 1 },
    { "SmtpModeOptions", 2 },
    { "GprsSettingText", 1 },
    { "SenderText", 1 },
    { "SmtpServerText", 1 },
    { "SmtpPortText", 1 },
    { "SenderEmailText", 1 },
    { "SenderPasswordText", 1 },
    { "RecipientsText", 1 },
    { "Email01Text", 1 },
    { "SmsGroupText", 1 },
    { "SmtpStatusText", 1 },
    { "SmtpStatusOptions", 3 },
    { "TestAccountText", 1 },
    // PrepareCardsTexts.h
    { "PrepareCardsText", 17 },
    // OwnMessageTexts.h
    { "SmtpTextNotStorable", 1 },
    { "PromptInteger", 1 },
    { "PromptTextTooLong", 1 },
    { "PromptIntegerRange", 1 },
    { "ClockNotTime", 1 },
    { "TextNotStorable", 1 },
    { "LoadExistingFile", 1 },
    { "FileNotLoaded", 1 },
    { "DownloadPageNotOpened", 1 },
    // FileWriteTexts.h
    { "FileNotWritten", 1 },
    { "CardWriteProtected", 1 },
    { "CardFull", 1 },
    { "CardMissing", 1 },
    { "CardReadBackDiffers", 1 },
    { "CardBusy", 1 },
    { "FileNotConfirmed", 1 },
    { "WorkingFileWiped", 1 },
    { "WorkingFileLeft", 1 },
    { "FileWrittenOwnerOnly", 1 },
    // CheckMessageTexts.h
    { "MenuFileGenerated", 1 },
    { "Q400MenuFileGenerated", 1 },
    { "FactoryFileGenerated", 1 },
    { "Q400FactoryFileGenerated", 1 },
    { "IntegerOutOfRange", 1 },
    { "PhoneTooManyDigits", 1 },
    { "PhoneNotShownInCamera", 1 },
    { "Phone1TooShort", 1 },
    { "Phone2TooShort", 1 },
    { "Phone3TooShort", 1 },
    { "Phone1NotDigits", 1 },
    { "PhoneRecheck", 1 },
    { "PhoneAndEmailEmpty", 1 },
    { "PhoneOrEmailRecheck", 1 },
    { "EmailWithoutAt", 1 },
    { "EmailWithoutDot", 1 },
    { "UrlEmpty", 1 },
    { "ApnEmpty", 1 },
    { "GatewayEmpty", 1 },
    { "PortEmpty", 1 },
    { "GatewayWithoutDot", 1 },
    { "Q400GatewayWithoutDot", 1 },
    { "RemoteControlWithoutPhone", 1 },
    { "MmsFileGenerated", 1 },
    { "GprsApnMissing", 1 },
    { "SmtpServerMissing", 1 },
    { "SmtpPortMissing", 1 },
    { "EmailMissing", 1 },
    { "SenderPasswordMissing", 1 },
    { "SmsPhoneError", 1 },
    { "SmtpFileGenerated", 1 },
    // MessageHintTexts.h
    { "RangeHint", 1 },
    { "IntegerHint", 1 },
    { "TooLongHint", 1 },
    { "PhoneLongHint", 1 },
    { "PhoneShortHint", 1 },
    { "PhoneDigitsHint", 1 },
    { "PhoneFixHint", 1 },
    { "NoRecipientHint", 1 },
    { "RecipientFixHint", 1 },
    { "EmailHint", 1 },
    { "UrlHint", 1 },
    { "ApnHint", 1 },
    { "GatewayHint", 1 },
    { "PortHint", 1 },
    { "RemoteHint", 1 },
    { "SmtpServerHint", 1 },
    { "SmtpPortHint", 1 },
    { "EmailMissingHint", 1 },
    { "PasswordHint", 1 },
    { "StorableHint", 1 },
    // CloseQuestionTexts.h
    { "CloseWithoutWriting", 1 },
    // OperatorDataTexts.h
    { "ParameterSourceDatabase", 1 },
    { "ParameterSourceBuiltIn", 1 },
    { "ParameterSourceNone", 1 },
    { "MmsEnded", 1 },
    { "MmsEndedWriteAnyway", 1 },
    // OperatorMessageTexts.h
    { "OperatorWithoutParameters", 1 },
    // SmtpLoginTexts.h
    { "SmtpPortNotNumber", 1 },
    { "SmtpServerNotHostName", 1 },
    { "SmtpLoginAcceptedWithTls", 1 },
    { "SmtpLoginAcceptedWithoutTls", 1 },
    { "SmtpLoginRefused", 1 },
    { "SmtpLoginNotOffered", 1 },
    { "SmtpServerUnreachable", 1 },
    { "SmtpTlsFailed", 1 },
    { "SmtpNoAnswer", 1 },
    { "SmtpConversationFailed", 1 },
    { "SmtpCheckCancelled", 1 },
    { "SmtpPlainLoginNotAllowed", 1 },
    { "SmtpPlainLoginQuestion", 1 },
    // ProfileTexts.h
    { "ProfileText", 11 },
    // End of the catalogue.
});
// clang-format on

inline constexpr std::size_t kTextTableCount = kTextTables.size();

// Where each table's texts start in a language's list of all texts.
inline constexpr auto kTextTableOffsets = [] {
    std::array<std::size_t, kTextTableCount> offsets {};
    std::size_t next = 0;
    for (std::size_t table = 0; table < kTextTableCount; ++table) {
        offsets[table] = next;
        next += kTextTables[table].width;
    }
    return offsets;
}();

// How many texts a language holds when it translates every table.
inline constexpr std::size_t kTextEntryCount
    = kTextTableCount == 0 ? 0 : kTextTableOffsets[kTextTableCount - 1] + kTextTables[kTextTableCount - 1].width;

// The position of the table called `name` in the catalogue. It runs where tables are declared and languages
// collected, both at compile time, so a name it lacks does not compile. (constexpr rather than consteval: some
// compilers refuse a consteval call on a parameter of the consteval function that makes the call.)
constexpr std::size_t TextTableIndex(std::string_view name)
{
    const auto* found = std::find_if(
        kTextTables.begin(), kTextTables.end(), [name](const TextTableShape& shape) { return shape.name == name; });
    if (found == kTextTables.end()) {
        throw "no text table of this name in kTextTables";
    }
    return static_cast<std::size_t>(found - kTextTables.begin());
}

} // namespace tamb
