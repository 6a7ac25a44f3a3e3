#include "cli/CliRunner.h"
#include "support/LoopbackSmtpServer.h"

#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

namespace tamb {
namespace {

using Kind = test::LoopbackSmtpServer::Kind;

const std::string kUser = "camera@loopback.test";
const std::string kPassword = "Otter-Creek-5519";
const std::string kWrongPassword = "Wrong-Heron-22";

struct SmtpTestCase
{
    std::string name;
    std::optional<Kind> server = Kind::Plain; // a loopback server of this kind, or none at all
    std::vector<std::string> keys; // "{port}" stands for the server's port, "{dir}" for the sandbox folder
    std::string input {}; // the program's standard input
    int exitCode = 0;
    std::string said {}; // a part of what the program must print
    std::vector<std::string> logins {}; // the AUTH commands the server must receive
};

void PrintTo(const SmtpTestCase& row, std::ostream* out)
{
    *out << row.name;
}

class SmtpTestCommandTest : public ::testing::TestWithParam<SmtpTestCase>
{
};

std::vector<std::string> WithPort(std::vector<std::string> words, std::uint16_t port)
{
    for (std::string& word : words) {
        if (const auto at = word.find("{port}"); at != std::string::npos)
            word.replace(at, 6, std::to_string(port));
    }
    return words;
}

TEST_P(SmtpTestCommandTest, SaysTheOutcomeAndNeverPrintsThePassword)
{
    const SmtpTestCase& row = GetParam();
    const CliSandbox sandbox;
    std::optional<test::LoopbackSmtpServer> server;
    std::uint16_t port = 25; // where no server is started, nothing connects
    if (row.server) {
        server.emplace(*row.server, sandbox.folder(), kUser, kPassword);
        ASSERT_NE(server->port(), 0) << "the loopback mail server did not start";
        port = server->port();
    }
    std::vector<std::string> arguments { "smtp-test" };
    for (const std::string& word : WithPort(row.keys, port))
        arguments.push_back(word);
    const auto result = sandbox.run(arguments, {}, row.input);
    EXPECT_EQ(result.exitCode, row.exitCode) << result.output;
    EXPECT_NE(result.output.find(row.said), std::string::npos) << result.output;
    EXPECT_EQ(result.output.find(kPassword), std::string::npos) << result.output;
    EXPECT_EQ(result.output.find(kWrongPassword), std::string::npos) << result.output;
    EXPECT_EQ(test::LoopbackSmtpServer::logins(sandbox.folder()), row.logins);
}

std::vector<std::string> Account(std::initializer_list<std::string> more)
{
    std::vector<std::string> words { "smtpServer=127.0.0.1", "smtpPort={port}", "senderEmail=" + kUser };
    words.insert(words.end(), more);
    return words;
}

const std::vector<std::string> kPlainLogin { "AUTH PLAIN tls=False" };
const std::vector<std::string> kTlsLogin { "AUTH PLAIN tls=True" };

INSTANTIATE_TEST_SUITE_P(Runs, SmtpTestCommandTest,
    ::testing::Values(
        // Without consent the password never leaves over a connection without TLS: the server sees no AUTH.
        SmtpTestCase { .name = "PlainServerWithoutConsent",
            .keys = Account({ "senderPassword=" + kPassword }),
            .exitCode = 1,
            .said = "127.0.0.1 offers no encryption (TLS) on port",
            .logins = {} },
        SmtpTestCase { .name = "PlainServerWithoutConsentInChinese",
            .keys = Account({ "senderPassword=" + kPassword, "--language", "1" }),
            .exitCode = 1,
            .said = "不提供加密（TLS），因此未尝试登录",
            .logins = {} },
        SmtpTestCase { .name = "PlainServerWithConsent",
            .keys = Account({ "senderPassword=" + kPassword, "--allow-plain-login" }),
            .exitCode = 0,
            .said = "Login accepted, but 127.0.0.1 offers no encryption",
            .logins = kPlainLogin },
        SmtpTestCase { .name = "PasswordFromStandardInput",
            .keys = Account({ "senderPassword=-", "--allow-plain-login" }),
            .input = kPassword + "\n",
            .exitCode = 0,
            .said = "235 2.7.0 Authentication successful",
            .logins = kPlainLogin },
        SmtpTestCase { .name = "PasswordFromStandardInputWithWindowsLineEnd",
            .keys = Account({ "senderPassword=-", "--allow-plain-login" }),
            .input = kPassword + "\r\n",
            .exitCode = 0,
            .said = "235 2.7.0 Authentication successful",
            .logins = kPlainLogin },
        SmtpTestCase { .name = "NoLineOnStandardInput",
            .server = std::nullopt,
            .keys = Account({ "senderPassword=-" }),
            .exitCode = 2,
            .said = "senderPassword=- found no line on standard input" },
        SmtpTestCase { .name = "RightPasswordAmongTheOtherSmtpKeys",
            .keys = Account({ "senderPassword=" + kPassword, "mode=manual", "apn=web", "smtpStatus=2", "--model", "4",
                "--out", "{dir}/out", "--allow-plain-login" }),
            .exitCode = 0,
            .said = "235 2.7.0 Authentication successful",
            .logins = kPlainLogin },
        SmtpTestCase { .name = "WrongPasswordInChinese",
            .keys = Account({ "senderPassword=" + kWrongPassword, "--language", "1", "--allow-plain-login" }),
            .exitCode = 1,
            .said = "拒绝了发送人邮箱或密码",
            .logins = kPlainLogin },
        // A private certificate authority: trusted with --ca-file, refused without it before any login.
        SmtpTestCase { .name = "StartTlsWithTheServersCertificate",
            .server = Kind::StartTls,
            .keys = Account({ "senderPassword=" + kPassword, "--ca-file", "{dir}/cert.pem" }),
            .exitCode = 0,
            .said = "Login accepted: 127.0.0.1 accepted the sender address and password over an encrypted",
            .logins = kTlsLogin },
        SmtpTestCase { .name = "StartTlsWrongPasswordWithTheServersCertificate",
            .server = Kind::StartTls,
            .keys = Account({ "senderPassword=" + kWrongPassword, "--ca-file", "{dir}/cert.pem" }),
            .exitCode = 1,
            .said = "refused the sender address or the password.\n\n535",
            .logins = kTlsLogin },
        SmtpTestCase { .name = "StartTlsWithoutTheServersCertificate",
            .server = Kind::StartTls,
            .keys = Account({ "senderPassword=" + kPassword }),
            .exitCode = 1,
            .said = "No encrypted connection to 127.0.0.1",
            .logins = {} },
        SmtpTestCase { .name = "StartTlsRefusedEvenWithConsent",
            .server = Kind::StartTlsRefused,
            .keys = Account({ "senderPassword=" + kPassword, "--ca-file", "{dir}/cert.pem", "--allow-plain-login" }),
            .exitCode = 1,
            .said = "No encrypted connection to 127.0.0.1",
            .logins = {} },
        SmtpTestCase { .name = "CaFileWithoutCertificates",
            .server = std::nullopt,
            .keys = Account({ "senderPassword=" + kPassword, "--ca-file", "{dir}/standard-input" }),
            .exitCode = 2,
            .said = "holds no certificate in PEM form" },
        SmtpTestCase { .name = "CaFileAFolder",
            .server = std::nullopt,
            .keys = Account({ "senderPassword=" + kPassword, "--ca-file", "{dir}/out" }),
            .exitCode = 2,
            .said = "/out: not a readable file" },
        // What Generate and the dialog's edits refuse, smtp-test refuses with 2 before connecting.
        SmtpTestCase { .name = "EmptyPassword",
            .server = std::nullopt,
            .keys = Account({ "senderPassword=" }),
            .exitCode = 2,
            .said = "Sender Email Password" },
        SmtpTestCase { .name = "ServerLongerThanItsEdit",
            .server = std::nullopt,
            .keys = { "smtpServer=" + std::string(37, 'm') + ".org", "smtpPort=25", "senderEmail=" + kUser,
                "senderPassword=" + kPassword },
            .exitCode = 2,
            .said = "smtpServer: Please enter no more than 40 characters." },
        SmtpTestCase { .name = "SenderWithoutAt",
            .server = std::nullopt,
            .keys = { "smtpServer=127.0.0.1", "smtpPort=25", "senderEmail=camera", "senderPassword=" + kPassword },
            .exitCode = 2,
            .said = "Email Error(@)" },
        SmtpTestCase { .name = "PortNotANumber",
            .server = std::nullopt,
            .keys = { "smtpServer=127.0.0.1", "smtpPort=smtp", "senderEmail=" + kUser, "senderPassword=" + kPassword },
            .exitCode = 2,
            .said = "number from 1 to 65535" },
        SmtpTestCase { .name = "ModelWithoutSmtp",
            .server = std::nullopt,
            .keys = Account({ "senderPassword=" + kPassword, "--model", "1" }),
            .exitCode = 2,
            .said = "model 1 has no SMTP settings" },
        SmtpTestCase { .name = "UnknownKey",
            .server = std::nullopt,
            .keys = Account({ "senderPassword=" + kPassword, "colour=red" }),
            .exitCode = 2,
            .said = "unknown key 'colour'" }),
    [](const auto& row) { return row.param.name; });

// The account of an smtp.dat that the smtp command wrote (its password read from standard input), checked over
// STARTTLS on a free port and over TLS from the start on port 465, trusting the server's self-signed certificate.
TEST(SmtpTestFromFileTest, TakesTheAccountFromTheFileAndTheKeysChangeIt)
{
    for (const Kind kind : { Kind::StartTls, Kind::ImplicitTls }) {
        SCOPED_TRACE(kind == Kind::StartTls ? "STARTTLS" : "TLS from the start");
        const CliSandbox sandbox;
        const std::uint16_t wanted = kind == Kind::ImplicitTls ? 465 : 0;
        const test::LoopbackSmtpServer server(kind, sandbox.folder(), kUser, kPassword, wanted);
        if (server.port() == 0 && wanted != 0)
            GTEST_SKIP() << "port 465 of 127.0.0.1 is taken or needs privileges here";
        ASSERT_NE(server.port(), 0) << "the loopback mail server did not start";
        const auto written = sandbox.run(
            WithPort({ "smtp", "--model", "3", "--out", "{dir}/out", "smtpServer=127.0.0.1", "smtpPort={port}",
                         "senderEmail=" + kUser, "senderPassword=-", "recipientEmail=owner@example.org" },
                server.port()),
            {}, kPassword + "\n");
        ASSERT_EQ(written.exitCode, 0) << written.output;

        const std::vector<std::string> test { "smtp-test", "--from", "{dir}/out/smtp.dat", "--ca-file",
            "{dir}/cert.pem" };
        const auto accepted = sandbox.run(test);
        EXPECT_EQ(accepted.exitCode, 0) << accepted.output;
        EXPECT_NE(accepted.output.find("Login accepted: 127.0.0.1"), std::string::npos) << accepted.output;

        std::vector<std::string> wrong = test;
        wrong.push_back("senderPassword=" + kWrongPassword);
        const auto refused = sandbox.run(wrong);
        EXPECT_EQ(refused.exitCode, 1) << refused.output;
        EXPECT_NE(refused.output.find("refused the sender address or the password"), std::string::npos)
            << refused.output;
        EXPECT_EQ(test::LoopbackSmtpServer::logins(sandbox.folder()), (std::vector<std::string>(2, kTlsLogin[0])));
        EXPECT_EQ((accepted.output + refused.output).find(kPassword), std::string::npos);
    }
}

TEST(SmtpTestFromFileTest, RefusesAFileTheDialogCouldNotHaveWritten)
{
    const CliSandbox sandbox;
    std::ofstream(sandbox.folder() / "smtp.dat", std::ios::binary) << std::string(720, 'x');
    const auto result = sandbox.run({ "smtp-test", "--from", "{dir}/smtp.dat" });
    EXPECT_EQ(result.exitCode, 2) << result.output;
    EXPECT_NE(result.output.find("--from "), std::string::npos) << result.output;
}

} // namespace
} // namespace tamb
