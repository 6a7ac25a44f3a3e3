#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tamb::test {

// A real mail server (Debian's aiosmtpd under /usr/bin/python3) on 127.0.0.1 and a free port, run for one test
// and stopped by the destructor. Its self-signed certificate for 127.0.0.1 lives in `folder`.
class LoopbackSmtpServer
{
public:
    enum class Kind
    {
        ImplicitTls, // TLS from the first byte, login offered
        StartTls, // STARTTLS offered and demanded before the login
        StartTlsRefused, // STARTTLS and a login offered, STARTTLS answered with a refusal
        StartTlsBroken, // STARTTLS and a login offered, no TLS handshake after STARTTLS's "220"
        StartTlsEcho, // as StartTls, and a refused login's reply repeats the password it was given
        Plain, // no TLS, login offered over the plain connection
        NoLogin, // no TLS and no login
        Silent, // accepts connections and never answers
    };

    // Starts the server on `port` (0: a free one) and waits until it listens; port() is 0 when it could not start.
    LoopbackSmtpServer(Kind kind, const std::filesystem::path& folder, const std::string& user,
        const std::string& password, std::uint16_t port = 0);
    ~LoopbackSmtpServer();
    LoopbackSmtpServer(const LoopbackSmtpServer&) = delete;
    LoopbackSmtpServer& operator=(const LoopbackSmtpServer&) = delete;

    [[nodiscard]] std::uint16_t port() const { return m_port; }
    // The certificate the server shows, for a client that is to trust it.
    [[nodiscard]] static std::filesystem::path certificate(const std::filesystem::path& folder)
    {
        return folder / "cert.pem";
    }
    // The AUTH commands that the servers of `folder` received so far, one line each ("AUTH PLAIN tls=True").
    [[nodiscard]] static std::vector<std::string> logins(const std::filesystem::path& folder);
    // A port on 127.0.0.1 on which nothing listens.
    [[nodiscard]] static std::uint16_t closedPort();

private:
    pid_t m_pid = -1;
    int m_input = -1; // the server's standard input: closing it also stops the server
    std::uint16_t m_port = 0;
};

} // namespace tamb::test
