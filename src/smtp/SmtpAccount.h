#pragma once

#include "model/DialogOutcome.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace tamb {

// The e-mail account an SMTP dialog holds, ready for a login check: the server's host name or address, its
// port, the sender address (the login name) and the sender's password.
struct SmtpAccount
{
    std::string server;
    std::uint16_t port = 0;
    std::string sender;
    std::string password;
};

// The account from the texts of the dialog's edits. Server, port, sender and password are checked as Generate
// checks them (the same messages, in the same order: a password of fewer than 2 characters is refused), then the
// port must be a number 1..65535 and the server a host name, an IPv4 address or an IPv6 address in brackets.
// Otherwise the password is taken as it is; the server decides on it.
[[nodiscard]] std::variant<SmtpAccount, DialogMessage> SmtpAccountFromTexts(
    std::string_view server, std::string_view port, std::string_view sender, std::string_view password);

} // namespace tamb
