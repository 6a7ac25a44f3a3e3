#include "smtp/SmtpLoginCheck.h"

#include "support/LoopbackSmtpServer.h"
#include "support/TempFolder.h"

#include <atomic>
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
    server,
    closedPort,
};

struct LoginCase
{
    std::string name;
    Target target = Target::server;
    Kind kind = Kind::plain;
    std::string password = kPassword;
    bool trustServer = true; // the server's self-signed certificate is trusted
    bool portIsImplicitTls = false; // the check speaks TLS from the first byte
    std::chrono::milliseconds timeLimit = kSmtpLoginTimeLimit;
    SmtpLoginOutcome expected = SmtpLoginOutcome::acceptedWithTls;
    std::string replyStart; // how the server's reply line must begin; empty: no reply line
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
    if (row.target == Target::server) {
        server.emplace(row.kind, m_folder.path(), kUser, kPassword);
        ASSERT_NE(server->port(), 0) << "the loopback mail server did not start";
        port = server->port();
    }
    const SmtpAccount account { .server = "127.0.0.1", .port = port, .sender = kUser, .password = row.password };
    SmtpLoginOptions options;
    options.timeLimit = row.timeLimit;
    if (row.trustServer)
        options.trustedCertificates = test::LoopbackSmtpServer::certificate(m_folder.path()).string();
    if (row.portIsImplicitTls)
        options.implicitTlsPort = port;
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
}

const std::string kWrongPassword = "Wrong-Badger-1234";

INSTANTIATE_TEST_SUITE_P(Servers, SmtpLoginCheckTest,
    ::testing::Values(LoginCase { .name = "ImplicitTlsRightPassword",
                          .kind = Kind::implicitTls,
                          .portIsImplicitTls = true,
                          .expected = SmtpLoginOutcome::acceptedWithTls,
                          .replyStart = "235" },
        LoginCase { .name = "StartTlsRightPassword",
            .kind = Kind::startTls,
            .expected = SmtpLoginOutcome::acceptedWithTls,
            .replyStart = "235" },
        LoginCase { .name = "StartTlsWrongPassword",
            .kind = Kind::startTls,
            .password = kWrongPassword,
            .expected = SmtpLoginOutcome::credentialsRefused,
            .replyStart = "535" },
        LoginCase { .name = "PlainServerRightPassword",
            .kind = Kind::plain,
            .expected = SmtpLoginOutcome::acceptedWithoutTls,
            .replyStart = "235" },
        LoginCase { .name = "PlainServerWrongPassword",
            .kind = Kind::plain,
            .password = kWrongPassword,
            .expected = SmtpLoginOutcome::credentialsRefused,
            .replyStart = "535" },
        LoginCase { .name = "ServerWithoutLogin",
            .kind = Kind::noLogin,
            .expected = SmtpLoginOutcome::loginNotOffered,
            .replyStart = "2" },
        LoginCase { .name = "StartTlsCertificateRefused",
            .kind = Kind::startTls,
            .trustServer = false,
            .expected = SmtpLoginOutcome::tlsFailed,
            .replyStart = "220" },
        LoginCase { .name = "ImplicitTlsCertificateRefused",
            .kind = Kind::implicitTls,
            .trustServer = false,
            .portIsImplicitTls = true,
            .expected = SmtpLoginOutcome::tlsFailed,
            .replyStart = {} },
        LoginCase { .name = "ImplicitTlsPortOnAPlainServer",
            .kind = Kind::plain,
            .portIsImplicitTls = true,
            .expected = SmtpLoginOutcome::tlsFailed,
            .replyStart = {} },
        LoginCase { .name = "ClosedPort",
            .target = Target::closedPort,
            .expected = SmtpLoginOutcome::unreachable,
            .replyStart = {} },
        LoginCase { .name = "SilentListener",
            .kind = Kind::silent,
            .timeLimit = std::chrono::milliseconds(1200),
            .expected = SmtpLoginOutcome::noAnswer,
            .replyStart = {} }),
    [](const auto& row) { return row.param.name; });

TEST(SmtpLoginCheckCancelTest, ACancelStopsAWaitingCheckPromptly)
{
    const test::TempFolder folder;
    const test::LoopbackSmtpServer server(Kind::silent, folder.path(), kUser, kPassword);
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
    EXPECT_EQ(result.outcome, SmtpLoginOutcome::cancelled);
    // Far below the 15 seconds the server's silence would otherwise cost.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
}

} // namespace
} // namespace tamb
