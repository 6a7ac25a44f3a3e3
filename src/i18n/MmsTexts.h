#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// Captions and option lists of the MMS dialogs; several also serve the SMTP dialogs.

inline constexpr auto MmsGroupText = DeclareLocalisedTable<1>("MmsGroupText");
inline constexpr auto MmsModeText = DeclareLocalisedTable<1>("MmsModeText");
inline constexpr auto MmsStatusText = DeclareLocalisedTable<1>("MmsStatusText");
inline constexpr auto MmsModeOptions = DeclareLocalisedTable<2>("MmsModeOptions");
inline constexpr auto MmsStatusOptions = DeclareLocalisedTable<4>("MmsStatusOptions");

// MMS status list of the models without the QVGA choice.
inline constexpr auto MmsStatusShortOptions = DeclareLocalisedTable<3>("MmsStatusShortOptions");
inline constexpr auto PicturesPerDayText = DeclareLocalisedTable<1>("PicturesPerDayText");

// The English entry uses the full-width colon U+FF1A.
inline constexpr auto UnlimitedNoteText = DeclareLocalisedTable<1>("UnlimitedNoteText");
inline constexpr auto CountryText = DeclareLocalisedTable<1>("CountryText");
inline constexpr auto OperatorText = DeclareLocalisedTable<1>("OperatorText");

// The blanks of the Finnish, Italian and French entries are no-break spaces.
inline constexpr auto SmsRemoteControlText = DeclareLocalisedTable<1>("SmsRemoteControlText");

// Last entry (position 25) of the remote-control hour list, after "0".."24".
inline constexpr auto HourOffText = DeclareLocalisedTable<1>("HourOffText");
inline constexpr auto RemoteHourText = DeclareLocalisedTable<1>("RemoteHourText");
inline constexpr auto UrlText = DeclareLocalisedTable<1>("UrlText");
inline constexpr auto GatewayText = DeclareLocalisedTable<1>("GatewayText");
inline constexpr auto PortText = DeclareLocalisedTable<1>("PortText");
inline constexpr auto PhoneNoText = DeclareLocalisedTable<1>("PhoneNoText");
inline constexpr auto PhoneScopeOptions = DeclareLocalisedTable<2>("PhoneScopeOptions");
inline constexpr auto EmailText = DeclareLocalisedTable<1>("EmailText");
inline constexpr auto AccountText = DeclareLocalisedTable<1>("AccountText");
inline constexpr auto PasswordText = DeclareLocalisedTable<1>("PasswordText");
inline constexpr auto PhoneOrEmailText = DeclareLocalisedTable<1>("PhoneOrEmailText");

} // namespace tamb
