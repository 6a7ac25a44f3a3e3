#pragma once

#include "smtp/SmtpAccount.h"
#include "smtp/SmtpLoginResult.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>

namespace tamb {

// The port on which mail servers speak TLS from the first byte; every other port starts plain.
inline constexpr std::uint16_t kImplicitTlsPort = 465;

struct SmtpLoginOptions
{
    std::chrono::milliseconds timeLimit = kSmtpLoginTimeLimit;
    // A file of certificates to trust instead of the system's store; empty for the system's store.
    std::string trustedCertificates;
    // The port that speaks TLS from the start; tests move it to a free port of their own.
    std::uint16_t implicitTlsPort = kImplicitTlsPort;
};

// Logs in to the account's server and sends no mail. The implicit TLS port speaks TLS from the start; any other port
// switches to TLS with STARTTLS when the server offers it and logs in over the plain connection only when the
// server offers no TLS at all (the outcome says so). A server that offers no login is not counted as accepting
// one. Blocks until the outcome is known, the time limit has passed or `cancel` becomes true (checked while
// waiting, several times a second). Writes nothing to any stream; the password is never part of the result.
// May run on any thread; several checks may run at once.
[[nodiscard]] SmtpLoginResult CheckSmtpLogin(
    const SmtpAccount& account, const SmtpLoginOptions& options, const std::atomic<bool>& cancel);

} // namespace tamb
