#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// Captions and option lists of the SMTP dialogs (the shared ones are in MmsTexts.h).

inline constexpr auto SmtpModeText = DeclareLocalisedTable<1>("SmtpModeText");
inline constexpr auto SmtpModeOptions = DeclareLocalisedTable<2>("SmtpModeOptions");
inline constexpr auto GprsSettingText = DeclareLocalisedTable<1>("GprsSettingText");
inline constexpr auto SenderText = DeclareLocalisedTable<1>("SenderText");
inline constexpr auto SmtpServerText = DeclareLocalisedTable<1>("SmtpServerText");
inline constexpr auto SmtpPortText = DeclareLocalisedTable<1>("SmtpPortText");
inline constexpr auto SenderEmailText = DeclareLocalisedTable<1>("SenderEmailText");
inline constexpr auto SenderPasswordText = DeclareLocalisedTable<1>("SenderPasswordText");
inline constexpr auto RecipientsText = DeclareLocalisedTable<1>("RecipientsText");

// The Russian entry holds two blanks.
inline constexpr auto Email01Text = DeclareLocalisedTable<1>("Email01Text");
inline constexpr auto SmsGroupText = DeclareLocalisedTable<1>("SmsGroupText");

// The blanks of the French and Polish entries are no-break spaces.
inline constexpr auto SmtpStatusText = DeclareLocalisedTable<1>("SmtpStatusText");
inline constexpr auto SmtpStatusOptions = DeclareLocalisedTable<3>("SmtpStatusOptions");
// The button that logs in to the sender's account to test it, sending no mail.
inline constexpr auto TestAccountText = DeclareLocalisedTable<1>("TestAccountText");

} // namespace tamb
