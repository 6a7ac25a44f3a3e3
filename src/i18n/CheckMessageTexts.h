#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// The dialogs' own messages (results of Generate and Default, checks of the fields) in every interface
// language; the Chinese and English rows are the dialogs' original texts.

inline constexpr auto MenuFileGeneratedText = DeclareLocalisedTable<1>("MenuFileGenerated");
inline constexpr auto Q400MenuFileGeneratedText = DeclareLocalisedTable<1>("Q400MenuFileGenerated");

// The leading blank of the Chinese text belongs to it.
inline constexpr auto FactoryFileGeneratedText = DeclareLocalisedTable<1>("FactoryFileGenerated");
inline constexpr auto Q400FactoryFileGeneratedText = DeclareLocalisedTable<1>("Q400FactoryFileGenerated");
inline constexpr auto IntegerOutOfRangeText = DeclareLocalisedTable<1>("IntegerOutOfRange");
inline constexpr auto PhoneTooManyDigitsText = DeclareLocalisedTable<1>("PhoneTooManyDigits");
inline constexpr auto PhoneNotShownInCameraText = DeclareLocalisedTable<1>("PhoneNotShownInCamera");
inline constexpr auto Phone1TooShortText = DeclareLocalisedTable<1>("Phone1TooShort");
inline constexpr auto Phone2TooShortText = DeclareLocalisedTable<1>("Phone2TooShort");
inline constexpr auto Phone3TooShortText = DeclareLocalisedTable<1>("Phone3TooShort");
inline constexpr auto Phone1NotDigitsText = DeclareLocalisedTable<1>("Phone1NotDigits");
inline constexpr auto PhoneRecheckText = DeclareLocalisedTable<1>("PhoneRecheck");
inline constexpr auto PhoneAndEmailEmptyText = DeclareLocalisedTable<1>("PhoneAndEmailEmpty");
inline constexpr auto PhoneOrEmailRecheckText = DeclareLocalisedTable<1>("PhoneOrEmailRecheck");
inline constexpr auto EmailWithoutAtText = DeclareLocalisedTable<1>("EmailWithoutAt");
inline constexpr auto EmailWithoutDotText = DeclareLocalisedTable<1>("EmailWithoutDot");
inline constexpr auto UrlEmptyText = DeclareLocalisedTable<1>("UrlEmpty");
inline constexpr auto ApnEmptyText = DeclareLocalisedTable<1>("ApnEmpty");
inline constexpr auto GatewayEmptyText = DeclareLocalisedTable<1>("GatewayEmpty");
inline constexpr auto PortEmptyText = DeclareLocalisedTable<1>("PortEmpty");
inline constexpr auto GatewayWithoutDotText = DeclareLocalisedTable<1>("GatewayWithoutDot");
inline constexpr auto Q400GatewayWithoutDotText = DeclareLocalisedTable<1>("Q400GatewayWithoutDot");

// The texts of Phone1TooShort, except the Chinese one, which asks for the first number.
inline constexpr auto RemoteControlWithoutPhoneText = DeclareLocalisedTable<1>("RemoteControlWithoutPhone");
inline constexpr auto MmsFileGeneratedText = DeclareLocalisedTable<1>("MmsFileGenerated");
inline constexpr auto GprsApnMissingText = DeclareLocalisedTable<1>("GprsApnMissing");
inline constexpr auto SmtpServerMissingText = DeclareLocalisedTable<1>("SmtpServerMissing");
inline constexpr auto SmtpPortMissingText = DeclareLocalisedTable<1>("SmtpPortMissing");
inline constexpr auto EmailMissingText = DeclareLocalisedTable<1>("EmailMissing");
inline constexpr auto SenderPasswordMissingText = DeclareLocalisedTable<1>("SenderPasswordMissing");
inline constexpr auto SmsPhoneErrorText = DeclareLocalisedTable<1>("SmsPhoneError");
inline constexpr auto SmtpFileGeneratedText = DeclareLocalisedTable<1>("SmtpFileGenerated");

} // namespace tamb
