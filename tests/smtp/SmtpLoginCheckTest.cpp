#include "smtp/SmtpLoginCheck.h"

#include "support/LoopbackSmtpServer.h"
#include "support/TempFolder.h"

#include <atomic>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <thread>

namespace tamb {
namespace {

using Kind = test::LoopbackSmtpServer::Kind;

const std::string kUser = "camera@loopback.test";
const std::string kPassword = "Pine-Marten-7731";

// Where a case points the check: at a running server of a kind, or at a port where nothing listens.
enum class Target
{
    Server,
    ClosedPort,
};

// Certificates trusted in addition to the system's trust store.
enum class Additional
{
    None,
    ServerCertificate, // the loopback server's own, as one's private certificate authority
    UnrelatedCertificate, // one the server does not show
};

std::string CertificateText(const std::filesystem::path& folder)
{
    std::ifstream in(test::LoopbackSmtpServer::certificate(folder));
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

struct LoginCase
{
    std::string name;
    Target target = Target::Server;
    Kind kind = Kind::Plain;
    std::string password = kPassword;
    bool trustServer = true; // the server's self-signed certificate stands for the system's trust store
    Additional additional = Additional::None;
    bool portIsImplicitTls = false; // the check speaks TLS from the first byte
    bool allowPlainLogin = false;
    std::chrono::milliseconds timeLimit = kSmtpLoginTimeLimit;
    SmtpLoginOutcome expected = SmtpLoginOutcome::AcceptedWithTls;
    std::string replyStart; // how the server's reply line must begin; empty: no reply line
    // The AUTH commands the server must have received: none where the password would have gone out readable.
    std::vector<std::string> logins {};
};

void PrintTo(const LoginCase& row, std::ostream* out)
{
    *out << row.name;
}

class SmtpLoginCheckTest : public ::testing::TestWithParam<LoginCase>
{
protected:
    test::TempFolder m_folder; // the server's certificate
};

TEST_P(SmtpLoginCheckTest, EndsWithTheOutcomeAndNeverShowsThePassword)
{
    const LoginCase& row = GetParam();
    std::optional<test::LoopbackSmtpServer> server;
    std::uint16_t port = test::LoopbackSmtpServer::closedPort();
    if (row.target == Target::Server) {
        server.emplace(row.kind, m_folder.path(), kUser, kPassword);
        ASSERT_NE(server->port(), 0) << "the loopback mail server did not start";
        port = server->port();
    }
    const SmtpAccount account { .server = "127.0.0.1", .port = port, .sender = kUser, .password = row.password };
    SmtpLoginOptions options;
    options.timeLimit = row.timeLimit;
    if (row.trustServer)
        options.systemCertificates = test::LoopbackSmtpServer::certificate(m_folder.path()).string();
    if (row.portIsImplicitTls)
        options.implicitTlsPort = port;
    options.allowPlainLogin = row.allowPlainLogin;
    if (row.additional == Additional::ServerCertificate)
        options.additionalCertificates = CertificateText(m_folder.path());
    // Another server of the fixture makes another self-signed certificate.
    const test::TempFolder otherFolder;
    if (row.additional == Additional::UnrelatedCertificate) {
        const test::LoopbackSmtpServer other(Kind::Silent, otherFolder.path(), kUser, kPassword);
        options.additionalCertificates = CertificateText(otherFolder.path());
        ASSERT_NE(options.additionalCertificates.find("BEGIN CERTIFICATE"), std::string::npos);
    }
    const std::atomic<bool> cancel { false };

    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const auto result = CheckSmtpLogin(account, options, cancel);
    const std::string printed = ::testing::internal::GetCapturedStdout() + ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(result.outcome, row.expected) << "server said: " << result.serverReply;
    if (row.replyStart.empty())
        EXPECT_EQ(result.serverReply, "");
    else
        EXPECT_EQ(result.serverReply.rfind(row.replyStart, 0), 0u) << result.serverReply;
    EXPECT_EQ(result.serverReply.find(row.password), std::string::npos);
    EXPECT_EQ(printed.find(row.password), std::string::npos) << printed;
    EXPECT_EQ(test::LoopbackSmtpServer::logins(m_folder.path()), row.logins);
}

const std::string kWrongPassword = "Wrong-Badger-1234";

INSTANTIATE_TEST_SUITE_P(Servers, SmtpLoginCheckTest,
    ::testing::Values(LoginCase { .name = "ImplicitTlsRightPassword",
                          .kind = Kind::ImplicitTls,
                          .portIsImplicitTls = true,
                          .expected = SmtpLoginOutcome::AcceptedWithTls,
                          .replyStart = "235",
                          .logins = { "AUTH PLAIN tls=True" } },
        LoginCase { .name = "StartTlsRightPassword",
            .kind = Kind::StartTls,
            .expected = SmtpLoginOutcome::AcceptedWithTls,
            .replyStart = "235",
            .logins = { "AUTH PLAIN tls=True" } },
        LoginCase { .name = "StartTlsWrongPassword",
            .kind = Kind::StartTls,
            .password = kWrongPassword,
            .expected = SmtpLoginOutcome::CredentialsRefused,
            .replyStart = "535",
            .logins = { "AUTH PLAIN tls=True" } },
        LoginCase { .name = "PlainServerWithoutConsent",
            .kind = Kind::Plain,
            .expected = SmtpLoginOutcome::PlainLoginNotAllowed,
            .replyStart = {},
            .logins = {} },
        LoginCase { .name = "PlainServerWithConsentRightPassword",
            .kind = Kind::Plain,
            .allowPlainLogin = true,
            .expected = SmtpLoginOutcome::AcceptedWithoutTls,
            .replyStart = "235",
            .logins = { "AUTH PLAIN tls=False" } },
        LoginCase { .name = "PlainServerWithConsentWrongPassword",
            .kind = Kind::Plain,
            .password = kWrongPassword,
            .allowPlainLogin = true,
            .expected = SmtpLoginOutcome::CredentialsRefused,
            .replyStart = "535",
            .logins = { "AUTH PLAIN tls=False" } },
        // STARTTLS offered and then failing is never a reason to go on without it, consent or not.
        LoginCase { .name = "StartTlsRefusedEvenWithConsent",
            .kind = Kind::StartTlsRefused,
            .allowPlainLogin = true,
            .expected = SmtpLoginOutcome::TlsFailed,
            .replyStart = "454",
            .logins = {} },
        LoginCase { .name = "StartTlsBrokenEvenWithConsent",
            .kind = Kind::StartTlsBroken,
            .allowPlainLogin = true,
            .expected = SmtpLoginOutcome::TlsFailed,
            .replyStart = "220",
            .logins = {} },
        // A two-character password that the server repeats is blanked, however short.
        LoginCase { .name = "ShortPasswordRepeatedByTheServer",
            .kind = Kind::StartTlsEcho,
            .password = "Qx",
            .expected = SmtpLoginOutcome::CredentialsRefused,
            .replyStart = "535 5.7.8 Wrong password **, try again",
            .logins = { "AUTH PLAIN tls=True" } },
        LoginCase { .name = "ServerWithoutLogin",
            .kind = Kind::NoLogin,
            .expected = SmtpLoginOutcome::LoginNotOffered,
            .replyStart = "2" },
        LoginCase { .name = "StartTlsCertificateRefused",
            .kind = Kind::StartTls,
            .trustServer = false,
            .expected = SmtpLoginOutcome::TlsFailed,
            .replyStart = "220" },
        LoginCase { .name = "StartTlsCertificateAmongTheAdditionalOnes",
            .kind = Kind::StartTls,
            .trustServer = false,
            .additional = Additional::ServerCertificate,
            .expected = SmtpLoginOutcome::AcceptedWithTls,
            .replyStart = "235",
            .logins = { "AUTH PLAIN tls=True" } },
        LoginCase { .name = "ImplicitTlsCertificateAmongTheAdditionalOnes",
            .kind = Kind::ImplicitTls,
            .trustServer = false,
            .additional = Additional::ServerCertificate,
            .portIsImplicitTls = true,
            .expected = SmtpLoginOutcome::AcceptedWithTls,
            .replyStart = "235",
            .logins = { "AUTH PLAIN tls=True" } },
        // Certificates of one's own join the system's trust store and do not replace it.
        LoginCase { .name = "SystemStoreStillCountsBesideAdditionalOnes",
            .kind = Kind::StartTls,
            .additional = Additional::UnrelatedCertificate,
            .expected = SmtpLoginOutcome::AcceptedWithTls,
            .replyStart = "235",
            .logins = { "AUTH PLAIN tls=True" } },
        LoginCase { .name = "UnrelatedAdditionalCertificate",
            .kind = Kind::StartTls,
            .trustServer = false,
            .additional = Additional::UnrelatedCertificate,
            .expected = SmtpLoginOutcome::TlsFailed,
            .replyStart = "220",
            .logins = {} },
        LoginCase { .name = "ImplicitTlsCertificateRefused",
            .kind = Kind::ImplicitTls,
            .trustServer = false,
            .portIsImplicitTls = true,
            .expected = SmtpLoginOutcome::TlsFailed,
            .replyStart = {} },
        LoginCase { .name = "ImplicitTlsPortOnAPlainServer",
            .kind = Kind::Plain,
            .portIsImplicitTls = true,
            .expected = SmtpLoginOutcome::TlsFailed,
            .replyStart = {} },
        LoginCase { .name = "ClosedPort",
            .target = Target::ClosedPort,
            .expected = SmtpLoginOutcome::Unreachable,
            .replyStart = {} },
        LoginCase { .name = "SilentListener",
            .kind = Kind::Silent,
            .timeLimit = std::chrono::milliseconds(1200),
            .expected = SmtpLoginOutcome::NoAnswer,
            .replyStart = {} }),
    [](const auto& row) { return row.param.name; });

TEST(SmtpLoginCheckCancelTest, ACancelStopsAWaitingCheckPromptly)
{
    const test::TempFolder folder;
    const test::LoopbackSmtpServer server(Kind::Silent, folder.path(), kUser, kPassword);
    ASSERT_NE(server.port(), 0);
    const SmtpAccount account { .server = "127.0.0.1", .port = server.port(), .sender = kUser, .password = kPassword };
    std::atomic<bool> cancel { false };
    const auto started = std::chrono::steady_clock::now();
    std::thread canceller([&cancel] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        cancel = true;
    });
    const auto result = CheckSmtpLogin(account, SmtpLoginOptions {}, cancel);
    canceller.join();
    EXPECT_EQ(result.outcome, SmtpLoginOutcome::Cancelled);
    // Far below the 15 seconds the server's silence would otherwise cost.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
}

} // namespace
} // namespace tamb
