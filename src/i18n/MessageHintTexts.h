#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// What to do about a failed check: the sentence a dialog adds under the message of the check. Rows in
// LanguageId order.

inline constexpr auto RangeHint = DeclareLocalisedTable<1>("RangeHint");
inline constexpr auto IntegerHint = DeclareLocalisedTable<1>("IntegerHint");
inline constexpr auto TooLongHint = DeclareLocalisedTable<1>("TooLongHint");
inline constexpr auto PhoneLongHint = DeclareLocalisedTable<1>("PhoneLongHint");
inline constexpr auto PhoneShortHint = DeclareLocalisedTable<1>("PhoneShortHint");
inline constexpr auto PhoneDigitsHint = DeclareLocalisedTable<1>("PhoneDigitsHint");
inline constexpr auto PhoneFixHint = DeclareLocalisedTable<1>("PhoneFixHint");
inline constexpr auto NoRecipientHint = DeclareLocalisedTable<1>("NoRecipientHint");
inline constexpr auto RecipientFixHint = DeclareLocalisedTable<1>("RecipientFixHint");
inline constexpr auto EmailHint = DeclareLocalisedTable<1>("EmailHint");
inline constexpr auto UrlHint = DeclareLocalisedTable<1>("UrlHint");
inline constexpr auto ApnHint = DeclareLocalisedTable<1>("ApnHint");
inline constexpr auto GatewayHint = DeclareLocalisedTable<1>("GatewayHint");
inline constexpr auto PortHint = DeclareLocalisedTable<1>("PortHint");
inline constexpr auto RemoteHint = DeclareLocalisedTable<1>("RemoteHint");
inline constexpr auto SmtpServerHint = DeclareLocalisedTable<1>("SmtpServerHint");
inline constexpr auto SmtpPortHint = DeclareLocalisedTable<1>("SmtpPortHint");
inline constexpr auto EmailMissingHint = DeclareLocalisedTable<1>("EmailMissingHint");
inline constexpr auto PasswordHint = DeclareLocalisedTable<1>("PasswordHint");
inline constexpr auto StorableHint = DeclareLocalisedTable<1>("StorableHint");

} // namespace tamb
