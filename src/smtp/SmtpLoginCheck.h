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
    // The user's consent, for this one check, to log in over a connection without TLS where the server offers none.
    bool allowPlainLogin = false;
    // Certificates (PEM text) to trust in addition to the system's trust store, such as the private certificate
    // authority of one's own mail server; empty for the system's store alone.
    std::string additionalCertificates;
    // A PEM file that stands for the system's trust store; empty for the one libcurl was built with. Tests put a
    // store of their own here.
    std::string systemCertificates;
    // The port that speaks TLS from the start; tests move it to a free port of their own.
    std::uint16_t implicitTlsPort = kImplicitTlsPort;
};

// Logs in to the account's server and sends no mail. The implicit TLS port speaks TLS from the start; any other port
// must switch to TLS with STARTTLS. A server that offers no TLS at all gets no login, and the outcome says so,
// unless `allowPlainLogin` consents to one over the plain connection; a STARTTLS that is offered but refused or
// broken is a failure, never a reason to go on without TLS. A server that offers no login is not counted as
// accepting one. Blocks until the outcome is known, the time limit has passed or `cancel` becomes true (checked
// while waiting, several times a second). Writes nothing to any stream; the password is never part of the result.
// May run on any thread; several checks may run at once.
[[nodiscard]] SmtpLoginResult CheckSmtpLogin(
    const SmtpAccount& account, const SmtpLoginOptions& options, const std::atomic<bool>& cancel);

} // namespace tamb
