#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// What a test of an e-mail account says, in every interface language: %1 the server, %2 the port, %3 the server's
// reply line after a blank line (or nothing), %4 the time limit in seconds.

inline constexpr auto SmtpPortNotNumberText = DeclareLocalisedTable<1>("SmtpPortNotNumber");
inline constexpr auto SmtpServerNotHostNameText = DeclareLocalisedTable<1>("SmtpServerNotHostName");
inline constexpr auto SmtpLoginAcceptedWithTlsText = DeclareLocalisedTable<1>("SmtpLoginAcceptedWithTls");
inline constexpr auto SmtpLoginAcceptedWithoutTlsText = DeclareLocalisedTable<1>("SmtpLoginAcceptedWithoutTls");
inline constexpr auto SmtpLoginRefusedText = DeclareLocalisedTable<1>("SmtpLoginRefused");
inline constexpr auto SmtpLoginNotOfferedText = DeclareLocalisedTable<1>("SmtpLoginNotOffered");
inline constexpr auto SmtpServerUnreachableText = DeclareLocalisedTable<1>("SmtpServerUnreachable");
inline constexpr auto SmtpTlsFailedText = DeclareLocalisedTable<1>("SmtpTlsFailed");
inline constexpr auto SmtpNoAnswerText = DeclareLocalisedTable<1>("SmtpNoAnswer");
inline constexpr auto SmtpConversationFailedText = DeclareLocalisedTable<1>("SmtpConversationFailed");
inline constexpr auto SmtpCheckCancelledText = DeclareLocalisedTable<1>("SmtpCheckCancelled");
inline constexpr auto SmtpPlainLoginNotAllowedText = DeclareLocalisedTable<1>("SmtpPlainLoginNotAllowed");

// The question the Test button asks when the server offers no encryption: %1 the server, %2 the port.
inline constexpr auto SmtpPlainLoginQuestionText = DeclareLocalisedTable<1>("SmtpPlainLoginQuestion");

} // namespace tamb
