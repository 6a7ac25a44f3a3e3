#include "cli/CliRunner.h"
#include "support/LoopbackSmtpServer.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>

namespace tamb {
namespace {

const std::string kUser = "camera@loopback.test";
const std::string kPassword = "Otter-Creek-5519";

struct SmtpTestCase
{
    std::string name;
    bool serverRuns = true; // a plain loopback server with a login; otherwise no server at all
    std::vector<std::string> keys; // "{port}" stands for the server's port
    int exitCode = 0;
    std::string said; // a part of what the program must print
};

void PrintTo(const SmtpTestCase& row, std::ostream* out)
{
    *out << row.name;
}

class SmtpTestCommandTest : public ::testing::TestWithParam<SmtpTestCase>
{
};

TEST_P(SmtpTestCommandTest, SaysTheOutcomeAndNeverPrintsThePassword)
{
    const SmtpTestCase& row = GetParam();
    const CliSandbox sandbox;
    std::optional<test::LoopbackSmtpServer> server;
    std::string port = "1";
    if (row.serverRuns) {
        server.emplace(test::LoopbackSmtpServer::Kind::plain, sandbox.folder(), kUser, kPassword);
        ASSERT_NE(server->port(), 0) << "the loopback mail server did not start";
        port = std::to_string(server->port());
    }
    std::vector<std::string> arguments { "smtp-test" };
    for (std::string key : row.keys) {
        if (const auto at = key.find("{port}"); at != std::string::npos)
            key.replace(at, 6, port);
        arguments.push_back(key);
    }
    const auto result = sandbox.run(arguments);
    EXPECT_EQ(result.exitCode, row.exitCode) << result.output;
    EXPECT_NE(result.output.find(row.said), std::string::npos) << result.output;
    EXPECT_EQ(result.output.find(kPassword), std::string::npos) << result.output;
    EXPECT_EQ(result.output.find("Wrong-Heron"), std::string::npos) << result.output;
}

const std::vector<std::string> kAccount { "smtpServer=127.0.0.1", "smtpPort={port}", "senderEmail=" + kUser };

std::vector<std::string> account(std::initializer_list<std::string> more)
{
    std::vector<std::string> words = kAccount;
    words.insert(words.end(), more);
    return words;
}

INSTANTIATE_TEST_SUITE_P(Runs, SmtpTestCommandTest,
    ::testing::Values(SmtpTestCase { .name = "RightPassword",
                          .keys = account({ "senderPassword=" + kPassword }),
                          .exitCode = 0,
                          .said = "Login accepted, but 127.0.0.1 offers no encryption" },
        SmtpTestCase { .name = "RightPasswordAmongTheOtherSmtpKeys",
            .keys = account({ "senderPassword=" + kPassword, "mode=manual", "apn=web", "smtpStatus=2", "--model", "4",
                "--out", "{dir}/out" }),
            .exitCode = 0,
            .said = "235 2.7.0 Authentication successful" },
        SmtpTestCase { .name = "WrongPasswordInChinese",
            .keys = account({ "senderPassword=Wrong-Heron-22", "--language", "1" }),
            .exitCode = 1,
            .said = "拒绝了发送人邮箱或密码" },
        SmtpTestCase { .name = "WrongPassword",
            .keys = account({ "senderPassword=Wrong-Heron-22" }),
            .exitCode = 1,
            .said = "refused the sender address or the password.\n\n535" },
        SmtpTestCase { .name = "SenderWithoutAt",
            .serverRuns = false,
            .keys = { "smtpServer=127.0.0.1", "smtpPort=25", "senderEmail=camera", "senderPassword=" + kPassword },
            .exitCode = 2,
            .said = "Email Error(@)" },
        SmtpTestCase { .name = "PortNotANumber",
            .serverRuns = false,
            .keys = { "smtpServer=127.0.0.1", "smtpPort=smtp", "senderEmail=" + kUser, "senderPassword=" + kPassword },
            .exitCode = 2,
            .said = "number from 1 to 65535" },
        SmtpTestCase { .name = "UnknownKey",
            .serverRuns = false,
            .keys = account({ "senderPassword=" + kPassword, "colour=red" }),
            .exitCode = 2,
            .said = "unknown key 'colour'" }),
    [](const auto& row) { return row.param.name; });

} // namespace
} // namespace tamb
