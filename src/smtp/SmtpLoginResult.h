#pragma once

#include "model/DialogOutcome.h"
#include "smtp/SmtpAccount.h"

#include <chrono>
#include <string>

namespace tamb {

// The time a login check may take from the first name lookup to the last reply.
inline constexpr std::chrono::seconds kSmtpLoginTimeLimit { 15 };

// How a login check of an e-mail account ended.
enum class SmtpLoginOutcome
{
    AcceptedWithTls,
    AcceptedWithoutTls, // the server offers no TLS and the user allowed the password to go over the network readable
    PlainLoginNotAllowed, // the server offers no TLS, so no login was attempted
    CredentialsRefused,
    LoginNotOffered, // the server answers but offers no login the check can use
    Unreachable, // the name was not found, or nothing listens on the port
    TlsFailed, // TLS was demanded or offered but could not be negotiated, or the certificate was refused
    NoAnswer, // nothing within the time limit
    ConversationFailed, // the server broke off or answered in a way a mail server does not
    Cancelled,
};

struct SmtpLoginResult
{
    SmtpLoginOutcome outcome = SmtpLoginOutcome::Cancelled;
    // The server's reply line that decided the outcome (the answer to the login where there was one), printable
    // ASCII only and never containing the password; empty when the server said nothing useful.
    std::string serverReply;

    friend bool operator==(const SmtpLoginResult&, const SmtpLoginResult&) = default;
};

// True for the two outcomes in which the server accepted the login.
[[nodiscard]] bool IsLoginAccepted(SmtpLoginOutcome outcome);

// The words for a result, with the server, its port, the time limit and the server's reply line.
[[nodiscard]] DialogMessage SmtpLoginMessage(
    const SmtpLoginResult& result, const SmtpAccount& account, std::chrono::seconds timeLimit);

// The question whether to log in to the account's server without encryption, which it does not offer: the
// password would cross the network readable, as it does whenever the camera sends mail there.
[[nodiscard]] DialogMessage SmtpPlainLoginQuestion(const SmtpAccount& account);

} // namespace tamb
